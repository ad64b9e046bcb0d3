#pragma once
// The comms setup window. As a window it lists the PC's serial ports and lets the user pick one;
// it also owns the relay link: the serial port and its packet framer, the request queue, the 10 ms
// link timer, the message builder, the receive dispatcher and the record parsers.
//
// The implementation is split by concern:
//   CommSetup.cpp        the window and the port list
//   CommQueue.cpp        request queue and link timer
//   MessageBuilder.cpp   PackTXBuffer
//   Dispatcher.cpp       ComDataPacket1Packet and the fault and event read chains
//   ConfigParsers.cpp    the configuration record parsers
//   RecordParsers.cpp    fault, event and spectrum records; the live records
//
// The parsers fill the relay model (Model) and then say which record came through the hooks
// below; the main window plugs into them. The link knows no window above it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/RelayState.h"
#include "wire/RecordLayouts.h"
#include "wire/Requests.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Scheduler.h"

// The clock values a clock write sends, as the clock page's editors hold them (full year).
struct ClockSetting {
  long long Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
};

// What a simulation message sends: nothing but "off", or the fifteen values in message order
// (three currents, three voltages, frequency, power factor, earth leakage, the field inputs of the
// relay and of its expansion module, four temperatures in degrees).
inline constexpr int kSimulationFields = 15;
struct SimulationSetting {
  bool On = false;
  std::array<long long, kSimulationFields> Values{};
};

// How a step of the event read chain left it.
enum class EventStep {
  Advanced,   // the next event was asked for, or the quick view has its last one
  Stopped,    // the user had stopped the download; this was its last record
  Complete,   // the download has read the oldest event
  FileFailed  // the export file refused a line; the download is over
};

class TForm2 : public TForm {
 public:
  TForm2();

  // The relay model the parsers fill and the request flags live in. Without one every answer is
  // refused.
  model::RelayState* Model = nullptr;

  // ---- Controls ----
  TLabel Label1;
  TComComboBox ComComboBox1;
  TButton ButtonRefresh;
  TButton bCommSettingOk;
  TTimer TmrCommsSystem;  // the 10 ms link timer
  TComDataPacket ComDataPacket1;
  TComPort ComPort1;

  // ---- Link state ----
  static constexpr int kQueueSlots = 30;
  static constexpr uint16_t kReplyTicks = 20;      // reply time-out, 200 ms
  static constexpr uint16_t kWatchdogTicks = 500;  // reload on every answer taken, 5 s
  uint8_t CommsQueSpaceLeft = kQueueSlots;
  uint16_t CommsTimeOutCntr = 0;  // link watchdog, counted down every tick
  uint16_t RetryCntr = 0;         // reply time-out, counted down every tick
  bool ExtendedVoltSelEn = false;
  // The ring of waiting request codes (0 marks a free slot), its head and tail.
  std::array<uint8_t, kQueueSlots> CommsQue{};
  uint8_t CommsQueHead = 0;
  uint8_t CommsQueTail = 0;
  std::string TXBuffer;        // the message built for the head request
  bool AwaitingReply = false;  // written, and neither answered nor timed out since
  uint8_t WrittenRequest = 0;  // the request whose message was written last
  // The earliest moment the awaited answer can be whole (its length in line time after the write).
  int64_t ReplyDueUs = 0;
  // An await ended without its answer, which may still come: until an answer is taken, the next
  // one is looked for from the first tick on.
  bool LateAnswerPossible = false;
  uint8_t FaultReadCount = 0;  // records read in the current pass of the fault chain

  // ---- Window ----
  void FormCreate();
  void FormShow();
  void ButtonRefreshClick();
  void bCommSettingOkClick();

  // ---- Request queue and link timer ----
  // Free slots left, or -1 when full, -2 for a code outside 1..41, -3 when already waiting.
  int AddToCommsQue(uint8_t CommsMessageType);
  // Retires the head: 0, or -1 when the queue is empty.
  int RemFromCommsQue();
  void ResetCommsQue();
  // Takes every request of a transfer (those with transfer flags) out of the queue, keeping
  // the order of the rest: a cancelled transfer must not be asked for again.
  void DropTransferRequests();
  // Empties the link and queues request 1 (it opens nothing).
  void OpenPort();
  void TmrCommsSystemTimer();
  // The link timer's period in microseconds.
  int64_t TickUs() const;
  // How many of the coming ticks, the first due at `firstUs`, only count the reply time-out down.
  unsigned QuietTicksAwaiting(int64_t firstUs) const;
  // The code at the head of the queue, 0 when it is empty.
  uint8_t HeadRequest() const;

  // ---- Message builder ----
  // Builds the head request's message into TXBuffer and returns its length (0: nothing to send).
  int PackTXBuffer();

  // ---- Receive dispatcher ----
  void ComDataPacket1Packet(const std::string& Str);

