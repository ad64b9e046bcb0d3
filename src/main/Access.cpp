// Access levels: the client password file, the menu commands that open the password dialogs and
// the calibration lock button.
#include "main/Access.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextFile.h"
#include "platform/ui/Dialogs.h"

bool CalibLocked = true;

namespace {

// The first line of the file; false when it cannot be opened and `quiet` says so for that error.
bool ReadFirstLine(std::string& password, bool (*quiet)(const EInOutError&)) {
  password.clear();
  TextFile f;
  f.Assign(kClientPasswordFile);
  try {
    f.Reset(kClientPasswordFileMaxBytes);
  } catch (const EInOutError& e) {
    if (quiet(e)) return false;
    throw;
  }
  password = f.ReadLn();
  f.Close();
  return true;
}

bool AnyOpenError(const EInOutError&) { return true; }
bool NotFound(const EInOutError& e) { return e.ErrorCode == 2 || e.ErrorCode == 3; }

}  // namespace

bool ReadClientPassword(std::string& password) { return ReadFirstLine(password, AnyOpenError); }

bool ReadExistingClientPassword(std::string& password) { return ReadFirstLine(password, NotFound); }

bool ClientPasswordLocks() {
  std::string password;
  return ReadClientPassword(password) && !password.empty();
}

bool ClientPasswordFileExists() {
  std::error_code ec;
  return std::filesystem::exists(MapPath(kClientPasswordFile), ec);
}

std::string ClientPasswordFileRefusal() {
  const std::string path = MapPath(kClientPasswordFile);
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "";
  if (!S_ISREG(st.st_mode))
    return path + " is not a regular file: the password is not changed.";
  if (static_cast<uintmax_t>(st.st_size) > kClientPasswordFileMaxBytes)
    return path + " is too large for a password file: the password is not changed.";
  return "";
}

void WriteClientPassword(const std::string& password) {
  // A password is nobody else's business: the file is for its owner only, a failed write leaves
  // the old one intact, and a link planted in its place never sends it elsewhere.
  TStringList file;
  file.Add(password);
  file.SaveToFile(kClientPasswordFile, 0600, TStringList::Links::Refuse);
}

// ---- Menu commands and the calibration lock button ----

void TForm1::Frm1MMenUnlockFrontendClick() {
  if (fUserPassword) fUserPassword->ShowModal();
}

// The same dialog as "Unlock Frontend": the entry alone decides what it opens.
void TForm1::MMenSiteModePswClick() {
  if (fUserPassword) fUserPassword->ShowModal();
}

void TForm1::UserpasswordSetupClick() {
  if (fPasswordEdit) fPasswordEdit->ShowModal();
}

void TForm1::bCalbLockClick() {
  if (!CalibLocked) {
    CalibLocked = true;
    bCalbLock.SetCaption("Unlock calibration facility");
    panelLockCalb.SetColor(clBtnFace);
    return;
  }
  if (!fPassword) return;
  switch (fPassword->ShowModal()) {
    case mrOk:
      CalibLocked = false;
      bCalbLock.SetCaption("Lock calibration facility !");
      panelLockCalb.SetColor(clYellow);
      break;
    case mrAbort:
      MessageDlg("Access denied !", TMsgDlgType::mtError);
      break;
    default:
      break;  // cancelled
  }
}
