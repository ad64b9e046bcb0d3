#include "reader/ReaderSections.h"

namespace reader {
namespace {
using RS = ReportSection;
constexpr std::nullopt_t kToEnd = std::nullopt;
}  // namespace

constexpr std::array<ReaderSectionEntry, kReportSectionCount> kReaderSections = {{
    {RS::Settings, kToEnd, "Settings block not found.", ReadSettingsSection, nullptr},
    {RS::LogicTables, RS::Timers, "Logic table block not found.", ReadLogicTables, nullptr},
    {RS::Timers, RS::Counters, "Timer block not found.", ReadTimers, nullptr},
    {RS::Counters, RS::Latch, "Counter block not found.", ReadCounters, nullptr},
    {RS::Latch, RS::PulseGenerator, "Latch block not found.", ReadLatch, nullptr},
    {RS::PulseGenerator, RS::RealTimeClock, "Pulse generator block not found.", ReadPulseGenerator,
     nullptr},
    {RS::RealTimeClock, RS::TCHighWarning, "Real time clock block not found.", ReadRealTimeClock,
     nullptr},
    {RS::TCHighWarning, RS::ExternalReset, "Thermal capacity warning level block not found.",
     ReadTCHighWarning, nullptr},
    {RS::ExternalReset, RS::EmergencyStop, "External reset block not found.", ReadExternalReset,
     nullptr},
    {RS::EmergencyStop, RS::Relays, "Emergency stop block not found.", ReadEmergencyStop, nullptr},
    {RS::Relays, RS::TemperatureWarningLevels, "Relay block not found.", ReadRelays, nullptr},
    {RS::TemperatureWarningLevels, RS::LocationSelection, "Temperature warning levels not found.",
     ReadTemperatureWarnings, nullptr},
    {RS::LocationSelection, RS::StarterInputs, "Location selection and feedback not found.",
     ReadLocationSection, nullptr},
    {RS::StarterInputs, RS::StarterTimers, "Starter input signals not found.",
     ReadStarterInputSection, nullptr},
    {RS::StarterTimers, RS::ExternalModule, "Starter timers not found.", ReadStarterTimerSection,
     nullptr},
    {RS::ExternalModule, RS::StatisticalData, "External module settings not found.",
     ReadExtModuleSection, nullptr},
    // Written for the record only; the reader never reads it.
    {RS::StatisticalData, kToEnd, nullptr, nullptr, nullptr},
    // Its range runs up to "Calibrations" and so takes in "Bluetooth Settings".
    {RS::CommunicationModule, RS::Calibrations, "Communication module settings not found.",
     ReadCommsModuleSection, nullptr},
    {RS::Bluetooth, kToEnd, "Bluetooth Settings not found.", ReadBluetoothSection,
     BluetoothSectionMissing},
    {RS::Calibrations, kToEnd, "Calibration not found.", ReadCalibrationSection, nullptr},
}};

namespace {
constexpr bool InReportOrder() {
  for (size_t i = 0; i < kReaderSections.size(); ++i)
    if (static_cast<size_t>(kReaderSections[i].id) != i) return false;
  return true;
}
static_assert(InReportOrder(), "the reader walks this table beside the writer's");
}  // namespace

}  // namespace reader
