#include "editors/uConfigBitSel.h"

#include "editors/CommsLayout.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SysUtils.h"

TfrmCommsBitsSel* frmCommsBitsSel = nullptr;

TCommsSelDialog::TCommsSelDialog(const std::string& name, const std::string& caption,
                                 const std::string& comboName, const std::string& memoName,
                                 const std::string& fileName)
    : TForm(name, caption), combo_(this, comboName), lines_(this, memoName), fileName_(fileName) {
  BorderIconsVisible = false;
  combo_.Style = TComboBoxStyle::csDropDown;
  combo_.Sorted = true;
  lines_.WordWrap = false;
  lines_.ReadOnly = true;
  lines_.SetVisible(false);
  Button1.ModalResult = mrOk;
  Button2.ModalResult = mrCancel;
  // Without title-bar buttons the keyboard is the other way out: Enter is "Ok", Escape "Cancel".
  Button1.Default = true;
  Button2.Cancel = true;
}

void TCommsSelDialog::LoadSelectionFile() {
  lines_.Lines.Clear();
  combo_.Items.Clear();
  combo_.SetText("");
  tooLarge_ = false;
  const std::string path = ProgramFolder() + fileName_;
  if (!FileExists(path)) return;
  try {
    lines_.Lines.LoadFromFile(path, kMaxFileBytes);
  } catch (const EFileTooLarge&) {
    tooLarge_ = true;  // start-up names it
    return;
  } catch (const std::exception&) {
    // An unreadable file counts as a missing one; start-up reports it once the windows exist.
    lines_.Lines.Clear();
    return;
  }
  if (!Complete()) return;
  for (int i = 0; i < 256; ++i) {
    std::string name = editors::comms::NameOfLine(lines_.Lines[i]);
    if (!name.empty()) combo_.Items.Add(name);
  }
}

int TCommsSelDialog::FindCode(const std::string& name) const {
  if (name.empty()) return -1;
  const int n = lines_.Lines.Count() < 256 ? lines_.Lines.Count() : 256;
  for (int i = 0; i < n; ++i)
    if (editors::comms::NameOfLine(lines_.Lines[i]) == name) return i;
  return -1;
}

std::string TCommsSelDialog::NameOf(int code) const {
  if (code < 0 || code >= lines_.Lines.Count()) return "";
  return editors::comms::NameOfLine(lines_.Lines[code]);
}

TfrmCommsBitsSel::TfrmCommsBitsSel()
    : TCommsSelDialog("frmCommsBitsSel", "Configurable Bit Selection", "comboxCommsConfBitSel",
                      "memCommsBitSelFile", "CommsDD_ConfigBits01 EN.dat") {
  OnCreate = [this] { FormCreate(); };
}
