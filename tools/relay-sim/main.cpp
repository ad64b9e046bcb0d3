// relay-sim: a relay on a pseudo-terminal. Prints the path of the terminal to open, then answers
// every request written to it at 19200 baud until interrupted.
//
//   relay-sim [--silent] [--late-ms N] [--refuse N] [--bad-echo N] [--split] [--garbage TEXT]
//             [--product N] [--revision XY] [--faults N] [--events N] [--dump FILE] [--whole]
//
// Answers go out byte by byte at the line's pace; --whole writes each answer in one piece once
// its wire time has passed, as a USB adapter that buffers a whole answer delivers it.
//
// --dump writes every field of every record it holds to FILE when it stops, one line each:
// "<grid name> <row> <value>", then the comms data block as "CommsDataBlock <byte> <value>", so a
// test can check what a write left in the relay.
//
// Point the front end at it with VUMA_SERIAL_PORTS=<path>.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "support/PtyRelay.h"

namespace {
volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

void Dump(RelayModel& m, const std::string& path) {
  std::ofstream out(path);
  for (int r = 0; r < wire::kRecordCount; ++r) {
    const auto id = static_cast<wire::RecordId>(r);
    const wire::RecordLayout& layout = wire::Layout(id);
    for (int row = 1; row < layout.GridRows; ++row)
      out << layout.GridName << ' ' << row << ' ' << m.Field(id, row) << '\n';
  }
  for (size_t i = 0; i < m.CommsBlock.size(); ++i)
    out << "CommsDataBlock " << i << ' ' << static_cast<int>(m.CommsBlock[i]) << '\n';
}

int Usage() {
  std::fprintf(stderr,
               "usage: relay-sim [--silent] [--late-ms N] [--refuse N] [--bad-echo N] [--split]\n"
               "                 [--garbage TEXT] [--product N] [--revision XY] [--faults N] [--events N]\n"
               "                 [--dump FILE] [--whole]\n");
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  PtyRelay relay;
  std::string dumpPath;
  RelayModel& m = relay.Model;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (a == "--dump" && (v = next())) { dumpPath = v; continue; }
    if (a == "--whole") relay.WholeAnswers = true;
    else if (a == "--silent") m.Misbehave.Silent = true;
    else if (a == "--split") m.Misbehave.Split = true;
    else if (a == "--late-ms" && (v = next())) m.Misbehave.LateUs = std::atoll(v) * 1000;
    else if (a == "--refuse" && (v = next())) m.Misbehave.RefusedCharAnswers = std::atoi(v);
    else if (a == "--bad-echo" && (v = next())) m.Misbehave.WrongEchoes = std::atoi(v);
    else if (a == "--garbage" && (v = next())) m.Misbehave.Garbage = v;
    else if (a == "--product" && (v = next())) m.ProductId = std::atoi(v);
    else if (a == "--revision" && (v = next()) && std::strlen(v) == 2) m.Revision = v;
    else if (a == "--faults" && (v = next())) m.FaultCount = std::atoi(v);
    else if (a == "--events" && (v = next())) m.EventCount = std::atoi(v);
    else return Usage();
  }
  if (!relay.Open()) {
    std::fprintf(stderr, "relay-sim: %s\n", relay.Error.c_str());
    return 1;
  }
  std::printf("%s\n", relay.SlavePath().c_str());
  std::fflush(stdout);
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  while (!g_stop)
    if (!relay.Poll(100)) break;
  if (!dumpPath.empty()) Dump(m, dumpPath);
  return 0;
}
