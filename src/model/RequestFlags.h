#pragma once
// The transfer flags of each request: the flag that asks for it and the flag set when its answer
// is accepted while it is at the head of the queue. The sequencer, the dispatcher and the message
// builder meet here.
#include <cstdint>
#include <iterator>

#include "model/RelayState.h"
#include "wire/Requests.h"

namespace transfers {

struct RequestFlags {
  uint8_t Code;
  bool model::RelayState::*Request;
  bool model::RelayState::*Done;  // nullptr for the clearing requests, which get no answer
};

using F = model::RelayState;
// Ascending by code; the polls have no flags and are not listed.
// clang-format off
inline constexpr RequestFlags kRequestFlags[] = {
    {wire::ReqUploadDevID, &F::UploadDevID, &F::DevIDUploaded},
    {wire::ReqUploadSettings, &F::UploadSettings, &F::SettingsUploaded},
    {wire::ReqUploadCalibration, &F::UploadCalibration, &F::CalibrationUploaded},
    {wire::ReqUploadExtModSet, &F::UploadExtModSet, &F::ExtModSetUploaded},
    {wire::ReqUploadDesc, &F::UploadDesc, &F::DescUploaded},
    {wire::ReqUploadBluetooth, &F::UploadBluetooth, &F::BluetoothUploaded},
    {wire::ReqUploadLogic, &F::UploadLogic, &F::LogicUploaded},
    {wire::ReqUploadStartConf, &F::UploadStartConf, &F::StartConfUploaded},
    {wire::ReqUploadComms, &F::UploadComms, &F::CommsUploaded},
    {wire::ReqDownloadSetting, &F::DownloadSetting, &F::SettingDownloaded},
    {wire::ReqDownloadLogic, &F::DownloadLogic, &F::LogicDownloaded},
    {wire::ReqDownloadStartConf, &F::DownloadStartConf, &F::StartConfDownloaded},
    {wire::ReqDownloadRTC, &F::DownloadRTC, &F::RTC_Downloaded},
    {wire::ReqDownloadCal, &F::DownloadCal, &F::CalDownloaded},
    {wire::ReqDownloadRelayID, &F::DownloadRelayID, &F::RelayIDDownloaded},
    {wire::ReqClearFaults, &F::ClearFaultRec, nullptr},
    {wire::ReqDownloadDesc, &F::DownloadDesc, &F::DescDownloaded},
    {wire::ReqDownloadBluetooth, &F::DownloadBluetooth, &F::BluetoothDownloaded},
    {wire::ReqDownloadComm, &F::DownloadComm, &F::CommDownloaded},
    {wire::ReqDownloadStat, &F::DownloadStat, &F::StatDownloaded},
    {wire::ReqDownloadExtMod, &F::DownloadExtMod, &F::ExtModDownloaded},
    {wire::ReqClearEvents, &F::ClearEventRec, nullptr},
    {wire::ReqDownloadCommExtBlock0, &F::DownloadCommExtBlock0, &F::CommDownloadedExtBlock0},
    {wire::ReqDownloadCommExtBlock1, &F::DownloadCommExtBlock1, &F::CommDownloadedExtBlock1},
    {wire::ReqUploadCommsExtBlock0, &F::UploadCommsExtBlock0, &F::CommsExtBlock0Uploaded},
    {wire::ReqUploadCommsExtBlock1, &F::UploadCommsExtBlock1, &F::CommsExtBlock1Uploaded},
};
// clang-format on

// The flags of a request, or nullptr for a request without any.
constexpr const RequestFlags* FlagsOf(int code) {
  for (const RequestFlags& m : kRequestFlags)
    if (m.Code == code) return &m;
  return nullptr;
}

// Whether a request has flags. Kept free of pointer comparisons so that it stays a constant
// expression under the sanitizers, which instrument those.
constexpr int FlagsIndex(int code) {
  for (std::size_t i = 0; i < std::size(kRequestFlags); ++i)
    if (kRequestFlags[i].Code == code) return static_cast<int>(i);
  return -1;
}
constexpr bool HasFlags(int code) { return FlagsIndex(code) >= 0; }

// A request a transfer arms: every write, and every read of a configuration record or of the
// comms data block. The polls are queued without flags.
constexpr bool IsTransferRequest(const wire::RequestInfo& r) {
  if (r.Kind != wire::MessageKind::Fixed)
    return r.Kind != wire::MessageKind::Event && r.Kind != wire::MessageKind::Simulation;
  if (r.Code == wire::ReqClearFaults || r.Code == wire::ReqClearEvents) return true;
  if (r.Answer == wire::ParserId::CommsExtBlock0 || r.Answer == wire::ParserId::CommsExtBlock1)
    return true;
  for (const wire::RecordLayout& rec : wire::kRecords)
    if (rec.Answer == r.Answer && r.Code != wire::ReqUploadStat) return true;
  return false;
}

constexpr bool FlagsMatchRequests() {
  int previous = 0;
  for (const RequestFlags& m : kRequestFlags) {
    if (m.Code <= previous || m.Code > wire::kRequestCount || !m.Request) return false;
    previous = m.Code;
    const wire::RequestInfo& r = *wire::Request(m.Code);
    // A done flag is set by an accepted answer: only an answered request can have one.
    if ((m.Done != nullptr) != r.Answered()) return false;
  }
  for (const wire::RequestInfo& r : wire::kRequests)
    if (IsTransferRequest(r) != HasFlags(r.Code)) return false;
  return true;
}
static_assert(FlagsMatchRequests());

}  // namespace transfers
