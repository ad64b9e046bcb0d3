// Typing at a caret, as the Qt backend feeds keys into an edit: the model decides, OnKeyPress
// first, and the caret lands where the widget must put it.
#include <gtest/gtest.h>

#include "platform/headless/Headless.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace {

struct KeyCase {
  const char* name;
  const char* before;
  int selStart, selLength;
  char key;
  int maxLength;
  const char* after;
  int caret;
};

// clang-format off
constexpr KeyCase kCases[] = {
    {"insert at caret", "abc", 1, 0, 'X', 0, "aXbc", 2},
    {"append at end", "abc", 3, 0, 'd', 0, "abcd", 4},
    {"replace selection", "abcdef", 1, 3, 'X', 0, "aXef", 2},
    {"backspace before caret", "abc", 2, 0, 8, 0, "ac", 1},
    {"backspace at start does nothing", "abc", 0, 0, 8, 0, "abc", 0},
    {"backspace removes selection", "abcdef", 1, 3, 8, 0, "aef", 1},
    {"return is not inserted", "abc", 3, 0, '\r', 0, "abc", 3},
    {"max length stops typing", "abc", 3, 0, 'd', 3, "abc", 3},
    {"max length allows replacing a selection", "abc", 0, 1, 'X', 3, "Xbc", 1},
    {"caret outside the text is clamped", "ab", 9, 4, 'c', 0, "abc", 3},
    {"code page byte inserted as is", "ab", 2, 0, '\xe9', 0, "ab\xe9", 3},
};
// clang-format on

// A case's name as a test name: what is not a letter or digit becomes '_'.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string n = info.param.name;
  for (char& c : n)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return n;
}

class EditKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EditKeys, TypingAtCaret) {
  const KeyCase& k = GetParam();
  HeadlessBackend hb;
  TApplication app(&hb);
  TForm form("F", "F");
  TEdit ed(&form, "ed", k.before);
  ed.MaxLength = k.maxLength;
  int changes = 0;
  ed.OnChange = [&] { ++changes; };
  const int caret = ed.UserKeyAt(k.key, k.selStart, k.selLength);
  EXPECT_EQ(ed.Text(), k.after);
  EXPECT_EQ(caret, k.caret);
  EXPECT_EQ(changes, std::string(k.before) == k.after ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditKeys, ::testing::ValuesIn(kCases), CaseName<KeyCase>);

TEST(EditKeysHandler, KeyPressSeesEveryKeyAndMayDropOrChangeIt) {
  HeadlessBackend hb;
  TApplication app(&hb);
  TForm form("F", "F");
  TEdit ed(&form, "ed", "12");
  std::string seen;
  ed.OnKeyPress = [&](char& c) {
    seen += c;
    if (c == 'x') c = 0;    // dropped
    if (c == 'a') c = 'A';  // changed
  };
  EXPECT_EQ(ed.UserKeyAt('x', 1, 0), 1);
  EXPECT_EQ(ed.UserKeyAt('a', 1, 0), 2);
  EXPECT_EQ(ed.UserKeyAt('\r', 2, 0), 2);
  EXPECT_EQ(seen, "xa\r");
  EXPECT_EQ(ed.Text(), "1A2");
}

TEST(EditKeysHandler, ReadOnlyAndDisabledEditsIgnoreKeys) {
  HeadlessBackend hb;
  TApplication app(&hb);
  TForm form("F", "F");
  TEdit ro(&form, "ro", "a");
  ro.ReadOnly = true;
  TEdit off(&form, "off", "a");
  off.SetEnabled(false);
  TSpinEdit buttonsOnly(&form, "spin", 0, 10, 5);
  buttonsOnly.EditorEnabled = false;
  for (TCustomEdit* e : {static_cast<TCustomEdit*>(&ro), static_cast<TCustomEdit*>(&off),
                         static_cast<TCustomEdit*>(&buttonsOnly)}) {
    const std::string before = e->Text();
    e->UserKeyAt('1', 0, 0);
    EXPECT_EQ(e->Text(), before) << e->Name();
  }
}

// A paste (Ctrl+V, the middle button, a drop) is held to what typing allows: the field's key
// filter (here digits only), no control character, the selection replaced by what is taken.
struct PasteCase {
  const char* name;
  const char* before;
  int selStart, selLength;
  const char* pasted;
  int maxLength;
  const char* after;
  int caret;
};
// clang-format off
constexpr PasteCase kPastes[] = {
    {"refused first character still replaces the selection", "1873", 0, 4, "#5", 0, "5", 1},
    {"refused characters anywhere", "", 0, 0, "1x2 3", 0, "123", 3},
    {"line break and tab stay out", "9", 1, 0, "4\n5\t6\r", 0, "9456", 4},
    {"backspace in the text removes nothing", "12", 2, 0, "\b3", 0, "123", 3},
    {"all refused keeps text and selection", "1873", 1, 2, "#x\n", 0, "1873", 3},
    {"inserted at the caret", "19", 1, 0, "55", 0, "1559", 3},
    {"max length stops the paste", "12", 2, 0, "3456", 4, "1234", 4},
};
// clang-format on

class EditPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(EditPaste, HeldToWhatTypingAllows) {
  const PasteCase& k = GetParam();
  HeadlessBackend hb;
  TApplication app(&hb);
  TForm form("F", "F");
  TEdit ed(&form, "ed", k.before);
  ed.MaxLength = k.maxLength;
  ed.OnKeyPress = [](char& c) {
    if ((c < '0' || c > '9') && c != 8) c = 0;
  };
  EXPECT_EQ(ed.UserPasteAt(k.pasted, k.selStart, k.selLength), k.caret);
  EXPECT_EQ(ed.Text(), k.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditPaste, ::testing::ValuesIn(kPastes), CaseName<PasteCase>);

// An edit the backend performed itself never leaves a control character in the line.
TEST(EditPasteBackend, BackendEditsDropControlCharacters) {
  HeadlessBackend hb;
  TApplication app(&hb);
  TForm form("F", "F");
  TEdit ed(&form, "ed", "");
  ed.UserSetText("Pump\nhouse\t3\r");
  EXPECT_EQ(ed.Text(), "Pumphouse3");
}

}  // namespace
