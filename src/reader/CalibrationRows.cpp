// The reader's rows of the "Bluetooth Settings" and "Calibrations" sections, and the identity rows
// of the file's header. The labels are the writer's (report/StatisticsSections.h). The calibration
// factors, the temperature offsets, the serial number and the model belong to the relay itself and
// are read only in site mode.
#include <array>

#include "editors/SettingsEditors.h"
#include "reader/ReaderSections.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/RowRules.h"
#include "report/SettingsReport.h"
#include "report/StatisticsSections.h"

namespace reader {

namespace {

constexpr int kRowWidth = 46;  // the least trimmed length of a row line the writer puts
constexpr int kValueWidth = 20;
constexpr std::span<const std::string_view> kNoWords{};
constexpr const char* kDefaultPin = "5860";

using F = TForm1;

// Row i of the writer's calibration rows, read as a number of 1 to `length` digits (signed: with
// an optional "-") within the spin edit's limits.
RowSpec CalRow(size_t i, RowKind kind, int length, ControlOf c, Handler h, int def, int number,
               const char* out, const char* notFound, bool siteMode) {
  RowSpec r{kCalibrationRows[i].label,
            {},
            kValueWidth,
            kind,
            length,
            false,
            0,
            0,
            kNoWords,
            c,
            h,
            def,
            number,
            out,
            notFound,
            nullptr};
  r.siteMode = siteMode;
  r.minTrimmed = kRowWidth;
  return r;
}
RowSpec Factor(size_t i, ControlOf c, Handler h, const char* out, const char* notFound) {
  return CalRow(i, RowKind::Number, 3, c, h, 100, 0, out, notFound, true);
}
RowSpec Limit(size_t i, ControlOf c, Handler h, int def, const char* out, const char* notFound) {
  return CalRow(i, RowKind::Number, 2, c, h, def, 0, out, notFound, false);
}
RowSpec Offset(size_t i, ControlOf c, Handler h, int input, bool pt1000) {
  return CalRow(
      i, RowKind::Signed, 4, c, h, 0, input,
      pt1000
          ? "Calibration temperature %2:0.1d PT1000 out of range %0:s setting value changed to 0."
          : "Calibration temperature %2:0.1d PT100 out of range %0:s setting value changed to 0.",
      pt1000 ? "Calibration temperature %1:0.1d PT1000 not found. Setting value changed to 0."
             : "Calibration temperature %1:0.1d PT100 not found. Setting value changed to 0.",
      true);
}

// In the order they run; the supply frequency row (index 7) has its own words.
// clang-format off
const RowSpec kCalRows[] = {
    Factor(0, Field<&F::seIr_CorrectFact>, &F::seIr_CorrectFactChange,
           "Calibration I red out of range %0:s setting value changed to 100.",
           "Calibration I red not found. Setting value changed to 100."),
    Factor(1, Field<&F::seIw_CorrectFact>, &F::seIw_CorrectFactChange,
           "Calibration I white out of range %0:s setting value changed to 100.",
           "Calibration I white not found. Setting value changed to 100."),
    Factor(2, Field<&F::seIb_CorrectFact>, &F::seIb_CorrectFactChange,
           "Calibration I blue out of range %0:s setting value changed to 100.",
           "Calibration I blue not found. Setting value changed to 100."),
    Factor(3, Field<&F::seVredCorrectFact>, &F::seVredCorrectFactChange,
           "Calibration V red out of range %0:s setting value changed to 100.",
           "Calibration V red not found. Setting value changed to 100."),
    Factor(4, Field<&F::seVwhiteCorrectFact>, &F::seVwhiteCorrectFactChange,
           "Calibration V white out of range %0:s setting value changed to 100.",
           "Calibration V white not found. Setting value changed to 100."),
    Factor(5, Field<&F::seVblueCorrectFact>, &F::seVblueCorrectFactChange,
           "Calibration V blue out of range %0:s setting value changed to 100.",
           "Calibration V blue not found. Setting value changed to 100."),
    Factor(6, Field<&F::seEarthLeakCorrectFact>, &F::seEarthLeakCorrectFactChange,
           "Calibration earth leakage out of range %0:s setting value changed to 100.",
           "Calibration earth leakage not found. Setting value changed to 100."),
    Limit(7, Field<&F::cbFreqSelector>, &F::cbFreqSelectorChange, 0,
          "Calibration frequency selection out of range %0:s setting value changed to 50.",
          "Calibration frequency selection not found. Setting value changed to 50."),
    Limit(8, Field<&F::seHighFreqLimit>, &F::seHighFreqLimitChange, 65,
          "Calibration frequency high limit out of range %0:s setting value changed to 65.",
          "Calibration frequency high limit not found. Setting value changed to 65."),
    Limit(9, Field<&F::seLowFreqLimit>, &F::seLowFreqLimitChange, 45,
          "Calibration frequency low limit out of range %0:s setting value changed to 45.",
          "Calibration frequency low limit not found. Setting value changed to 45."),
    Offset(10, Field<&F::seRTD1_PT100_Offset>, &F::seRTD1_PT100_OffsetChange, 1, false),
    Offset(11, Field<&F::seRTD1_PT1000_Offset>, &F::seRTD1_PT1000_OffsetChange, 1, true),
    Offset(12, Field<&F::seRTD2_PT100_Offset>, &F::seRTD2_PT100_OffsetChange, 2, false),
    Offset(13, Field<&F::seRTD2_PT1000_Offset>, &F::seRTD2_PT1000_OffsetChange, 2, true),
    Offset(14, Field<&F::seRTD3_PT100_Offset>, &F::seRTD3_PT100_OffsetChange, 3, false),
    Offset(15, Field<&F::seRTD3_PT1000_Offset>, &F::seRTD3_PT1000_OffsetChange, 3, true),
    Offset(16, Field<&F::seRTD4_PT100_Offset>, &F::seRTD4_PT100_OffsetChange, 4, false),
    Offset(17, Field<&F::seRTD4_PT1000_Offset>, &F::seRTD4_PT1000_OffsetChange, 4, true),
};
// clang-format on
constexpr size_t kSupplyRow = 7;
constexpr std::array<std::string_view, 2> kSupplyWords = {"50", "60"};  // items 0 and 1

// The supply frequency: 50 or 60 only, whatever the spin edits allow.
void ReadSupplyFrequency(ReadContext& ctx, const RowSpec& row) {
  const std::optional<RowLine> line = FindRow(ctx, row);
  if (!line) {
    LogNotFound(ctx, row);
    return SetTarget(ctx, row, row.defaultValue);
  }
  const std::string text = NumberText(CutValue(*line, row), false);
  for (size_t k = 0; k < kSupplyWords.size(); ++k)
    if (text == kSupplyWords[k]) return SetTarget(ctx, row, static_cast<int>(k));
  LogOutOfRange(ctx, row, text);
  SetTarget(ctx, row, row.defaultValue);
}

bool HoldsFramingChar(const std::string& s) {
  for (char c : s)
    if (editors::settings::IsFramingChar(c)) return true;
  return false;
}

// A text row of the PIN or the identity: the value text is refused when empty, longer than
// `length` or holding a framing character.
bool TextAccepted(const std::string& text, size_t length) {
  return !text.empty() && text.size() <= length && !HoldsFramingChar(text);
}

void SetPin(ReadContext& ctx, const std::string& pin) {
  ctx.form.ebPinCode.SetText(pin);
  ctx.form.ebpinCodeChange();
}

const RowSpec kPinRow = [] {
  RowSpec r{kPinCodeLabel,
            {},
            kValueWidth,
            RowKind::Word,
            4,
            false,
            0,
            0,
            kNoWords,
            Field<&F::ebPinCode>,
            &F::ebpinCodeChange,
            0,
            0,
            "Bluetooth Pin Code out of range %0:s setting value changed to 5860.",
            "Bluetooth Pin Code not found. Setting value changed to 5860.",
            nullptr};
  r.minTrimmed = kRowWidth;
  return r;
}();

// ---- Identity rows of the header ----

enum class IdKind : uint8_t { Serial, Model, Text };

struct IdentityRow {
  std::string_view label;
  int cutWidth;
  IdKind kind;
  size_t length;
  bool siteMode;
  TEdit TForm1::*display;
  const char* defaultText;  // Model: the default item's number
  const char* outOfRange;
  const char* notFound;
};

constexpr int kModelNumbers[] = {5, 10, 50, 100, 300};  // items 0..4

// clang-format off
const IdentityRow kIdentityRows[] = {
    {kSerialNumberCaption, 15, IdKind::Serial, 8, true, &TForm1::mbSerialNum, "00000000",
     "Serial number out of range %0:s setting value changed to 00000000.",
     "Serial number not found. Setting value changed to 00000000."},
    {kModelCaption, 10, IdKind::Model, 3, true, &TForm1::mbRelModel, "5",
     "Relay model out of range %0:s setting value changed to 5.",
     "Relay model not found. Setting value changed to 5."},
    {kDriveIdCaption, 15, IdKind::Text, 8, false, &TForm1::mbDriveID, "DRIVE_ID",
     "Drive ID has illegal length > 8 %0:s setting value changed to DRIVE_ID.",
     "Drive ID not found. Setting value changed to DRIVE_ID."},
    {kDriveDescriptionCaption, 25, IdKind::Text, 20, false, &TForm1::mbUserName, "DRIVE_DESC",
     "Drive description has illegal length > 20 %0:s setting value changed to DRIVE_DESC.",
     "Drive description not found. Setting value changed to DRIVE_DESC."},
};
// clang-format on

int ModelItem(const std::string& text) {
  if (!NumberTextValid(text, 3, false)) return -1;
  const int n = static_cast<int>(StrToInt(text));
  for (size_t i = 0; i < std::size(kModelNumbers); ++i)
    if (kModelNumbers[i] == n) return static_cast<int>(i);
  return -1;
}

// The value text of a row and whether it is taken.
bool IdentityValue(const IdentityRow& r, const std::string& cut, std::string& text) {
  switch (r.kind) {
    case IdKind::Serial:
      text = NumberText(cut, false);
      return NumberTextValid(text, static_cast<int>(r.length), false);
    case IdKind::Model:
      text = NumberText(cut, false);
      return ModelItem(text) >= 0;
    case IdKind::Text:
      text = Trim(cut);
      return TextAccepted(text, r.length);
  }
  return false;
}

// Sets the row's editor, copies it into its display and calls its handler.
void SetIdentity(TForm1& f, const IdentityRow& r, const std::string& value) {
  TEdit* editor = nullptr;
  switch (r.kind) {
    case IdKind::Serial:
      editor = &f.ebSerialNumber;
      break;
    case IdKind::Model:
      f.cbRelayModel.SetItemIndex(ModelItem(value));
      (f.*r.display).SetText(f.cbRelayModel.Text());
      f.cbRelayModelChange();
      return;
    case IdKind::Text:
      editor = r.display == &TForm1::mbDriveID ? &f.ebDriveID : &f.ebUserName;
      break;
  }
  editor->SetText(value);
  (f.*r.display).SetText(editor->Text());
  f.SettingChange(*editor);
}

}  // namespace

void ReadBluetoothSection(ReadContext& ctx) {
  const std::optional<RowLine> line = FindRow(ctx, kPinRow);
  if (!line) {
    ctx.Log(kPinRow.notFound);
    return SetPin(ctx, kDefaultPin);
  }
  const std::string text = Trim(CutValue(*line, kPinRow));
  if (TextAccepted(text, 4)) return SetPin(ctx, text);
  ctx.Log(Format(kPinRow.outOfRange, {text}));
  SetPin(ctx, kDefaultPin);
}

void BluetoothSectionMissing(ReadContext& ctx) { SetPin(ctx, kDefaultPin); }

void ReadCalibrationSection(ReadContext& ctx) {
  for (size_t i = 0; i < std::size(kCalRows); ++i) {
    if (i == kSupplyRow)
      ReadSupplyFrequency(ctx, kCalRows[i]);
    else
      ReadRow(ctx, kCalRows[i]);
  }
}

void ReadIdentityRows(ReadContext& ctx, int settingsTitle) {
  ctx.from = 0;
  ctx.to = settingsTitle;
  for (const IdentityRow& r : kIdentityRows) {
    if (r.siteMode && !ctx.form.SiteModeActive) continue;
    RowSpec find{r.label, {}, r.cutWidth, RowKind::Word, 0,       false,  0, 0, kNoWords, nullptr,
                 nullptr, 0,  0,          nullptr,       nullptr, nullptr};
    const std::optional<RowLine> line = FindRow(ctx, find);
    if (!line) {
      ctx.Log(r.notFound);
      SetIdentity(ctx.form, r, r.defaultText);
      continue;
    }
    std::string text;
    if (IdentityValue(r, CutValue(*line, find), text)) {
      SetIdentity(ctx.form, r, text);
      continue;
    }
    ctx.Log(Format(r.outOfRange, {text}));
    SetIdentity(ctx.form, r, r.defaultText);
  }
}

}  // namespace reader
