#pragma once
// The relay's supply voltage selections: the two item lists of the voltage combo box and, per
// voltage selection code, what the live displays show for it and where it sits in the long list.
//
// Relays before the extended revision know codes 0 to 10 and the short list, whose item index is
// the code. The extended revision adds codes 11 to 25; its long list is ordered by voltage, so item
// index and code differ there and must be translated both ways.
#include <array>
#include <string>
#include <vector>

namespace wire {

// The short list (item index = code), with the items' own leading blanks.
inline constexpr std::array<const char*, 11> kVoltageItems11 = {
    "    110V", "    380V", "    400V", "    525V", "    550V", "    680V",
    "    950V", "    1k1V", "3k3 / 110V", "6k6 / 110V", "11k / 110V"};

// The long list of the extended revision, in order of voltage.
inline constexpr std::array<const char*, 26> kVoltageItems26 = {
    "    110V", "    120V", "    127V", "    190V", "    208V", "    220V", "    230V",
    "    240V", "    277V", "    347V", "    380V", "    400V", "    415V", "    440V",
    "    460V", "    480V", "    525V", "    550V", "    600V", "    680V", "    950V",
    "   1050V", "   1100V", "3k3 / 110V", "6k6 / 110V", "11k / 110V"};

// One voltage selection code: the text of the selection box, the full scale of the voltage gauge
// and the simulated voltage sliders, the gauge's major ticks, the ends of its first two colour
// sections, and the code's item in the long list.
struct VoltageScale {
  const char* Text;
  int Maximum;
  int Ticks;
  int SectionEnd1;
  int SectionEnd2;
  int Item26;
};

// Indexed by code. Several codes share a scale: 11..19 that of code 1, 20..23 that of code 3,
// 24 that of code 5, 25 that of code 7.
inline constexpr std::array<VoltageScale, 26> kVoltageCodes = {{
    {"110V", 100, 11, 57, 70, 0},          // 0
    {"380V", 300, 11, 197, 242, 10},       // 1
    {"400V", 300, 11, 207, 253, 11},       // 2
    {"525V", 400, 9, 273, 333, 16},        // 3
    {"550V", 400, 9, 285, 350, 17},        // 4
    {"680V", 500, 6, 353, 432, 19},        // 5
    {"950V", 700, 8, 494, 603, 20},        // 6
    {"1100V", 800, 9, 572, 699, 22},       // 7
    {"3k3/110V", 2500, 6, 1715, 1886, 23}, // 8
    {"6k6/110V", 5000, 6, 3429, 3772, 24}, // 9
    {"11k/110V", 8000, 9, 5715, 6986, 25}, // 10
    {"120V", 300, 11, 197, 242, 1},        // 11
    {"127V", 300, 11, 197, 242, 2},        // 12
    {"190V", 300, 11, 197, 242, 3},        // 13
    {"208V", 300, 11, 197, 242, 4},        // 14
    {"220V", 300, 11, 197, 242, 5},        // 15
    {"230V", 300, 11, 197, 242, 6},        // 16
    {"240V", 300, 11, 197, 242, 7},        // 17
    {"277V", 300, 11, 197, 242, 8},        // 18
    {"347V", 300, 11, 197, 242, 9},        // 19
    {"415V", 400, 9, 273, 333, 12},        // 20
    {"440V", 400, 9, 273, 333, 13},        // 21
    {"460V", 400, 9, 273, 333, 14},        // 22
    {"480V", 400, 9, 273, 333, 15},        // 23
    {"600V", 500, 6, 353, 432, 18},        // 24
    {"1050V", 800, 9, 572, 699, 21},       // 25
}};

inline constexpr int kVoltageCodeCount = static_cast<int>(kVoltageCodes.size());

// The item of the long list for a code; a code outside 0..25 gives item 0.
constexpr int VoltageItemOfCode(int code) {
  return code >= 0 && code < kVoltageCodeCount ? kVoltageCodes[static_cast<size_t>(code)].Item26 : 0;
}

// The code of an item of the long list; an item outside 0..25 gives code 0.
constexpr int VoltageCodeOfItem(int item) {
  for (int code = 0; code < kVoltageCodeCount; ++code)
    if (kVoltageCodes[static_cast<size_t>(code)].Item26 == item) return code;
  return 0;
}

// The items of the list for a relay of the extended revision (26) or any other (11).
inline std::vector<std::string> VoltageItems(bool extended) {
  if (extended) return {kVoltageItems26.begin(), kVoltageItems26.end()};
  return {kVoltageItems11.begin(), kVoltageItems11.end()};
}

}  // namespace wire
