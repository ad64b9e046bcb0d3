#pragma once
// The relay's supply voltage selections, once: per voltage selection code its items in both
// generations of the voltage list, its names in the settings report, what the live displays show
// for it and the scale of the voltage gauge. The combo lists, the report's name lists and the
// item/code translations are all derived from this one table.
//
// Relays before the extended revision know codes 0 to 10 and the short list, whose item index is
// the code. The extended revision adds codes 11 to 25; its long list is ordered by voltage, so item
// index and code differ there and must be translated both ways.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TComboBox;

namespace wire {

struct VoltageSelection {
  const char*
      ShortItem;  // item text in the short list (its item index is the code); nullptr: not in it
  const char* LongItem;    // item text in the long list
  int8_t LongIndex;        // item index in the long list
  const char* ReportName;  // the settings report's name for a relay before the extended revision
  const char* ReportNameExtended;
  const char* LiveText;  // the selection box on the Actual page
  int Maximum;           // full scale of the voltage gauge and the simulated voltage sliders
  int Ticks;             // the gauge's major ticks
  int SectionEnd1;       // ends of its first two colour sections
  int SectionEnd2;
};

// Indexed by code. Several codes share a scale: 11..19 that of code 1, 20..23 that of code 3,
// 24 that of code 5, 25 that of code 7.
// clang-format off
inline constexpr VoltageSelection kVoltageSelections[] = {
    {"    110V", "    110V", 0, "110V", "110V", "110V", 100, 11, 57, 70},                              // 0
    {"    380V", "    380V", 10, "380V", "380V", "380V", 300, 11, 197, 242},                           // 1
    {"    400V", "    400V", 11, "400V", "400V", "400V", 300, 11, 207, 253},                           // 2
    {"    525V", "    525V", 16, "525V", "525V", "525V", 400, 9, 273, 333},                            // 3
    {"    550V", "    550V", 17, "550V", "550V", "550V", 400, 9, 285, 350},                            // 4
    {"    680V", "    680V", 19, "680V", "680V", "680V", 500, 6, 353, 432},                            // 5
    {"    950V", "    950V", 20, "950V", "950V", "950V", 700, 8, 494, 603},                            // 6
    {"    1k1V", "   1100V", 22, "1k1V", "1100V", "1100V", 800, 9, 572, 699},                         // 7
    {"3k3 / 110V", "3k3 / 110V", 23, "3k3V", "3k3 / 110V", "3k3/110V", 2500, 6, 1715, 1886},         // 8
    {"6k6 / 110V", "6k6 / 110V", 24, "6k6V", "6k6 / 110V", "6k6/110V", 5000, 6, 3429, 3772},         // 9
    {"11k / 110V", "11k / 110V", 25, "11kV", "11k / 110V", "11k/110V", 8000, 9, 5715, 6986},         // 10
    {nullptr, "    120V", 1, nullptr, "120V", "120V", 300, 11, 197, 242},                             // 11
    {nullptr, "    127V", 2, nullptr, "127V", "127V", 300, 11, 197, 242},                             // 12
    {nullptr, "    190V", 3, nullptr, "190V", "190V", 300, 11, 197, 242},                             // 13
    {nullptr, "    208V", 4, nullptr, "208V", "208V", 300, 11, 197, 242},                             // 14
    {nullptr, "    220V", 5, nullptr, "220V", "220V", 300, 11, 197, 242},                             // 15
    {nullptr, "    230V", 6, nullptr, "230V", "230V", 300, 11, 197, 242},                             // 16
    {nullptr, "    240V", 7, nullptr, "240V", "240V", 300, 11, 197, 242},                             // 17
    {nullptr, "    277V", 8, nullptr, "277V", "277V", 300, 11, 197, 242},                             // 18
    {nullptr, "    347V", 9, nullptr, "347V", "347V", 300, 11, 197, 242},                             // 19
    {nullptr, "    415V", 12, nullptr, "415V", "415V", 400, 9, 273, 333},                             // 20
    {nullptr, "    440V", 13, nullptr, "440V", "440V", 400, 9, 273, 333},                             // 21
    {nullptr, "    460V", 14, nullptr, "460V", "460V", 400, 9, 273, 333},                             // 22
    {nullptr, "    480V", 15, nullptr, "480V", "480V", 400, 9, 273, 333},                             // 23
    {nullptr, "    600V", 18, nullptr, "600V", "600V", 500, 6, 353, 432},                             // 24
    {nullptr, "   1050V", 21, nullptr, "1050V", "1050V", 800, 9, 572, 699},                           // 25
};
// clang-format on

inline constexpr int kVoltageCodeCount = static_cast<int>(std::size(kVoltageSelections));  // 26
inline constexpr int kShortCount = [] {
  int n = 0;
  for (const VoltageSelection& v : kVoltageSelections) n += v.ShortItem ? 1 : 0;
  return n;
}();  // 11
inline constexpr int kExtendedCount = kVoltageCodeCount;

// The short list holds the first codes, in code order; every long-list index is used once.
constexpr bool VoltageTableConsistent() {
  bool seen[kVoltageCodeCount] = {};
  for (int code = 0; code < kVoltageCodeCount; ++code) {
    const VoltageSelection& v = kVoltageSelections[code];
    if ((v.ShortItem != nullptr) != (code < kShortCount)) return false;
    if ((v.ReportName != nullptr) != (code < kShortCount)) return false;
    if (v.LongIndex < 0 || v.LongIndex >= kVoltageCodeCount || seen[v.LongIndex]) return false;
    seen[v.LongIndex] = true;
  }
  return true;
}
static_assert(VoltageTableConsistent());

// One item of a voltage list.
struct VoltageEntry {
  const char* Name;  // the item's text
  uint8_t Code;      // the relay's voltage selection code
};

inline constexpr std::array<VoltageEntry, kShortCount> kShortList = [] {
  std::array<VoltageEntry, kShortCount> a{};
  for (int code = 0; code < kShortCount; ++code)
    a[code] = {kVoltageSelections[code].ShortItem, static_cast<uint8_t>(code)};
  return a;
}();

inline constexpr std::array<VoltageEntry, kExtendedCount> kExtendedList = [] {
  std::array<VoltageEntry, kExtendedCount> a{};
  for (int code = 0; code < kVoltageCodeCount; ++code)
    a[kVoltageSelections[code].LongIndex] = {kVoltageSelections[code].LongItem,
                                             static_cast<uint8_t>(code)};
  return a;
}();

// The settings report's names by code, for either generation.
inline constexpr std::array<std::string_view, kShortCount> kVoltageReportNames = [] {
  std::array<std::string_view, kShortCount> a{};
  for (int code = 0; code < kShortCount; ++code) a[code] = kVoltageSelections[code].ReportName;
  return a;
}();
inline constexpr std::array<std::string_view, kVoltageCodeCount> kVoltageReportNamesExtended = [] {
  std::array<std::string_view, kVoltageCodeCount> a{};
  for (int code = 0; code < kVoltageCodeCount; ++code)
    a[code] = kVoltageSelections[code].ReportNameExtended;
  return a;
}();

inline constexpr std::span<const VoltageEntry> List(bool extended) {
  return extended ? std::span<const VoltageEntry>(kExtendedList)
                  : std::span<const VoltageEntry>(kShortList);
}

// The code sent for a picked item of the extended list; -1 for an index outside it.
constexpr int ExtendedCodeForItem(int item) {
  return item >= 0 && item < kExtendedCount ? kExtendedList[item].Code : -1;
}

// The item of the extended list that shows a received code; -1 for a code no item has.
constexpr int ExtendedItemForCode(int code) {
  return code >= 0 && code < kVoltageCodeCount ? kVoltageSelections[code].LongIndex : -1;
}

// The item of the long list for a code; a code outside 0..25 gives item 0.
constexpr int VoltageItemOfCode(int code) {
  const int item = ExtendedItemForCode(code);
  return item < 0 ? 0 : item;
}

// The code of an item of the long list; an item outside 0..25 gives code 0.
constexpr int VoltageCodeOfItem(int item) {
  const int code = ExtendedCodeForItem(item);
  return code < 0 ? 0 : code;
}

// The items of the list for a relay of the extended revision (26) or any other (11).
inline std::vector<std::string> VoltageItems(bool extended) {
  std::vector<std::string> items;
  for (const auto& e : List(extended)) items.emplace_back(e.Name);
  return items;
}

// Replaces the items of the selector by one of the lists (its selection is cleared).
void FillVoltageList(TComboBox& box, bool extended);

}  // namespace wire
