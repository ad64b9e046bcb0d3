#include "vartable/UnitVarTable.h"

TFormVariableTable* FormVariableTable = nullptr;

namespace {
using wire::Layout;
using wire::RecordId;
}  // namespace

TFormVariableTable::TFormVariableTable()
    : TForm("FormVariableTable", "FormVariableTable"),
      LabelRelayID(this, "LabelRelayID", Layout(RecordId::Identity).GridLabel),
      StrGridRelayID(this, "StrGridRelayID", 3, Layout(RecordId::Identity).GridRows),
      LabelRelSet(this, "LabelRelSet", Layout(RecordId::Settings).GridLabel),
      StrGridRelSetRX(this, "StrGridRelSetRX", 3, Layout(RecordId::Settings).GridRows),
      LabelRelCalibration(this, "LabelRelCalibration", Layout(RecordId::Calibration).GridLabel),
      StringGridRelCalibrationRX(this, "StringGridRelCalibrationRX", 3,
                                 Layout(RecordId::Calibration).GridRows),
      LabelRelStat(this, "LabelRelStat", Layout(RecordId::Statistics).GridLabel),
      StringGridRelStatRX(this, "StringGridRelStatRX", 3, Layout(RecordId::Statistics).GridRows),
      LabelRelExtModSet(this, "LabelRelExtModSet", Layout(RecordId::ExtMod).GridLabel),
      StringGridRelExtModSetRx(this, "StringGridRelExtModSetRx", 3,
                               Layout(RecordId::ExtMod).GridRows),
      LabelRelDesc(this, "LabelRelDesc", Layout(RecordId::Desc).GridLabel),
      StringGridRelDescRx(this, "StringGridRelDescRx", 3, Layout(RecordId::Desc).GridRows),
      LabelBluetooth(this, "LabelBluetooth", Layout(RecordId::Bluetooth).GridLabel),
      StringGridBluetoothRx(this, "StringGridBluetoothRx", 3, Layout(RecordId::Bluetooth).GridRows),
      LabelRelLog(this, "LabelRelLog", Layout(RecordId::Logic).GridLabel),
      StringGridRelLogRx(this, "StringGridRelLogRx", 3, Layout(RecordId::Logic).GridRows),
      LabelRelStartConf(this, "LabelRelStartConf", Layout(RecordId::StartConf).GridLabel),
      StringGridRelStartConfRx(this, "StringGridRelStartConfRx", 3,
                               Layout(RecordId::StartConf).GridRows),
      LabelRelComms(this, "LabelRelComms", Layout(RecordId::Comms).GridLabel),
      StringGridRelCommsRx(this, "StringGridRelCommsRx", 3, Layout(RecordId::Comms).GridRows) {
  OnCreate = [this] { FormCreate(); };
}

TStringGrid& TFormVariableTable::Grid(RecordId id) {
  switch (id) {
    case RecordId::Identity:
      return StrGridRelayID;
    case RecordId::Settings:
      return StrGridRelSetRX;
    case RecordId::Calibration:
      return StringGridRelCalibrationRX;
    case RecordId::Statistics:
      return StringGridRelStatRX;
    case RecordId::ExtMod:
      return StringGridRelExtModSetRx;
    case RecordId::Desc:
      return StringGridRelDescRx;
    case RecordId::Bluetooth:
      return StringGridBluetoothRx;
    case RecordId::Logic:
      return StringGridRelLogRx;
    case RecordId::StartConf:
      return StringGridRelStartConfRx;
    case RecordId::Comms:
      return StringGridRelCommsRx;
  }
  return StrGridRelayID;
}

void TFormVariableTable::FormCreate() {
  for (const auto& rec : wire::kRecords) {
    TStringGrid& g = Grid(rec.Id);
    g.SetColCount(3);
    g.ColWidths = {100, 60, 60};
    g.FixedCols = 1;
    g.FixedRows = 1;
    g.Editing = false;
    wire::FillGrid(rec, g);
  }
  CommsDataBlockTx.fill(0);
  CommsDataBlockRx1.fill(0);
}