  // ---- Record parsers: 1 accepts the answer, 0 refuses it ----
  int PackRelayIDData(const std::string& Buffer);
  int PackSettingData(const std::string& Buffer);
  int PackRTCData(const std::string& Buffer);
  int PackCalibrationData(const std::string& Buffer);
  int PackStatisticalData(const std::string& Buffer);
  int PackExtModSetData(const std::string& Buffer);
  int PackDescData(const std::string& Buffer);
  int PackBluetoothData(const std::string& Buffer);
  int PackLogicData(const std::string& Buffer);
  int PackStartConfData(const std::string& Buffer);
  int PackCommsData(const std::string& Buffer);
  int PackCommsExtBlockData(const std::string& Buffer, uint8_t BlockToPack);
  int PackFaultData(const std::string& Buffer);
  int PackEventData(const std::string& Buffer);
  int PackSpectruimData(const std::string& Buffer);
  int PackActualData(const std::string& Buffer);
  int PackActualStatusData(const std::string& Buffer);
  int PackCommsStatData(const std::string& Buffer);
  int PackCommsExtStatData(const std::string& Buffer);

  // ---- Points where the editor pages and the live displays plug in ----
  // The parsers check an answer's characters and keep the variable table themselves; these run in
  // between, at the moment the editors are to be loaded. Empty until the pages that own the
  // editors assign them. An editor's own change handler writing the send column is expected.
  //
  // Identity: every accepted answer (cbRelayModel, ebSerialNumber, mbSerialNum), before the copy
  // of a read and before the echo check of a write.
  std::function<void()> LoadRelayIDEditors;
  // Settings read: rows 1..51 into the Settings page editors, then CT ratio and the control-byte
  // check boxes. ActControl_A..D already hold rows 9, 10, 17 and 45 when it runs.
  std::function<void()> LoadSettingsEditors;
  // Calibration read: the calibration editors and their Settings page twins.
  std::function<void()> LoadCalibrationEditors;
  // Every statistics answer while the statistics page is not shown.
  std::function<void()> LoadStatisticsEditors;
  std::function<void()> LoadExtModEditors;
  std::function<void()> LoadDescEditors;
  // A description write whose echo matched (mbUserName, mbDriveID).
  std::function<void()> DescWriteConfirmed;
  std::function<void()> LoadBluetoothEditors;
  // Logic read; ActLF1_Table..ActLF6_Table are set from the received column right after it.
  std::function<void()> LoadLogicEditors;
  std::function<void()> LoadStartConfEditors;
  // Comms read: layout switch by revision and the protocol editors. For a relay without the
  // extended revision the two block read flags are already cleared when it runs.
  std::function<void()> LoadCommsEditors;
  // After half 1 of the comms data block has been stored in CommsDataBlockRx1.
  std::function<void()> LoadCommsExtBlockEditors;
  // Live records, called with the whole answer once its characters have passed the check (and
  // the model holds the live bytes of the actual values and actual status records).
  std::function<void(const std::string&)> LoadActualData;
  std::function<void(const std::string&)> LoadActualStatusData;
  std::function<void(const std::string&)> LoadCommsStatData;
  std::function<void(const std::string&)> LoadCommsExtStatData;
  // A clock record, once the model's Clock holds it.
  std::function<void()> ClockRead;
  // Every accepted fault record, once the model holds it (and the chain's position).
  std::function<void(const model::FaultRecord&)> FaultRead;
  // Every accepted event record but an empty slot; while no quick view runs it belongs in the
  // export file, whose failure is thrown.
  std::function<void(const model::EventRecord&)> EventRead;
  // Every step of the event read chain, once the model's counter and flags have moved.
  std::function<void(EventStep)> EventChainMoved;
  // The port failed while writing: the main window closes it and tells the user.
  std::function<void()> PortFailed;

  // ---- What the link asks the main window ----
  // Whether the statistics page is shown: its poll answers then leave the editors to the user.
  std::function<bool()> StatisticsPageShown;
  // Whether the relay has the extended revision (the comms data block exists).
  std::function<bool()> ExtendedRelay;
  // The values of a clock write and of the simulation message, taken when the message is built.
  std::function<ClockSetting()> ClockToWrite;
  std::function<SimulationSetting()> SimulationToWrite;

 private:
  void ListPortsAndSelect(bool reportEmpty);
  bool BuildRecordWrite(const wire::RequestInfo& r);
  void BuildClockWrite();
  bool BuildSimulation();
  void BuildBlockWrite(int block);
  void RefuseWrite(const wire::RequestInfo& r, const std::string& caption,
                   const std::string& value);
  // The one configuration record parser the named ones call.
  int PackConfigRecord(wire::RecordId id, const std::string& Buffer);
  void ContinueFaultChain();
  // Marks the records between the one read before (last) and the one just read as not received.
  void MarkSkippedFaults(int last);
  void ContinueEventChain();
  void EndEventDownloadAfterFileError();
};

extern TForm2* Form2;

// Shows a message box once the handler running now has returned, so no box opens (and no nested
// loop runs) inside the link timer or the receive dispatcher.
void ShowErrorLater(const std::string& text);
