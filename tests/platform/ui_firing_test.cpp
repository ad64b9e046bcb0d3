// The firing rules of the control model: which action fires which event.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/Headless.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Instruments.h"

namespace {

struct Fixture {
  HeadlessBackend hb;
  TApplication app{&hb};
};

class FormUnderTest : public TForm {
 public:
  FormUnderTest() : TForm("FormUnderTest", "Test") {}
  TEdit edit{this, "edit"};
  TEdit other{this, "other"};
  TSpinEdit spin{this, "spin", 10, 20, 15};
  TSpinEdit fixed{this, "fixed", 0, 0, 5};
  TComboBox combo{this, "combo"};
  TCheckBox check{this, "check"};
  TRadioGroup radio{this, "radio"};
  TStringGrid grid{this, "grid", 3, 3};
  TMemo memo{this, "memo"};
  TProgressBar bar{this, "bar"};
  TPageControl pages{this, "pages"};
  TTabSheet page1{&pages, "page1"};
  TTabSheet page2{&pages, "page2"};
  TiLedRectangle led{this, "led"};
  TiSwitchLed swled{this, "swled"};
  TiSlider slider{this, "slider"};
  TButton button{this, "button"};
  TToolBar toolbar{this, "toolbar"};
  TToolButton tool{&toolbar, "tool"};
  TMainMenu menu{this, "menu"};
  TMenuItem file{&menu, "file", "&File"};
  TMenuItem item{&file, "item", "Item", "F6"};
};

// Records every event of the form as "control.Event".
struct Log {
  std::vector<std::string> events;
  std::function<void()> Note(const std::string& s) {
    return [this, s] { events.push_back(s); };
  }
};

void Wire(FormUnderTest& f, Log& log) {
  f.edit.OnChange = log.Note("edit.OnChange");
  f.edit.OnExit = log.Note("edit.OnExit");
  f.other.OnExit = log.Note("other.OnExit");
  f.spin.OnChange = log.Note("spin.OnChange");
  f.spin.OnExit = log.Note("spin.OnExit");
  f.combo.OnChange = log.Note("combo.OnChange");
  f.check.OnClick = log.Note("check.OnClick");
  f.radio.OnClick = log.Note("radio.OnClick");
  f.grid.OnSelectCell = [&log](int c, int r, bool&) { log.events.push_back("grid.OnSelectCell"); };
  f.memo.OnChange = log.Note("memo.OnChange");
  f.page1.OnShow = log.Note("page1.OnShow");
  f.page2.OnShow = log.Note("page2.OnShow");
  f.pages.OnChange = log.Note("pages.OnChange");
  f.swled.OnClick = log.Note("swled.OnClick");
  f.slider.OnPositionChange = log.Note("slider.OnPositionChange");
  f.slider.OnPositionChangeFinished = log.Note("slider.OnPositionChangeFinished");
  f.button.OnClick = log.Note("button.OnClick");
  f.tool.OnClick = log.Note("tool.OnClick");
  f.item.OnClick = log.Note("item.OnClick");
}

struct Case {
  const char* name;
  std::function<void(FormUnderTest&)> setup;
  std::function<void(FormUnderTest&)> action;
  std::vector<std::string> fired;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class FiringRules : public ::testing::TestWithParam<Case> {};

TEST_P(FiringRules, FiresExactly) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  f->combo.SetItems({"a", "b", "c"});
  f->radio.Items.Add("x");
  f->radio.Items.Add("y");
  if (GetParam().setup) GetParam().setup(*f);
  Log log;
  Wire(*f, log);
  GetParam().action(*f);
  EXPECT_EQ(log.events, GetParam().fired) << GetParam().name;
}

using F = FormUnderTest;
// clang-format off
const Case kCases[] = {
    {"edit text set in code fires OnChange", nullptr, [](F& f) { f.edit.SetText("12"); }, {"edit.OnChange"}},
    {"edit same text fires nothing", [](F& f) { f.edit.SetText("12"); }, [](F& f) { f.edit.SetText("12"); }, {}},
    {"spin value set shows clamped text", nullptr, [](F& f) { f.spin.SetValue(99); }, {"spin.OnChange"}},
    {"spin value equal to shown fires nothing", nullptr, [](F& f) { f.spin.SetValue(15); }, {}},
    {"spin limits change fires nothing", nullptr, [](F& f) { f.spin.SetMaxValue(12); f.spin.SetMinValue(11); }, {}},
    {"combo index in code fires nothing", nullptr, [](F& f) { f.combo.SetItemIndex(1); }, {}},
    {"combo items cleared fires nothing", nullptr, [](F& f) { f.combo.Items.Clear(); }, {}},
    {"combo user pick fires OnChange", nullptr, [](F& f) { f.combo.UserPick(2); }, {"combo.OnChange"}},
    {"check set in code fires OnClick", nullptr, [](F& f) { f.check.SetChecked(true); }, {"check.OnClick"}},
    {"check unchanged fires nothing", nullptr, [](F& f) { f.check.SetChecked(false); }, {}},
    {"check user click fires OnClick", nullptr, [](F& f) { f.check.UserClick(); }, {"check.OnClick"}},
    {"radio changed fires OnClick", nullptr, [](F& f) { f.radio.SetItemIndex(1); }, {"radio.OnClick"}},
    {"radio same item fires nothing", [](F& f) { f.radio.SetItemIndex(1); }, [](F& f) { f.radio.SetItemIndex(1); }, {}},
    {"grid write fires nothing", nullptr, [](F& f) { f.grid.SetCell(1, 1, "x"); }, {}},
    {"grid user select fires OnSelectCell", nullptr, [](F& f) { f.grid.UserSelectCell(2, 2); }, {"grid.OnSelectCell"}},
    {"memo line write fires OnChange", nullptr, [](F& f) { f.memo.Lines.Add("x"); }, {"memo.OnChange"}},
    {"active page in code fires OnShow only", nullptr, [](F& f) { f.pages.SetActivePage(&f.page2); }, {"page2.OnShow"}},
    {"user tab fires OnShow then OnChange", nullptr, [](F& f) { f.pages.UserSelectTab(&f.page2); }, {"page2.OnShow", "pages.OnChange"}},
    {"lamp set in code fires nothing", nullptr, [](F& f) { f.led.SetActive(true); f.swled.SetActive(true); }, {}},
    {"switch lamp user click", nullptr, [](F& f) { f.swled.UserClick(); }, {"swled.OnClick"}},
    {"slider in code fires change only", nullptr, [](F& f) { f.slider.SetPosition(5); }, {"slider.OnPositionChange"}},
    {"slider user move fires both", nullptr, [](F& f) { f.slider.UserMove(7); }, {"slider.OnPositionChange", "slider.OnPositionChangeFinished"}},
    {"user focus move fires OnExit of the control left", [](F& f) { f.edit.SetFocus(); }, [](F& f) { f.other.UserType("1"); }, {"edit.OnExit"}},
    {"focus set in code fires no OnExit", [](F& f) { f.edit.SetFocus(); }, [](F& f) { f.other.SetFocus(); }, {}},
    {"button takes focus: OnExit then OnClick", [](F& f) { f.edit.SetFocus(); }, [](F& f) { f.button.UserClick(); }, {"edit.OnExit", "button.OnClick"}},
    {"tool button takes no focus", [](F& f) { f.edit.SetFocus(); }, [](F& f) { f.tool.UserClick(); }, {"tool.OnClick"}},
    {"menu shortcut takes no focus", [](F& f) { f.edit.SetFocus(); }, [](F& f) { f.menu.UserShortCut("F6"); }, {"item.OnClick"}},
    {"disabled menu item ignores its shortcut", [](F& f) { f.item.SetEnabled(false); }, [](F& f) { f.menu.UserShortCut("F6"); }, {}},
    {"spin leave: OnExit, then clamp", [](F& f) { f.spin.SetFocus(); f.spin.SetText("25"); }, [](F& f) { f.edit.UserType(""); }, {"spin.OnExit", "spin.OnChange"}},
    {"spin leave emptied stays empty", [](F& f) { f.spin.SetFocus(); f.spin.SetText(""); }, [](F& f) { f.edit.UserType(""); }, {"spin.OnExit"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Controls, FiringRules, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string n = info.param.name;
  for (auto& c : n)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return n;
});

TEST(ControlValues, SpinValueReadsTextOrMinimumAndNeverClamps) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  struct {
    const char* text;
    int value;
  } cases[] = {{"17", 17}, {"99", 99}, {"", 10}, {"abc", 10}, {"-5", -5}, {"1x", 10}};
  for (auto& c : cases) {
    f->spin.SetText(c.text);
    EXPECT_EQ(f->spin.Value(), c.value) << c.text;
  }
  // Min = Max: no clamping at all.
  f->fixed.SetValue(-40);
  EXPECT_EQ(f->fixed.Text(), "-40");
}

TEST(ControlValues, LeavingSpinRewritesOnlyAValueTheRangeChanges) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  // Range 10..20: a text that is no number reads as 10, which the range keeps, so it stays.
  struct {
    const char* typed;
    const char* left;
  } cases[] = {{"-", "-"},   {"+", "+"},   {"", ""},      {"5", "10"},
               {"25", "20"}, {"-3", "10"}, {"012", "012"}};
  for (auto& c : cases) {
    f->spin.SetFocus();
    f->spin.SetText(c.typed);
    f->other.UserType("1");
    EXPECT_EQ(f->spin.Text(), c.left) << c.typed;
  }
}

