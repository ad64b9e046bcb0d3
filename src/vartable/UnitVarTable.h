#pragma once
// The variable table: the relay's ten configuration records, one grid each, with the field's
// caption, the value last received (column 1) and the value to send in the next write (column 2).
// It also keeps the buffers of the extended communication module's comms data block.
#include <array>
#include <cstdint>
#include <string>

#include "wire/RecordLayouts.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

class TFormVariableTable : public TForm {
 public:
  TFormVariableTable();

  void FormCreate();

  // The grid of a record.
  TStringGrid& Grid(wire::RecordId id);

  TLabel LabelRelayID;
  TStringGrid StrGridRelayID;
  TLabel LabelRelSet;
  TStringGrid StrGridRelSetRX;
  TLabel LabelRelCalibration;
  TStringGrid StringGridRelCalibrationRX;
  TLabel LabelRelStat;
  TStringGrid StringGridRelStatRX;
  TLabel LabelRelExtModSet;
  TStringGrid StringGridRelExtModSetRx;
  TLabel LabelRelDesc;
  TStringGrid StringGridRelDescRx;
  TLabel LabelBluetooth;
  TStringGrid StringGridBluetoothRx;
  TLabel LabelRelLog;
  TStringGrid StringGridRelLogRx;
  TLabel LabelRelStartConf;
  TStringGrid StringGridRelStartConfRx;
  TLabel LabelRelComms;
  TStringGrid StringGridRelCommsRx;

  // The comms data block to send: bytes 0..42 go with request 37, 43..85 with request 38.
  std::array<uint8_t, 86> CommsDataBlockTx{};
  // The comms data block as read by requests 39 (bytes 0..42) and 40 (bytes 43..85).
  std::array<uint8_t, 86> CommsDataBlockRx1{};
  // The last block message of request 37 or 38 exactly as sent; its echo is checked against it.
  std::string CommsDataBlockRx2;
};

extern TFormVariableTable* FormVariableTable;
