#pragma once
// The two item lists of the line voltage selector `cbVSelector`, each as one table of the item's
// text (leading blanks belong to it) and the relay's voltage selection code. The short list is the
// one a relay below the extended revision knows: there the item index is the code. The long list
// of the extended revision is ordered by voltage, so its item index and code differ; reading the
// table one way maps a picked item to the code sent, the other way a received code to the item.
#include <cstdint>
#include <span>

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