TEST(ControlValues, ComboIndexOutsideListAndGridOutsideCells) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  f->combo.SetItems({"a", "b"});
  f->combo.SetItemIndex(5);
  EXPECT_EQ(f->combo.ItemIndex(), -1);
  f->combo.SetItemIndex(1);
  f->combo.Items.Clear();
  EXPECT_EQ(f->combo.ItemIndex(), -1);
  f->grid.SetCell(7, 7, "lost");
  EXPECT_EQ(f->grid.Cell(7, 7), "");
  EXPECT_EQ(f->grid.Cell(-1, 0), "");
  f->bar.SetMax(10);
  f->bar.SetPosition(15);
  EXPECT_EQ(f->bar.Position(), 10);
  f->bar.SetPosition(-3);
  EXPECT_EQ(f->bar.Position(), 0);
}

TEST(ControlValues, TypingHonoursKeyFilterAndMaxLength) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  f->edit.MaxLength = 3;
  f->edit.OnKeyPress = [](char& c) {
    if (c == 'x') c = 0;
  };
  f->edit.UserType("1x2345");
  EXPECT_EQ(f->edit.Text(), "123");
  f->edit.SetText("too long for typing");  // code may exceed MaxLength
  EXPECT_EQ(f->edit.Text(), "too long for typing");
  f->spin.EditorEnabled = false;
  f->spin.UserType("12");
  EXPECT_EQ(f->spin.Text(), "15");
  f->spin.UserStep(+1);
  EXPECT_EQ(f->spin.Text(), "16");
}

