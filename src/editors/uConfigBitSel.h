#pragma once
// The bit selection dialog. It and the word selection dialog (uConfigWordSel.h) each load one
// selection file from the program's folder: line i names code i from its fifth character on.
#include <cstdint>
#include <string>

#include "platform/ui/Forms.h"

// The dialog part both selection dialogs share: the file's lines, the name list and the lookup.
class TCommsSelDialog : public TForm {
 protected:
  TComboBox combo_;
  TMemo lines_;

 public:
  TCommsSelDialog(const std::string& name, const std::string& caption, const std::string& comboName,
                  const std::string& memoName, const std::string& fileName);
  TComboBox& Combo() { return combo_; }
  TMemo& LineBox() { return lines_; }
  TButton Button1{this, "Button1", "Ok"};
  TButton Button2{this, "Button2", "Cancel"};

  // Empties both lists and loads the file; the list offers names only when it holds 256 lines.
  void LoadSelectionFile();
  // The code whose line names exactly this text, or -1 when none does (or the text is empty).
  int FindCode(const std::string& name) const;
  // The name of a code: its line from the fifth character, "" when the box holds no such line.
  std::string NameOf(int code) const;
  // The file was found and holds exactly 256 lines.
  bool Complete() const { return lines_.Lines.Count() == 256; }
  // The file was larger than a selection list can be, and was not read.
  bool TooLarge() const { return tooLarge_; }
  const std::string& FileName() const { return fileName_; }
  // 256 lines of even 250 characters stay below it; the lists shipped take 5 KB.
  static constexpr uintmax_t kMaxFileBytes = 64 * 1024;

 private:
  std::string fileName_;
  bool tooLarge_ = false;
};

class TfrmCommsBitsSel : public TCommsSelDialog {
 public:
  TfrmCommsBitsSel();
  TComboBox& comboxCommsConfBitSel = combo_;
  TMemo& memCommsBitSelFile = lines_;
  void FormCreate() { LoadSelectionFile(); }
  int FindBitSelInFile(const std::string& BitStringNeeded) const {
    return FindCode(BitStringNeeded);
  }
};

extern TfrmCommsBitsSel* frmCommsBitsSel;
