// The Calibration page's file commands: a relay's calibration kept on disk as 16 lines, one
// number each (line 7 the serial number as typed), and given back to a replacement board. The
// file is written whole or not at all; a file is read and checked whole before any editor
// changes, so a bad file changes nothing and the message names its first bad line.
#include <variant>

#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"

namespace {

using SpinOf = TSpinEdit TForm1::*;
struct SerialLine {};
struct ModelLine {};
using CalLine = std::variant<SpinOf, SerialLine, ModelLine>;

// The file's lines in order.
// clang-format off
const CalLine kCalLines[] = {
    &TForm1::seVredCorrectFact,   &TForm1::seVwhiteCorrectFact,  &TForm1::seVblueCorrectFact,
    &TForm1::seEarthLeakCorrectFact, &TForm1::seHighFreqLimit,   &TForm1::seLowFreqLimit,
    SerialLine{},                 ModelLine{},
    &TForm1::seRTD1_PT100_Offset, &TForm1::seRTD1_PT1000_Offset, &TForm1::seRTD2_PT100_Offset,
    &TForm1::seRTD2_PT1000_Offset, &TForm1::seRTD3_PT100_Offset, &TForm1::seRTD3_PT1000_Offset,
    &TForm1::seRTD4_PT100_Offset, &TForm1::seRTD4_PT1000_Offset,
};
// clang-format on
constexpr int kCalLineCount = static_cast<int>(std::size(kCalLines));
constexpr int kModelCount = 5;
// A calibration file is refused unread above this size, far more than its lines of numbers take.
constexpr uintmax_t kMaxFileBytes = 16 * 1024;

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// A line as the file holds it: a number, or for the serial number 1 to 8 digits.
bool LineValid(const CalLine& line, const std::string& text) {
  if (std::holds_alternative<SerialLine>(line)) return text.size() <= 8 && AllDigits(text);
  int v;
  if (!TryStrToInt(text, v)) return false;
  if (std::holds_alternative<ModelLine>(line)) return v >= -1 && v < kModelCount;
  return true;
}

}  // namespace

void TForm1::InitCalibrationFile() {
  for (TOpenDialog* d : {static_cast<TOpenDialog*>(&SaveDialogCalb), &OpenDialogCalb}) {
    d->Filter = "Calibration|*.cal";
    d->DefaultExt = "cal";
    d->InitialDir = "c:\\";
  }
  SaveDialogCalb.Title = "Save calibration data on disk";
  OpenDialogCalb.Title = "Open disc file to read calibration data";
  bWriteCalbDisk.OnClick = [this] { bWriteCalbDiskClick(); };
  bReadCalbData.OnClick = [this] { bReadCalbDataClick(); };
}

void TForm1::bWriteCalbDiskClick() {
  if (!PortOpen()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  SaveDialogCalb.FileName = "TQ_" + ebSerialNumber.Text() + ".cal";
  if (!SaveDialogCalb.Execute()) return;
  TStringList out;
  for (const CalLine& line : kCalLines) {
    if (const SpinOf* spin = std::get_if<SpinOf>(&line))
      out.Add(IntToStr((this->*(*spin)).Value()));
    else if (std::holds_alternative<SerialLine>(line))
      out.Add(ebSerialNumber.Text());
    else
      out.Add(IntToStr(cbRelayModel.ItemIndex()));
  }
  // A failure to write ends the command in the standard error box; an earlier file stays whole.
  out.SaveToFile(SaveDialogCalb.FileName);
}

void TForm1::bReadCalbDataClick() {
  if (!PortOpen()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  if (!OpenDialogCalb.Execute()) return;
  TStringList in;
  try {
    in.LoadFromFile(OpenDialogCalb.FileName, kMaxFileBytes);
  } catch (const EFileTooLarge&) {
    MessageDlg("Calibration file not loaded: the file is too large.", TMsgDlgType::mtError);
    return;
  } catch (const std::exception&) {
    MessageDlg("I/O error or File does not exist.", TMsgDlgType::mtError);
    return;
  }
  std::string text[kCalLineCount];
  for (int i = 0; i < kCalLineCount; ++i) {
    text[i] = Trim(in.Get(i));  // a missing line reads as empty
    if (!LineValid(kCalLines[i], text[i])) {
      MessageDlg("Calibration file not loaded: line " + IntToStr(i + 1) + " is not valid.",
                 TMsgDlgType::mtError);
      return;
    }
  }
  // Each editor through its value setter (a spin edit keeps the value within its range) and then
  // its change handler, so that the send column follows the file.
  for (int i = 0; i < kCalLineCount; ++i) {
    const CalLine& line = kCalLines[i];
    if (const SpinOf* spin = std::get_if<SpinOf>(&line)) {
      TSpinEdit& se = this->*(*spin);
      se.SetValue(StrToInt(text[i]));
      SettingChange(se);
    } else if (std::holds_alternative<SerialLine>(line)) {
      ebSerialNumber.SetText(text[i]);
      ebSerialNumberChange();
    } else {
      cbRelayModel.SetItemIndex(StrToInt(text[i]));
      cbRelayModelChange();
    }
  }
}
