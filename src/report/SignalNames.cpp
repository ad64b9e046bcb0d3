#include "report/SignalNames.h"

#include <array>
#include <span>
#include <string_view>

namespace {

// clang-format off
constexpr std::array<std::string_view, kTable01Count> kTable01Names = {
    "Zero ('0')", "One ('1')", "InService", "VoltPresentF", "OverCrnt_af", "ShortCirc_af",
    "RunStall_af", "I_Unbal_af", "SinglePhase_af", "EarthFault_af", "EarthLeak_af", "MinLoad_af",
    "OverVolt_af", "UnderVolt_af", "VoltSym_af", "HiFreq_af", "LoFreq_af", "IsoLockOut_af",
    "FrozContact_af", "Temp_1_af", "Temp_2_af", "Temp_3_af", "Temp_4_af", "OverCrnt_tf",
    "ShortCirc_tf", "RunStall_tf", "I_Unbal_tf", "SinglePhase_tf", "EarthFault_tf", "EarthLeak_tf",
    "MinLoad_tf", "OverVolt_tf", "UnderVolt_tf", "VoltSym_tf", "HiFreq_tf", "LoFreq_tf",
    "IsoLockOut_tf", "PhaseRot_tf", "StartsPerHr_tf", "FrozContact_tf", "Temp_1_tf", "Temp_2_tf",
    "Temp_3_tf", "Temp_4_tf", "SystemFail_tf", "Timer_A", "! Timer_A", "Timer_A (m/s)",
    "! Timer_A (m/s)", "Timer_B", "! Timer_B", "Timer_B (m/s)", "! Timer_B (m/s)", "RTClock",
    "! RTClock", "Counter_A", "! Counter_A", "Counter_B", "! Counter_B", "LogicFunc_1",
    "! LogicFunc_1", "LogicFunc_2", "! LogicFunc_2", "LogicFunc_3", "! LogicFunc_3", "LogicFunc_4",
    "! LogicFunc_4", "LogicFunc_5", "! LogicFunc_5", "LogicFunc_6", "! LogicFunc_6",
    "DigFldInput_1", "DigFldInput_2", "DigFldInput_3", "DigFldInput_4", "DigFldInput_5",
    "DigFldInput_6", "DigFldInput_7", "DigFldInput_8", "DigFldInput_9", "DigFldInput_10",
    "DigFldInput_11", "DigFldInput_12", "DigFldInput_13", "DigFldInput_14", "DigFldInput_15",
    "PLC_Input_1", "PLC_Input_2", "PLC_Input_3", "PLC_Input_4", "PLC_Input_5", "PLC_Input_6",
    "PLC_Input_7", "PLC_Input_8", "PLC_Input_9", "PLC_Input_10", "PLC_Input_11", "PLC_Input_12",
    "PLC_Input_13", "PLC_Input_14", "PLC_Input_15", "PLC_Input_16", "StarterOutp_1",
    "StarterOutp_2", "StarterOutp_3", "StarterOutp_4", "StarterOutp_5", "PreStartWarnF",
    "DC BrakingF", "TransitionFlag", "BackSpinFlag", "Execution_tf", "Feedback_tf",
    "UnAuthCrnt_tf", "Restart", "TripFlag", "Pulse_Gen", "Flasher", "StatusReporter", "Latch",
    "TC_WarnHi", "T1_WarnHi", "T1_WarnLo", "T2_WarnHi", "T2_WarnLo", "T3_WarnHi", "T3_WarnLo",
    "T4_WarnHi", "T4_WarnLo", "MainTrip", "!MainTrip",
};
// clang-format on

// Tables 02 and 03 are runs of table 01: the constants, then the field and PLC inputs (02), or
// the constants, "InService" and the timer, clock, counter and logic function signals (03).
struct Run {
  int first, last;  // codes of table 01, inclusive
};

template <std::size_t N, std::size_t R>
constexpr std::array<std::string_view, N> FromRuns(const std::array<Run, R>& runs) {
  std::array<std::string_view, N> out{};
  std::size_t k = 0;
  for (const Run& r : runs)
    for (int c = r.first; c <= r.last; ++c) out[k++] = kTable01Names[c];
  if (k != N) throw "runs do not fill the table";  // compile-time error in a constant expression
  return out;
}

constexpr auto kTable02Names = FromRuns<kTable02Count>(std::array<Run, 2>{{{0, 1}, {71, 101}}});
constexpr auto kTable03Names = FromRuns<kTable03Count>(std::array<Run, 2>{{{0, 2}, {45, 101}}});

// Each entry padded to 16 characters, built once at compile time.
using Entry = std::array<char, kSignalNameWidth>;

template <std::size_t N>
constexpr std::array<Entry, N> Padded(const std::array<std::string_view, N>& names) {
  std::array<Entry, N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i].empty() || names[i].size() > kSignalNameWidth) throw "name does not fit";
    out[i].fill(' ');
    for (std::size_t j = 0; j < names[i].size(); ++j) out[i][j] = names[i][j];
  }
  return out;
}

constexpr auto kTable01 = Padded(kTable01Names);
constexpr auto kTable02 = Padded(kTable02Names);
constexpr auto kTable03 = Padded(kTable03Names);

static_assert(kTable02Names[2] == "DigFldInput_1" && kTable02Names[32] == "PLC_Input_16");
static_assert(kTable03Names[3] == "Timer_A" && kTable03Names[28] == "! LogicFunc_6" &&
              kTable03Names[59] == "PLC_Input_16");

std::string EntryOf(std::span<const Entry> table, int code) {
  const std::size_t c = static_cast<unsigned>(code) & 0xFFu;
  const Entry& e = c < table.size() ? table[c] : table[0];
  return std::string(e.data(), e.size());
}

bool IsTrimmed(char ch) { return static_cast<unsigned char>(ch) <= 32; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
  return s;
}

char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

int CodeOf(std::span<const Entry> table, const std::string& name) {
  const std::string_view wanted = Trim(name);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (SameName(wanted, Trim(std::string_view(table[i].data(), table[i].size()))))
      return static_cast<int>(i);
  return -1;
}

}  // namespace

std::string GetTable01Str(int code) { return EntryOf(kTable01, code); }
std::string GetTable02Str(int code) { return EntryOf(kTable02, code); }
std::string GetTable03Str(int code) { return EntryOf(kTable03, code); }

int GetTable01Num(const std::string& name) { return CodeOf(kTable01, name); }
int GetTable02Num(const std::string& name) { return CodeOf(kTable02, name); }
int GetTable03Num(const std::string& name) { return CodeOf(kTable03, name); }

std::span<const std::string_view> SignalNameTable(int table) {
  switch (table) {
    case 1:
      return kTable01Names;
    case 2:
      return kTable02Names;
    case 3:
      return kTable03Names;
    default:
      return {};
  }
}

std::vector<std::string> SignalComboItems(int table) {
  const std::span<const std::string_view> names = SignalNameTable(table);
  return std::vector<std::string>(names.begin(), names.end());
}
