#include "report/ReportSections.h"

#include "report/CommsSection.h"
#include "report/LogicSections.h"
#include "report/ReportLine.h"
#include "report/SettingsSection.h"
#include "report/SignalNames.h"
#include "report/StatisticsSections.h"

namespace {
using RS = ReportSection;
using namespace report;
}  // namespace

// clang-format off
constexpr std::array<ReportSectionEntry, kReportSectionCount> kReportSections = {{
    {RS::Settings, {2, "Settings"}, {47, "Features Selected"}, 22, ComposeSettingsRows},
    {RS::LogicTables, {2, "Logic Tables"}, {}, 1, ComposeLogicTables},
    {RS::Timers, {2, "Timers"}, {}, 1, ComposeTimers},
    {RS::Counters, {2, "Counters"}, {}, 1, ComposeCounters},
    {RS::Latch, {2, "Latch"}, {}, 1, ComposeLatch},
    {RS::PulseGenerator, {2, "Pulse Generator"}, {}, 9, ComposePulseGenerator},
    {RS::RealTimeClock, {2, "Real Time Clock"}, {}, 1, ComposeRealTimeClock},
    {RS::TCHighWarning, {2, "TC High Warning"}, {}, 1, ComposeTCHighWarning},
    {RS::ExternalReset, {2, "External Reset"}, {}, 1, ComposeExternalReset},
    {RS::EmergencyStop, {2, "Emergency Stop"}, {}, 1, ComposeEmergencyStop},
    {RS::Relays, {2, "Relays"}, {}, 1, ComposeRelays},
    {RS::TemperatureWarningLevels, {2, "Temperature Warning Levels"}, {}, 6, ComposeTemperatureWarnings},
    {RS::LocationSelection, {2, "Location Selection And Feedback"}, {}, 1, ComposeLocationRows},
    {RS::StarterInputs, {2, "Starter Inputs"}, {}, 1, ComposeStarterInputRows},
    {RS::StarterTimers, {2, "Starter Timers"}, {}, 1, ComposeStarterTimerRows},
    {RS::ExternalModule, {2, "External Module Setting"}, {}, 5, ComposeExtModuleRows},
    {RS::StatisticalData, {2, "Statistical Data"}, {}, 1, ComposeStatisticalData},
    {RS::CommunicationModule, {2, "Communication Module"}, {}, 1, ComposeCommsModuleRows},
    {RS::Bluetooth, {2, "Bluetooth Settings", 20}, {}, 1, ComposeBluetoothSettings},
    {RS::Calibrations, {2, "Calibrations"}, {}, 1, ComposeCalibrations},
}};
// clang-format on

namespace {
constexpr bool InReportOrder() {
  for (size_t i = 0; i < kReportSections.size(); ++i)
    if (static_cast<size_t>(kReportSections[i].id) != i) return false;
  return true;
}
static_assert(InReportOrder(), "SectionEntry() looks a section up by its place in the table");
}  // namespace

// The voltage legend names the selections of a relay before the extended revision, whatever the
// revision of the file.
// clang-format off
constexpr std::array<ValueLegend, 12> kValueLegends = {{
    {"IO and FLED Connection", {}, &kConnectedWords, true},
    {"Relay 1 configuration", {}, &kRelay1Words, false},
    {"Voltage sequence", {}, &kRotationWords, false},
    {"Thermal Reset", {}, &kThermalResetWords, false},
    {"Minimum load source", {}, &kMinLoadSourceWords, false},
    {"Other configuration", {}, &kEnabledWords, true},
    {"Minimum load reset times", kMinLoadResetTexts},
    {"Voltage selections", kVoltageTexts},
    {"Starter types", kStarterTypeTexts},
    {"Logic function table", {}, nullptr, false, 1},
    {"ESTOP, Ext. Reset, Feedback and Starter input signal", {}, nullptr, false, 3},
    {"MSB and LSB", {}, nullptr, false, 2},
}};
// clang-format on

void AppendValueLegends(TStringList& out) {
  const auto append = [&out](std::span<const std::string_view> items) {
    for (std::string_view item : items) out.Add(ReportLineAt(2, item));
  };
  for (const ValueLegend& legend : kValueLegends) {
    if (&legend != &kValueLegends.front()) out.Add(ReportBlankLine());
    out.Add(ReportLineAt(2, legend.title));
    out.Add(ReportLineAt(2, std::string(legend.title.size(), '=')));
    if (legend.words) {
      const SwitchWords& w = *legend.words;
      append(legend.setFirst ? std::array{w.set, w.clear} : std::array{w.clear, w.set});
    } else {
      append(legend.signalTable ? SignalNameTable(legend.signalTable) : legend.items);
    }
  }
}

void AppendSectionTitle(TStringList& out, const ReportSectionEntry& section) {
  ReportLine title, underline;
  for (const SectionTitle& t : {section.title, section.aside}) {
    if (t.text.empty()) continue;
    title.Insert(t.column, t.text);
    underline.Insert(t.column, std::string(static_cast<size_t>(t.UnderlineLength()), '='));
  }
  out.Add(title.Text());
  out.Add(underline.Text());
}
