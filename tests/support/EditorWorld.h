#pragma once
// The link's windows (LinkWorld) plus the password dialogs and the file error log window, with
// the editors' hooks in the comms setup window, on the headless backend. The test relay is on the
// line unless told otherwise. Drive C is a fresh folder of its own.
#include <cstdlib>
#include <filesystem>

#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/rtl/Paths.h"
#include "support/LinkWorld.h"

// Never the user's own drive C: without a test folder from the test runner, one beside the test
// program, so that a test run by hand leaves nothing outside the build folder either.
inline bool UseTestDriveC() {
  const std::string root = ProgramFolder() + "drive_c_by_hand";
  ::setenv("VUMA_DRIVE_C", root.c_str(), 0);
  return true;
}

struct EditorWorld : LinkWorld {
  explicit EditorWorld(bool withRelay = true) : LinkWorld((UseTestDriveC(), withRelay)) {
    app.CreateForm(fPassword);
    app.CreateForm(fPasswordEdit);
    app.CreateForm(fUserPassword);
    app.CreateForm(FrmFileDialog);
    std::filesystem::create_directories(DriveCRoot());
    std::filesystem::remove(DriveCRoot() + "/TQ.psw");
    // The loop's first turn puts the editors' hooks into the comms setup window.
    hb.RunFor(1);
  }
  ~EditorWorld() {
    fPassword = nullptr;
    fPasswordEdit = nullptr;
    fUserPassword = nullptr;
    FrmFileDialog = nullptr;
  }

  // The boxes shown so far, as their texts.
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : hb.boxes) out.push_back(b.text);
    return out;
  }
};
