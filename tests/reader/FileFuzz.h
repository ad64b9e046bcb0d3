#pragma once
// One run of each of the other file readers over arbitrary bytes, for their fuzz targets and the
// corpus test: the settings check against the older 153-line form (and that form's reader), the
// calibration file, the simulation sequence (loaded, then played), a register selection list and
// the client password file. Nothing may crash, read past a line or loop for good. The readers run
// with the port open (the commands want a connection), with no relay on the line.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "editors/LegacyLines.h"
#include "editors/uConfigBitSel.h"
#include "link/CommSetup.h"
#include "main/Access.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/Application.h"
#include "reader/ReaderWorld.h"
#include "reader/SettingsReader.h"

struct FileFuzzWorld : ReaderWorld {
  FileFuzzWorld() { Connect(); }

  // A scratch file of this process's own under drive C: parallel fuzz workers must not read
  // each other's input.
  std::string Scratch(const std::string& name) const {
    return DriveCRoot() + "/" + name + "." + std::to_string(::getpid());
  }
  std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
    const std::string path = Scratch(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
  }
  // A menu command or button as the loop runs it: an exception ends in the standard error box.
  void Command(const std::string& path, void (TForm1::*command)()) {
    hb.dialogAnswers.push_back(path);
    TApplication::Dispatch([&] { (f1().*command)(); });
    hb.dialogAnswers.clear();
    hb.boxes.clear();
  }
};

// The check of the editors against the bytes as a file, then the older form's reader over the
// same lines cut or padded to 153.
inline void FuzzLegacyFormOnce(FileFuzzWorld& w, const uint8_t* data, size_t size) {
  w.Command(w.Write("legacy.set", data, size), &TForm1::VerifySettingsClick);
  TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  while (lines.Count() > editors::legacy::kLineCount) lines.Delete(lines.Count() - 1);
  while (lines.Count() < editors::legacy::kLineCount) lines.Add("");
  TStringList log;
  reader::ReadContext ctx{w.f1(), lines, log};
  reader::ReadLegacyLines(ctx);
}

inline void FuzzCalibrationFileOnce(FileFuzzWorld& w, const uint8_t* data, size_t size) {
  w.Command(w.Write("calibration.cal", data, size), &TForm1::bReadCalbDataClick);
}

// The sequence loaded into the table, then played step by step while the simulation runs: jumps,
// waits and value rows from the file, each step at most a few ticks of the player's timer.
inline void FuzzSequenceFileOnce(FileFuzzWorld& w, const uint8_t* data, size_t size) {
  TForm1& f = w.f1();
  w.Command(w.Write("sequence.sim", data, size), &TForm1::bLoadSimSeqClick);
  f.SimFlag = true;
  TApplication::Dispatch([&] { f.bSimQueClick(); });
  for (int step = 0; step < 64 && f.Timer4.Enabled(); ++step)
    TApplication::Dispatch([&] { f.Timer4Timer(); });
  TApplication::Dispatch([&] { f.StopSimPlayer(); });
  f.SimFlag = false;
  w.hb.boxes.clear();
  w.line.written.clear();  // the values sent, which would pile up over a long run
}

// A selection list from the bytes, then every code's name looked up both ways.
inline void FuzzSelectionFileOnce(FileFuzzWorld& w, const uint8_t* data, size_t size) {
  const std::string name = "selection.dat." + std::to_string(::getpid());
  {
    std::ofstream out(ProgramFolder() + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  TCommsSelDialog dialog("FuzzSel", "Selection", "comboFuzz", "memFuzz", name);
  dialog.LoadSelectionFile();
  std::remove((ProgramFolder() + name).c_str());
  for (int code = -1; code <= 255; ++code) {
    const std::string n = dialog.NameOf(code);
    const int back = dialog.FindCode(n);
    if (!n.empty() && (back < 0 || dialog.NameOf(back) != n)) __builtin_trap();
  }
}

// The bytes as the client password file: the start-up lock, the editor's check of the file's
// place and its read.
inline void FuzzPasswordFileOnce(FileFuzzWorld& w, const uint8_t* data, size_t size) {
  const std::string path = MapPath(kClientPasswordFile);
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::string password;
  ClientPasswordLocks();
  ReadClientPassword(password);
  ClientPasswordFileRefusal();
  try {
    ReadExistingClientPassword(password);
  } catch (const EInOutError&) {
  }
  std::remove(path.c_str());
}