TEST(ControlValues, ExitHandlerSendingFocusBackWins) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  f->edit.OnExit = [f] { f->edit.SetFocus(); };
  f->edit.SetFocus();
  f->other.UserType("9");
  EXPECT_EQ(f->ActiveControl(), &f->edit);
  EXPECT_EQ(f->other.Text(), "");
}

}  // namespace

namespace {

TEST(ControlValues, SortedComboKeepsItsOrderAndSelection) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  f->combo.Sorted = true;
  f->combo.SetItems({"Modbus", "CANbus", "baud", "Profibus"});
  EXPECT_EQ(f->combo.Items.Lines(),
            (std::vector<std::string>{"baud", "CANbus", "Modbus", "Profibus"}));
  f->combo.SetItemIndex(2);
  f->combo.Items.Add("DeviceNet");  // lands before the selection, which follows its item
  EXPECT_EQ(f->combo.Items[2], "DeviceNet");
  EXPECT_EQ(f->combo.Text(), "Modbus");
}

TEST(ControlValues, TypingIntoAnEditableComboFiresOnChangeOnlyForANewText) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  int changes = 0;
  f->combo.OnChange = [&changes] { ++changes; };
  f->combo.SetItems({"one", "two"});
  f->combo.UserSetText("two");  // a list-only box takes no typed text
  EXPECT_EQ(changes, 0);
  f->combo.Style = TComboBoxStyle::csDropDown;
  f->combo.UserSetText("two");
  f->combo.UserSetText("two");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f->combo.ItemIndex(), 1);
  f->combo.UserSetText("twelve");
  EXPECT_EQ(f->combo.ItemIndex(), -1);
  EXPECT_EQ(f->ActiveControl(), &f->combo);
}

TEST(ControlValues, PlotRingsDropTheOldestPointOfEveryChannel) {
  Fixture fx;
  FormUnderTest* f = nullptr;
  fx.app.CreateForm(f);
  TiPlot plot(f, "plot");
  plot.RingSize = 3;
  for (int i = 0; i < 3; ++i) plot.AddChannel();
  for (int t = 0; t < 5; ++t) plot.AddDataArray(t, {1.0 * t, 2.0 * t});  // one value short
  EXPECT_EQ(plot.GetChannel(0).Points.size(), 3u);
  EXPECT_EQ(plot.GetChannel(0).Points.front(), (std::pair<double, double>(2, 2)));
  EXPECT_EQ(plot.GetChannel(1).Points.back(), (std::pair<double, double>(4, 8)));
  EXPECT_TRUE(plot.GetChannel(2).Points.empty());
  plot.ClearAllData();
  EXPECT_TRUE(plot.GetChannel(0).Points.empty());
}

}  // namespace
