// Program start-up: every window once, in its order, with its caption; only the main window shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Startup.h"
#include "support/FormGlobals.h"
#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/Main.h"
#include "main/PasswordEdit.h"
#include "main/UnitFileDialog.h"
#include "main/UnitMassDwnSel.h"
#include "main/UserPassword.h"
#include "main/uPassword.h"
#include "platform/headless/Headless.h"
#include "platform/serial/Serial.h"
#include "vartable/UnitVarTable.h"

namespace {

struct StartedProgram {
  HeadlessBackend hb;
  TApplication app{&hb};
  explicit StartedProgram(std::vector<std::string> ports = {}) {
    SetPortLister([ports] { return std::optional<std::vector<std::string>>(ports); });
    StartUp(app);
  }
  ~StartedProgram() {
    SetPortLister(nullptr);
    ForgetForms();
  }
};

TEST(StartUp, CreatesTheElevenWindowsInOrderWithTheirCaptions) {
  StartedProgram p;
  struct Expected {
    TForm* form;
    const char* caption;
  };
  // clang-format off
  const Expected expected[] = {
      {Form1, "VUMA Frontend Rev 3B - 03"}, {fPassword, "Factory Password"},
      {fPasswordEdit, "User password editor"}, {fUserPassword, "User Password"},
      {FormVariableTable, "FormVariableTable"}, {FrmProgress, "Progress"},
      {FrmMassDwnSel, "Download Selection"}, {FrmFileDialog, "File error log"},
      {Form2, "Comms Setup"}, {frmCommsBitsSel, "Configurable Bit Selection"},
      {frmCommsWordSel, "Configurable Word Selection"},
  };
  // clang-format on
  const auto& forms = p.app.Forms();
  ASSERT_EQ(forms.size(), std::size(expected));
  for (size_t i = 0; i < forms.size(); ++i) {
    EXPECT_EQ(forms[i].get(), expected[i].form) << i;
    EXPECT_EQ(forms[i]->Caption(), expected[i].caption) << i;
    EXPECT_EQ(forms[i]->Visible(), i == 0) << expected[i].caption;
  }
  EXPECT_EQ(p.app.MainForm(), Form1);
  EXPECT_EQ(p.app.Title, "VUMA Frontend Rev 03B-03");
}

TEST(StartUp, WithNoSerialPortsCompletesSilentlyAndKeepsCom1) {
  StartedProgram p;
  EXPECT_TRUE(p.hb.boxes.empty());
  EXPECT_EQ(Form2->ComComboBox1.Items.Count(), 0);
  EXPECT_EQ(Form2->ComPort1.Port(), "COM1");
  EXPECT_FALSE(Form2->ComPort1.Connected());
}

TEST(StartUp, NoTimerRunsBeforeTheLoop) {
  StartedProgram p;
  // Creation ran no handler of any timer: the link timer has not counted anything yet.
  EXPECT_EQ(p.hb.NowMs(), 0);
  EXPECT_EQ(Form2->RetryCntr, 0);
}

}  // namespace
