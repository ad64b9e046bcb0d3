#pragma once
// The relay's supply voltage selections: the two item lists of the voltage combo box and, per
// voltage selection code, what the live displays show for it and where it sits in the long list.
//
// Relays before the extended revision know codes 0 to 10 and the short list, whose item index is
// the code. The extended revision adds codes 11 to 25; its long list is ordered by voltage, so item
// index and code differ there and must be translated both ways.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TComboBox;

namespace volt {

struct VoltageEntry {
  const char* Name;  // the item's text
  uint8_t Code;      // the relay's voltage selection code
};

inline constexpr VoltageEntry kShortList[] = {
    {"    110V", 0},  {"    380V", 1}, {"    400V", 2}, {"    525V", 3},
    {"    550V", 4},  {"    680V", 5}, {"    950V", 6}, {"    1k1V", 7},
    {"3k3 / 110V", 8}, {"6k6 / 110V", 9}, {"11k / 110V", 10},
};

inline constexpr VoltageEntry kExtendedList[] = {
    {"    110V", 0},   {"    120V", 11},  {"    127V", 12},  {"    190V", 13},  {"    208V", 14},
    {"    220V", 15},  {"    230V", 16},  {"    240V", 17},  {"    277V", 18},  {"    347V", 19},
    {"    380V", 1},   {"    400V", 2},   {"    415V", 20},  {"    440V", 21},  {"    460V", 22},
    {"    480V", 23},  {"    525V", 3},   {"    550V", 4},   {"    600V", 24},  {"    680V", 5},
    {"    950V", 6},   {"   1050V", 25},  {"   1100V", 7},   {"3k3 / 110V", 8}, {"6k6 / 110V", 9},
    {"11k / 110V", 10},
};

inline constexpr int kShortCount = static_cast<int>(std::size(kShortList));        // 11
inline constexpr int kExtendedCount = static_cast<int>(std::size(kExtendedList));  // 26

inline constexpr std::span<const VoltageEntry> List(bool extended) {
  return extended ? std::span<const VoltageEntry>(kExtendedList) : std::span<const VoltageEntry>(kShortList);
}

// The code sent for a picked item of the extended list; -1 for an index outside it.
constexpr int ExtendedCodeForItem(int item) {
  return item >= 0 && item < kExtendedCount ? kExtendedList[item].Code : -1;
}

// The item of the extended list that shows a received code; -1 for a code no item has.
constexpr int ExtendedItemForCode(int code) {
  for (int i = 0; i < kExtendedCount; ++i)
    if (kExtendedList[i].Code == code) return i;
  return -1;
}

// Replaces the items of the selector by one of the lists (its selection is cleared).
void FillVoltageList(TComboBox& box, bool extended);

}  // namespace volt

namespace wire {

// One voltage selection code: the text of the selection box, the full scale of the voltage gauge
// and the simulated voltage sliders, the gauge's major ticks, the ends of its first two colour
// sections.
struct VoltageScale {
  const char* Text;
  int Maximum;
  int Ticks;
  int SectionEnd1;
  int SectionEnd2;
};

// Indexed by code. Several codes share a scale: 11..19 that of code 1, 20..23 that of code 3,
// 24 that of code 5, 25 that of code 7.
inline constexpr std::array<VoltageScale, 26> kVoltageCodes = {{
    {"110V", 100, 11, 57, 70},          // 0
    {"380V", 300, 11, 197, 242},       // 1
    {"400V", 300, 11, 207, 253},       // 2
    {"525V", 400, 9, 273, 333},        // 3
    {"550V", 400, 9, 285, 350},        // 4
    {"680V", 500, 6, 353, 432},        // 5
    {"950V", 700, 8, 494, 603},        // 6
    {"1100V", 800, 9, 572, 699},       // 7
    {"3k3/110V", 2500, 6, 1715, 1886}, // 8
    {"6k6/110V", 5000, 6, 3429, 3772}, // 9
    {"11k/110V", 8000, 9, 5715, 6986}, // 10
    {"120V", 300, 11, 197, 242},        // 11
    {"127V", 300, 11, 197, 242},        // 12
    {"190V", 300, 11, 197, 242},        // 13
    {"208V", 300, 11, 197, 242},        // 14
    {"220V", 300, 11, 197, 242},        // 15
    {"230V", 300, 11, 197, 242},        // 16
    {"240V", 300, 11, 197, 242},        // 17
    {"277V", 300, 11, 197, 242},        // 18
    {"347V", 300, 11, 197, 242},        // 19
    {"415V", 400, 9, 273, 333},        // 20
    {"440V", 400, 9, 273, 333},        // 21
    {"460V", 400, 9, 273, 333},        // 22
    {"480V", 400, 9, 273, 333},        // 23
    {"600V", 500, 6, 353, 432},        // 24
    {"1050V", 800, 9, 572, 699},       // 25
}};

inline constexpr int kVoltageCodeCount = static_cast<int>(kVoltageCodes.size());

// The item of the long list for a code; a code outside 0..25 gives item 0.
constexpr int VoltageItemOfCode(int code) {
  const int item = volt::ExtendedItemForCode(code);
  return item < 0 ? 0 : item;
}

// The code of an item of the long list; an item outside 0..25 gives code 0.
constexpr int VoltageCodeOfItem(int item) {
  const int code = volt::ExtendedCodeForItem(item);
  return code < 0 ? 0 : code;
}

// The items of the list for a relay of the extended revision (26) or any other (11).
inline std::vector<std::string> VoltageItems(bool extended) {
  std::vector<std::string> items;
  for (const auto& e : volt::List(extended)) items.emplace_back(e.Name);
  return items;
}

}  // namespace wire
