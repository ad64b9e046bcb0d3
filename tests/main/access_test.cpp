// Access levels: the client password file, the user password dialog with its keywords, the
// factory password and the calibration lock, the user password editor, and the menu commands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "main/Access.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "support/EditorWorld.h"

namespace {

std::string PasswordPath() { return DriveCRoot() + "/TQ.psw"; }

void WriteFile(const std::string& bytes) {
  std::ofstream(PasswordPath(), std::ios::binary) << bytes;
}

std::optional<std::string> ReadFile() {
  std::ifstream in(PasswordPath(), std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Access : ::testing::Test {
  EditorWorld w{false};
  TForm1& f = w.f1();

  // Runs a modal dialog with the user's steps done inside it; returns its modal result.
  int Modal(TForm& dialog, std::function<void()> steps) {
    w.hb.After(5, std::move(steps));
    return dialog.ShowModal();
  }
};

}  // namespace

TEST_F(Access, FirstLineOfTheFileDecidesTheStartUpLock) {
  struct Case {
    std::optional<std::string> file;
    bool locks;
    const char* password;
  } cases[] = {
      {std::nullopt, false, ""},
      {"secret\r\n", true, "secret"},
      {"\r\nsecond\r\n", false, ""},
      {"no line end", true, "no line end"},
      {"", false, ""},
      {"two\nlines\n", true, "two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file ? *c.file : "no file");
    std::filesystem::remove(PasswordPath());
    if (c.file) WriteFile(*c.file);
    EXPECT_EQ(ClientPasswordLocks(), c.locks);
    std::string password = "x";
    EXPECT_EQ(ReadClientPassword(password), c.file.has_value());
    EXPECT_EQ(password, c.password);
  }
}

// The password file is outside input: in its place a named pipe (which would block start-up),
// a device that never ends, or a file far too large for a password reads as an unreadable file.
TEST_F(Access, OnlyARegularFileOfSaneSizeIsReadAsThePasswordFile) {
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  // clang-format off
  const Case cases[] = {
      {"named pipe", [] { ASSERT_EQ(::mkfifo(PasswordPath().c_str(), 0600), 0); }},
      {"link to a device", [] { std::filesystem::create_symlink("/dev/zero", PasswordPath()); }},
      {"oversized file", [] { WriteFile("secret\r\n" + std::string(kClientPasswordFileMaxBytes, 'x')); }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(PasswordPath());
    c.make();
    EXPECT_FALSE(ClientPasswordLocks());
    std::string password = "x";
    EXPECT_FALSE(ReadClientPassword(password));
    EXPECT_EQ(password, "");
  }
  std::filesystem::remove(PasswordPath());
  WriteFile("secret\r\n" + std::string(1000, 'x'));  // large for a password, still read
  EXPECT_TRUE(ClientPasswordLocks());
  std::filesystem::remove(PasswordPath());
}

TEST(AccessCases, UserPasswordDialogEntries) {
  constexpr const char* kNone = nullptr;
  struct Case {
    const char* file;  // first line, or none
    const char* entry;
    int result;
    bool unlocked, siteMode;
    // clang-format off
  } cases[] = {
      {kNone, "", mrOk, true, false},                     // no password: an empty entry unlocks
      {"secret", "secret", mrOk, true, false},
      {"secret", "Secret", mrAbort, false, false},        // exact, case-sensitive
      {"secret", "", mrAbort, false, false},
      {"secret", "pastoral", mrOk, true, false},
      {"secret", "tumbleweedfires", mrCancel, true, true},
      {kNone, "tumbleweedfires", mrCancel, true, true},
      {"", "", mrOk, true, false},                        // an empty first line is no password
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file ? c.file : "(no file)") + " / " + c.entry);
    EditorWorld world(false);
    TForm1& form = world.f1();
    if (c.file) WriteFile(std::string(c.file) + "\r\n");
    form.FrontendLocked = true;
    world.hb.After(5, [&] {
      fUserPassword->meUserPassword.UserType(c.entry);
      fUserPassword->bOK.UserClick();
    });
    EXPECT_EQ(fUserPassword->ShowModal(), c.result);
    EXPECT_EQ(fUserPassword->meUserPassword.Text(), "");
    EXPECT_EQ(form.FrontendLocked, !c.unlocked);
    EXPECT_EQ(form.SiteModeActive, c.siteMode);
    EXPECT_EQ(form.tsCalibration.TabVisible(), c.siteMode);
    EXPECT_EQ(FrmFileDialog->MemFileTempFile.Visible(), c.siteMode);
    EXPECT_EQ(FrmFileDialog->LblFileDiagMemoLineCounter.Visible(), c.siteMode);
    EXPECT_TRUE(world.hb.boxes.empty());
  }
}

TEST_F(Access, UserPasswordDialogEnterKeyCancelAndLength) {
  WriteFile("secret\r\n");
  f.FrontendLocked = true;
  EXPECT_EQ(Modal(*fUserPassword,
                  [] {
                    fUserPassword->meUserPassword.UserType("typed"),
                        fUserPassword->bCancel.UserClick();
                  }),
            mrCancel);
  EXPECT_EQ(fUserPassword->meUserPassword.Text(), "");
  EXPECT_TRUE(f.FrontendLocked);
  EXPECT_EQ(Modal(*fUserPassword, [] { fUserPassword->meUserPassword.UserType("secret\r"); }),
            mrOk);
  EXPECT_FALSE(f.FrontendLocked);
  fUserPassword->meUserPassword.UserType(std::string(25, 'a'));
  EXPECT_EQ(fUserPassword->meUserPassword.Text().size(), 20u);
}

TEST_F(Access, MenuCommandsOpenTheDialogs) {
  WriteFile("secret\r\n");
  f.FrontendLocked = true;
  w.hb.After(
      5, [] { fUserPassword->meUserPassword.UserType("secret"), fUserPassword->bOK.UserClick(); });
  f.Frm1MMenUnlockFrontendClick();
  EXPECT_FALSE(f.FrontendLocked);
  EXPECT_FALSE(f.SiteModeActive);
  w.hb.After(5, [] {
    fUserPassword->meUserPassword.UserType("tumbleweedfires"), fUserPassword->bOK.UserClick();
  });
  f.MMenSiteModePswClick();
  EXPECT_TRUE(f.SiteModeActive);
  bool shown = false;
  w.hb.After(5, [&] { shown = fPasswordEdit->Visible(), fPasswordEdit->Close(); });
  f.UserpasswordSetupClick();
  EXPECT_TRUE(shown);
}

TEST(AccessCases, CalibrationLockWithTheFactoryPassword) {
  struct Case {
    const char* entry;  // nullptr: Cancel
    bool unlocked;
    const char* box;
    // clang-format off
  } cases[] = {
      {"quiltrove", true, nullptr},
      {"Quiltrove", false, "Access denied !"},
      {"", false, "Access denied !"},  // only the right password unlocks
      {nullptr, false, nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry ? c.entry : "(cancel)");
    EditorWorld world(false);
    TForm1& form = world.f1();
    ASSERT_TRUE(CalibLocked);
    world.hb.After(5, [&] {
      if (!c.entry) return fPassword->bCancel.UserClick();
      fPassword->ePSW.UserType(c.entry);
      fPassword->bOk.UserClick();
    });
    form.bCalbLock.UserClick();
    EXPECT_EQ(CalibLocked, !c.unlocked);
    EXPECT_EQ(fPassword->ePSW.Text(), "");
    EXPECT_EQ(form.bCalbLock.Caption(),
              c.unlocked ? "Lock calibration facility !" : "Unlock calibration facility");
    EXPECT_EQ(form.panelLockCalb.Color(), c.unlocked ? clYellow : clBtnFace);
    if (c.box) {
      ASSERT_EQ(world.hb.boxes.size(), 1u);
      EXPECT_EQ(world.hb.boxes[0].kind, BoxKind::Error);
      EXPECT_EQ(world.hb.boxes[0].text, c.box);
    } else {
      EXPECT_TRUE(world.hb.boxes.empty());
    }
    if (c.unlocked) {
      // The same button locks again without asking (no dialog is scheduled to answer).
      form.bCalbLock.UserClick();
      EXPECT_TRUE(CalibLocked);
      EXPECT_EQ(form.bCalbLock.Caption(), "Unlock calibration facility");
      EXPECT_EQ(form.panelLockCalb.Color(), clBtnFace);
    }
  }
}

TEST_F(Access, EditorSetsTheFirstPassword) {
  auto& ed = *fPasswordEdit;
  EXPECT_EQ(
      Modal(ed,
            [&] {
              EXPECT_FALSE(ed.ebClientPassword_2.Visible());
              EXPECT_FALSE(ed.Label2.Visible());
              EXPECT_FALSE(ed.Label3.Visible());
              ed.ebClientPassword_1.UserType("first");
              ed.bSavePassword.UserClick();
              EXPECT_EQ(ed.Label3.Caption(), "Password is changed.");
              EXPECT_TRUE(ed.Label3.Visible());
              EXPECT_EQ(ed.ebClientPassword_1.Text(), "");
              EXPECT_FALSE(ed.ebClientPassword_2.Visible());  // until the editor is opened again
              ed.Close();
            }),
      mrCancel);
  EXPECT_EQ(ReadFile(), "first\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(PasswordPath().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // The dialog takes the new password at once.
  f.FrontendLocked = true;
  Modal(*fUserPassword, [] { fUserPassword->meUserPassword.UserType("first\r"); });
  EXPECT_FALSE(f.FrontendLocked);
}

TEST_F(Access, EditorChangesThePasswordOnlyWithTheOldOne) {
  WriteFile("old\r\n");
  ::chmod(PasswordPath().c_str(), 0644);
  auto& ed = *fPasswordEdit;
  EXPECT_EQ(ed.ebClientPassword_1.MaxLength, 20);
  const std::string longPassword(25, 'n');  // longer than the dialog lets anyone type
  Modal(ed, [&] {
    EXPECT_TRUE(ed.ebClientPassword_2.Visible());
    EXPECT_TRUE(ed.Label2.Visible());
    ed.ebClientPassword_1.UserType("wrong");
    ed.ebClientPassword_2.UserType("new");
    ed.bSavePassword.UserClick();
    EXPECT_EQ(ed.Label3.Caption(), "Access denied !");
    EXPECT_TRUE(ed.Label3.Visible());
    EXPECT_EQ(ReadFile(), "old\r\n");
    ed.ebClientPassword_1.UserType("old");
    ed.ebClientPassword_2.UserType(longPassword);
    ed.bSavePassword.UserClick();
    EXPECT_EQ(ed.Label3.Caption(), "Password is changed.");
    ed.Close();
  });
  EXPECT_EQ(ReadFile(), longPassword + "\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(PasswordPath().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_TRUE(w.hb.boxes.empty());
  // Opened again, the editor starts empty with its answer line hidden.
  Modal(ed, [&] {
    EXPECT_EQ(ed.ebClientPassword_1.Text(), "");
    EXPECT_EQ(ed.ebClientPassword_2.Text(), "");
    EXPECT_FALSE(ed.Label3.Visible());
    ed.Close();
  });
}

TEST_F(Access, EditorNeverReplacesAFileItCannotRead) {
  std::filesystem::create_directory(PasswordPath());  // there, but no readable file
  EXPECT_FALSE(ClientPasswordLocks());
  auto& ed = *fPasswordEdit;
  // The save fails, so the dialog is closed by a step of its own.
  w.hb.After(5, [&] { ed.ebClientPassword_1.UserType("intruder"), ed.bSavePassword.UserClick(); });
  w.hb.After(10, [&] { ed.Close(); });
  ed.ShowModal();
  ASSERT_EQ(w.hb.boxes.size(), 1u);  // the standard error box
  EXPECT_FALSE(ed.Label3.Visible());
  EXPECT_TRUE(std::filesystem::is_directory(PasswordPath()));
  std::filesystem::remove(PasswordPath());
}

TEST_F(Access, EditorReportsAFileThatCannotBeWritten) {
  const std::string root = DriveCRoot();
  const std::string blocker = root + "/not_a_folder";
  std::ofstream(blocker) << "x";
  ::setenv("VUMA_DRIVE_C", blocker.c_str(), 1);  // drive C under a plain file
  auto& ed = *fPasswordEdit;
  w.hb.After(5, [&] { ed.ebClientPassword_1.UserType("pw"), ed.bSavePassword.UserClick(); });
  w.hb.After(10, [&] { ed.Close(); });
  ed.ShowModal();
  ::setenv("VUMA_DRIVE_C", root.c_str(), 1);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_FALSE(ed.Label3.Visible());
  EXPECT_EQ(ed.ebClientPassword_1.Text(), "pw");
  EXPECT_EQ(ReadFile(), std::nullopt);
  std::filesystem::remove(blocker);
}

// The password is written only as a regular file: a link planted in the file's place (to a file
// whose first line is the old password, or to one not there yet), a named pipe or a file too large
// for a password is refused with a message and never written through.
TEST_F(Access, EditorNeverWritesThroughALinkOrAnyOtherNonRegularFile) {
  const std::string elsewhere = DriveCRoot() + "/elsewhere.txt";
  const std::string path = MapPath(kClientPasswordFile);
  struct Case {
    const char* name;
    std::function<void()> make;
    std::string message;
  };
  const std::string notRegular = path + " is not a regular file: the password is not changed.";
  // clang-format off
  const Case cases[] = {
      {"link to another file", [&] {
         std::ofstream(elsewhere, std::ios::binary) << "old\r\nsomeone else's line\r\n";
         std::filesystem::create_symlink(elsewhere, PasswordPath()); }, notRegular},
      {"link to no file yet", [&] { std::filesystem::create_symlink(elsewhere, PasswordPath()); }, notRegular},
      {"named pipe", [] { ASSERT_EQ(::mkfifo(PasswordPath().c_str(), 0600), 0); }, notRegular},
      {"oversized file", [] { WriteFile("old\r\n" + std::string(kClientPasswordFileMaxBytes, 'x')); },
       path + " is too large for a password file: the password is not changed."},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(PasswordPath());
    std::filesystem::remove(elsewhere);
    c.make();
    auto elsewhereText = [&]() -> std::optional<std::string> {
      std::ifstream in(elsewhere, std::ios::binary);
      if (!in) return std::nullopt;
      return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::optional<std::string> target = elsewhereText();
    w.hb.boxes.clear();
    auto& ed = *fPasswordEdit;
    Modal(ed, [&] {
      ed.ebClientPassword_1.UserType("old");
      ed.ebClientPassword_2.UserType("new");
      ed.bSavePassword.UserClick();
      ed.Close();
    });
    ASSERT_EQ(w.hb.boxes.size(), 1u);
    EXPECT_EQ(w.hb.boxes[0].text, c.message);
    EXPECT_FALSE(ed.Label3.Visible());
    EXPECT_EQ(elsewhereText(), target);
    // The writer itself refuses a link too, whatever its caller checked.
    if (std::filesystem::is_symlink(PasswordPath())) {
      EXPECT_THROW(WriteClientPassword("new"), EInOutError);
      EXPECT_TRUE(std::filesystem::is_symlink(PasswordPath()));
    }
  }
  std::filesystem::remove(PasswordPath());
  std::filesystem::remove(elsewhere);
}
