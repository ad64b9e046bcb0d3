// relay-sim: a relay on a pseudo-terminal. Prints the path of the terminal to open, then answers
// every request written to it at 19200 baud until interrupted.
//
//   relay-sim [--silent] [--late-ms N] [--refuse N] [--bad-echo N] [--split] [--garbage TEXT]
//             [--product N] [--revision XY] [--faults N] [--events N] [--dump FILE] [--whole]
//             [--holds FILE]
//
// Answers go out byte by byte at the line's pace; --whole writes each answer in one piece once
// its wire time has passed, as a USB adapter that buffers a whole answer delivers it.
//
// --holds sets fields and comms data block bytes before the first answer, from lines in the form
// --dump writes (values without blanks); blank lines and lines starting with "#" are passed over.
//
// --dump writes every field of every record it holds to FILE when it stops, one line each:
// "<grid name> <row> <value>", then the clock as "Clock <1..6> <value>" and the comms data block
// as "CommsDataBlock <byte> <value>", so a test can check what a write left in the relay.
//
// Point the front end at it with VUMA_SERIAL_PORTS=<path>.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
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
  // The clock: year after 2000, month, day, hour, minute, second.
  for (size_t i = 0; i < m.Clock.size(); ++i) out << "Clock " << i + 1 << ' ' << m.Clock[i] << '\n';
  for (size_t i = 0; i < m.CommsBlock.size(); ++i)
    out << "CommsDataBlock " << i << ' ' << static_cast<int>(m.CommsBlock[i]) << '\n';
}

// Sets the fields and comms data block bytes a --holds file names; false for a file that cannot
// be read or a line that names neither.
bool LoadHolds(RelayModel& m, const std::string& path) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string grid, value;
    int row = 0;
    if (!(words >> grid >> row >> value)) return false;
    if (grid == "CommsDataBlock") {
      if (row < 0 || static_cast<size_t>(row) >= m.CommsBlock.size()) return false;
      m.CommsBlock[static_cast<size_t>(row)] = static_cast<uint8_t>(std::atoi(value.c_str()));
      continue;
    }
    const wire::RecordLayout* record = nullptr;
    for (const wire::RecordLayout& r : wire::kRecords)
      if (grid == r.GridName) record = &r;
    if (!record || row < 1 || row > record->FieldCount) return false;
    m.SetField(record->Id, row, value);
  }
  return true;
}

constexpr const char* kUsage =
    "usage: relay-sim [--silent] [--late-ms N] [--refuse N] [--bad-echo N] [--split]\n"
    "                 [--garbage TEXT] [--product N] [--revision XY] [--faults N] [--events N]\n"
    "                 [--dump FILE] [--whole] [--holds FILE] [--help]\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

int Help() {
  std::fputs(kUsage, stdout);
  std::fputs(
      "\nA simulated relay on a pseudo-terminal. Prints the terminal's path (e.g. /dev/pts/4) and\n"
      "answers the front end there until interrupted; offer the path to the front end with\n"
      "VUMA_SERIAL_PORTS=<path>.\n\n"
      "  --revision XY  the software revision it reports (default 3b; 4e or later: the extended\n"
      "                 relay with the Communication Module page)\n"
      "  --product N    the product number it reports (default 4)\n"
      "  --faults N     how many fault records it holds (default 35)\n"
      "  --events N     how many event records it holds (default 1400)\n"
      "  --holds FILE   field values to hold from the start, one \"<grid> <row> <value>\" a line\n"
      "  --dump FILE    writes every field it holds to FILE when it stops, in the same form\n"
      "  --whole        writes each answer in one piece once its wire time has passed\n"
      "  --late-ms N    starts every answer N ms late\n"
      "  --silent       never answers\n"
      "  --refuse N     spoils the next N answers with a character their reader refuses\n"
      "  --bad-echo N   echoes the first N writes wrongly\n"
      "  --split        sends every answer in two pieces\n"
      "  --garbage TEXT sends TEXT before every answer\n",
      stdout);
  return 0;
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
    if (a == "--help" || a == "-h") return Help();
    if (a == "--dump" && (v = next())) {
      dumpPath = v;
      continue;
    }
    if (a == "--holds" && (v = next())) {
      if (LoadHolds(m, v)) continue;
      std::fprintf(stderr, "relay-sim: cannot take the fields of %s\n", v);
      return 2;
    }
    if (a == "--whole")
      relay.WholeAnswers = true;
    else if (a == "--silent")
      m.Misbehave.Silent = true;
    else if (a == "--split")
      m.Misbehave.Split = true;
    else if (a == "--late-ms" && (v = next()))
      m.Misbehave.LateUs = std::atoll(v) * 1000;
    else if (a == "--refuse" && (v = next()))
      m.Misbehave.RefusedCharAnswers = std::atoi(v);
    else if (a == "--bad-echo" && (v = next()))
      m.Misbehave.WrongEchoes = std::atoi(v);
    else if (a == "--garbage" && (v = next()))
      m.Misbehave.Garbage = v;
    else if (a == "--product" && (v = next()))
      m.ProductId = std::atoi(v);
    else if (a == "--revision" && (v = next()) && std::strlen(v) == 2)
      m.Revision = v;
    else if (a == "--faults" && (v = next()))
      m.FaultCount = std::atoi(v);
    else if (a == "--events" && (v = next()))
      m.EventCount = std::atoi(v);
    else
      return Usage();
  }
  if (!relay.Open()) {
    std::fprintf(stderr, "relay-sim: %s\n", relay.Error.c_str());
    return 1;
  }
  std::printf("%s\n", relay.SlavePath().c_str());
  std::fflush(stdout);
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  // The relay's clock runs in real time.
  using Steady = std::chrono::steady_clock;
  Steady::time_point ticked = Steady::now();
  while (!g_stop) {
    if (!relay.Poll(100)) break;
    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(Steady::now() - ticked);
    if (whole.count() > 0) {
      m.Tick(static_cast<int>(whole.count()));
      ticked += whole;
    }
  }
  if (!dumpPath.empty()) Dump(m, dumpPath);
  return 0;
}
