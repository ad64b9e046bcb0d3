// Access levels: the client password file, the menu commands that open the password dialogs and
// the calibration lock button.
#include "main/Access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
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
    f.Reset();
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
  struct stat st {};
  return ::stat(MapPath(kClientPasswordFile).c_str(), &st) == 0;
}

namespace {

[[noreturn]] void FailWrite(int err) { throw EInOutError(EInOutError::CodeFromErrno(err, true)); }

}  // namespace

void WriteClientPassword(const std::string& password) {
  // A password is nobody else's business: the new file is created for its owner only, filled in
  // a temporary file beside it and renamed over the old one, so a failure leaves the old intact.
  const std::string path = MapPath(kClientPasswordFile);
  static std::atomic<unsigned> counter{0};
  const std::string tmp = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (fd < 0) FailWrite(errno);
  const std::string data = password + "\r\n";
  size_t done = 0;
  int err = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      break;
    }
    done += static_cast<size_t>(n);
  }
  if (err == 0 && ::fchmod(fd, S_IRUSR | S_IWUSR) != 0) err = errno;  // whatever the umask did
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(tmp.c_str());
    FailWrite(err);
  }
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
