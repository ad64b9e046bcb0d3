#pragma once
// The rows of the four starter and external module sections of the settings report: "Location
// Selection And Feedback", "Starter Inputs", "Starter Timers" and "External Module Setting". The
// writer composes its lines from these rows and the reader finds its values by the same labels.
// Every label is 17 characters: a bar, a blank, the name, blanks and a closing bar.
#include <array>
#include <string_view>

// A signal name looked up in signal-name table 02 or 03 from a starter grid row.
struct LocationRow {
  std::string_view label;
  int row;    // starter grid row
  int table;  // signal-name table 2 or 3
};
inline constexpr std::array<LocationRow, 3> kLocationRows = {{
    {"| MSB           |", 2, 2},
    {"| LSB           |", 1, 2},
    {"| Feedback Sig  |", 30, 3},
}};

// One command's inputs at the three control locations, all from table 03, on one line.
struct StarterInputRow {
  std::string_view label;
  std::array<int, 3> rows;  // starter grid rows of Local, Remote, Auto
};
inline constexpr std::array<StarterInputRow, 6> kStarterInputRows = {{
    {"| Start >>      |", {3, 9, 15}},
    {"| Start >       |", {4, 10, 16}},
    {"| Start <<      |", {5, 11, 17}},
    {"| Start <       |", {6, 12, 18}},
    {"| Interlock     |", {7, 13, 19}},
    {"| Stop          |", {8, 14, 20}},
}};
// The columns of the starter input lines: the names of Local, Remote and Auto follow the label
// at these offsets, each 16 characters between two bars.
inline constexpr std::array<int, 3> kLocationColumnOffsets = {0, 17, 34};

// A starter timer: characters from..to of its cell (leading zeros its range never needs are
// dropped), then its unit at its column.
struct StarterTimerRow {
  std::string_view label;
  int row;
  int from, to;
  std::string_view unit;
  int unitColumn;
};
inline constexpr std::array<StarterTimerRow, 9> kStarterTimerRows = {{
    {"| Pre Warning   |", 21, 3, 5, "Sec", 24},
    {"| Execution     |", 22, 2, 3, "Sec", 23},
    {"| Feedback      |", 23, 2, 5, "mSec", 25},
    {"| Back spin     |", 24, 3, 5, "Sec", 24},
    {"| DC Braking    |", 25, 2, 5, "mSec", 25},
    {"| Restart       |", 26, 3, 5, "Sec", 24},
    {"| Star Maximum  |", 27, 2, 3, "Sec", 23},
    {"| Transition    |", 28, 2, 5, "mSec", 25},
    {"| Unauthorized  |", 29, 2, 5, "mSec", 25},
}};

// Two external inputs a line: inputs 8 to 11 on the left, 12 to 15 on the right.
struct ExtModuleRow {
  std::string_view left;
  int leftRow;  // external module grid row
  std::string_view right;
  int rightRow;
};
inline constexpr std::array<ExtModuleRow, 4> kExtModuleRows = {{
    {"| Input 8       |", 1, "| Input 12      |", 5},
    {"| Input 9       |", 2, "| Input 13      |", 6},
    {"| Input 10      |", 3, "| Input 14      |", 7},
    {"| Input 11      |", 4, "| Input 15      |", 8},
}};
// The label of external input n (8 to 15).
constexpr std::string_view ExtInputLabel(int n) {
  const ExtModuleRow& r = kExtModuleRows[static_cast<size_t>((n - 8) % 4)];
  return n < 12 ? r.left : r.right;
}
