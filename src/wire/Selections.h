#pragma once
// The relay's small coded selections, each stated once: the relay model codes, the temperature
// sensor types and the supply frequencies. The selectors, the live displays, the editors and the
// settings report all take their texts from here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wire {

// Relay models by code (the identity record's model field and the actual record's model field):
// the text of the model boxes and the rating the relay state keeps.
struct RelayModelCode {
  const char* Text;
  uint16_t Rating;
};
inline constexpr RelayModelCode kRelayModels[] = {
    {"005", 5}, {"010", 10}, {"050", 50}, {"100", 100}, {"300", 300}};
inline constexpr int kRelayModelCount = static_cast<int>(std::size(kRelayModels));

// The model of a code; an unknown code reads as the first model.
constexpr const RelayModelCode& RelayModelOf(long long code) {
  return code >= 0 && code < kRelayModelCount ? kRelayModels[code] : kRelayModels[0];
}

// Temperature sensor types by code: the selector's item, the settings report's name, and whether
// the sensor's reading is a temperature (a PTC only switches).
struct SensorType {
  const char* Item;
  const char* ReportName;
  bool ShowsTemperature;
};
// clang-format off
inline constexpr SensorType kSensorTypes[] = {
    {"PT100", "PT100 ", true}, {"PT1000", "PT1000", true}, {"PTC", "PTC   ", false}, {"NTC", "NTC   ", true}};
inline constexpr int kSensorTypeCount = static_cast<int>(std::size(kSensorTypes));

// Supply frequencies by code: the Calibration page's item and the Settings page's item.
struct SupplyFrequency {
  const char* Item;       // "50Hz"
  const char* PlainItem;  // "50"
};
// clang-format on
inline constexpr SupplyFrequency kFrequencies[] = {{"50Hz", "50"}, {"60Hz", "60"}};
inline constexpr int kFrequencyCount = static_cast<int>(std::size(kFrequencies));

// One text column of a table, as the selectors and the report take it.
template <typename Row, size_t N, typename Text>
constexpr std::array<Text, N> Column(const Row (&rows)[N], const char* Row::*text) {
  std::array<Text, N> a{};
  for (size_t i = 0; i < N; ++i) a[i] = rows[i].*text;
  return a;
}

inline constexpr auto kRelayModelItems =
    Column<RelayModelCode, 5, const char*>(kRelayModels, &RelayModelCode::Text);
inline constexpr auto kSensorTypeItems =
    Column<SensorType, 4, const char*>(kSensorTypes, &SensorType::Item);
inline constexpr auto kSensorTypeReportNames =
    Column<SensorType, 4, std::string_view>(kSensorTypes, &SensorType::ReportName);
inline constexpr auto kFrequencyItems =
    Column<SupplyFrequency, 2, const char*>(kFrequencies, &SupplyFrequency::Item);
inline constexpr auto kFrequencyPlainItems =
    Column<SupplyFrequency, 2, const char*>(kFrequencies, &SupplyFrequency::PlainItem);

// The items of a column for a selector.
template <size_t N>
std::vector<std::string> ItemList(const std::array<const char*, N>& items) {
  return std::vector<std::string>(items.begin(), items.end());
}

}  // namespace wire
