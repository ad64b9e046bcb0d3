#pragma once
// One run of the settings file reader over arbitrary bytes, for the fuzz target and its corpus
// test: the open command on the bytes as a file, then the header check, the section finder and
// every section's rows over the same lines whatever their number, so that short inputs reach the
// rows too. Nothing may crash or read past a line.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "reader/ReaderWorld.h"
#include "reader/SettingsReader.h"

inline void FuzzReaderOnce(ReaderWorld& w, const uint8_t* data, size_t size) {
  // A scratch file of this process's own: parallel fuzz workers must not read each other's input.
  static const std::string path = w.FilePath() + "." + std::to_string(::getpid());
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  w.ReadFile(path);

  const TStringList& lines = FrmFileDialog->MemFileTempFile.Lines;
  TStringList log;
  reader::ReadContext ctx{w.f1(), lines, log};
  reader::AcceptHeader(ctx);
  reader::FindSections(lines);
  // Every section's rows over the whole file, whatever the header and titles say.
  ctx.from = 0;
  ctx.to = lines.Count();
  for (const reader::ReaderSectionEntry& section : reader::kReaderSections)
    if (section.read) section.read(ctx);
}
