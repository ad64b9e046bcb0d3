// The check of the editors (normally just read from the relay) against a settings file of the
// older 153-line form: every line compared with its editor, the differences counted and the last
// one named. Nothing is changed but the starter display.
#include <climits>
#include <string>
#include <vector>

#include "editors/LegacyLines.h"
#include "editors/SettingsEditors.h"
#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"
#include "platform/ui/Dialogs.h"
#include "wire/VoltageLists.h"

namespace {

int VerifyErrorCount = 0;
int VerifyItemIndex = 0;
std::string VerifyLastErrorName;

std::string VerifyItemName(int k) {
  const std::span<const editors::legacy::LegacyLine> lines = editors::legacy::Lines();
  return k >= 0 && k < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(k)].Name : "";
}

// A line that is no number ends the check with the standard error box.
void VerifyCompareItem(long long value, const std::string& line) {
  if (StrToInt(line) != value) {
    ++VerifyErrorCount;
    VerifyLastErrorName = VerifyItemName(VerifyItemIndex);
  }
  ++VerifyItemIndex;
}

// The file names the voltage by its item of the older 11-item list; the box may hold the longer
// list of an extended relay, so its item is turned into the older list's item of the same voltage.
// A voltage the older list lacks equals no line.
long long OlderVoltageItem(const TComboBox& box) {
  const int item = box.ItemIndex();
  if (item < 0) return item;
  const std::span<const wire::VoltageEntry> held = wire::List(Form2 && Form2->ExtendedVoltSelEn);
  if (item >= static_cast<int>(held.size())) return LLONG_MIN;
  const std::span<const wire::VoltageEntry> older = wire::List(false);
  for (size_t i = 0; i < older.size(); ++i)
    if (older[i].Code == held[static_cast<size_t>(item)].Code) return static_cast<long long>(i);
  return LLONG_MIN;
}

// What line k is compared with: the editor's value, item or text as a number; for a control
// byte the relay's own byte.
long long ItemValue(TForm1& f, int k, const editors::legacy::LegacyLine& line) {
  if (!line.Control)
    return f.*editors::settings::ControlBytes()[static_cast<size_t>(line.Byte)].Field;
  TControl& c = line.Control(f);
  if (k == editors::legacy::kVoltageLine) return OlderVoltageItem(static_cast<TComboBox&>(c));
  if (auto* spin = dynamic_cast<TSpinEdit*>(&c)) return spin->Value();
  if (auto* combo = dynamic_cast<TComboBox*>(&c)) return combo->ItemIndex();
  return StrToInt(static_cast<TEdit&>(c).Text());
}

}  // namespace

void TForm1::VerifySettingsClick() {
  VerifyErrorCount = 0;
  VerifyItemIndex = 0;
  if (!Form2 || !Form2->ComPort1.Connected()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  if (!OpenDialogSettings.Execute()) return;

  // The lines are read whole first, so that the file is closed on every way out of the check.
  std::vector<std::string> lines;
  {
    TextFile file;
    bool opened = !OpenDialogSettings.FileName.empty();
    if (opened) {
      try {
        file.Assign(OpenDialogSettings.FileName);
        // A file larger than the form can be is refused unread: a line of megabytes would hold
        // the window (and the link) while it is read and quoted.
        file.Reset(editors::legacy::kMaxFileBytes);
      } catch (const EFileTooLarge&) {
        MessageDlg("File too large for an old VUMA settings file !", TMsgDlgType::mtError);
        return;
      } catch (const EInOutError&) {
        opened = false;
      }
    }
    if (!opened) {
      MessageDlg("I/O error or File does not exist !", TMsgDlgType::mtError);
      return;
    }
    // A missing line reads as empty, which then ends the check as no number.
    for (int k = 0; k < editors::legacy::kLineCount; ++k) lines.push_back(file.ReadLn());
    file.Close();
  }

  const std::span<const editors::legacy::LegacyLine> items = editors::legacy::Lines();
  for (int k = 0; k < editors::legacy::kLineCount; ++k)
    VerifyCompareItem(ItemValue(*this, k, items[static_cast<size_t>(k)]),
                      lines[static_cast<size_t>(k)]);

  StarterTypeDisplay();
  if (VerifyErrorCount == 0) {
    MessageDlg("Relay settings are equal to File settings.", TMsgDlgType::mtInformation);
    return;
  }
  MessageDlg("Relay settings differ from File settings !\n\rAmount of errors detected: " +
                 IntToStr(VerifyErrorCount) + "\n\rSetting error: " + VerifyLastErrorName,
             TMsgDlgType::mtError);
}
