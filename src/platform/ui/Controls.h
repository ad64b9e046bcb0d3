#pragma once
// The control model: forms own controls, containers own children. Property setters apply the
// firing rules below; backends observe changes through ControlObserver and feed user input through
// the User* methods, never around them.
//
// Firing rules kept here:
//  - code setting an edit's or spin edit's text fires OnChange only if the shown text changes;
//  - a spin edit's Value reads the text as a decimal integer, or MinValue when it is not one;
//    setting Value clamps unless MinValue == MaxValue; changing the limits re-clamps nothing;
//  - code setting a combo box's ItemIndex or items fires nothing; a user's pick or edit fires
//  OnChange;
//  - a check box fires OnClick when its state changes, by code or user; a radio group likewise;
//  - grid and memo writes fire nothing; a grid read outside the grid is "", a write is ignored;
//  - setting ActivePage in code fires the new page's OnShow only; a user's tab change then
//  OnChange;
//  - progress positions are clamped; lamps fire nothing; slider moves fire OnPositionChange and,
//    for a user's move only, OnPositionChangeFinished;
//  - a user moving the focus within one window fires OnExit of the control left.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

using TNotifyEvent = std::function<void()>;
using TKeyPressEvent = std::function<void(char&)>;
using TColor = int32_t;  // 0x00BBGGRR as the classic colour constants

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clBtnFace = -16777201, clWindow = -16777211,
                 clWindowText = -16777208, clNone = 0x1FFFFFFF, clDefault = 0x20000000;

enum class ControlKind {
  Form,
  Label,
  Button,
  Edit,
  SpinEdit,
  ComboBox,
  CheckBox,
  RadioGroup,
  RadioButton,
  StringGrid,
  Memo,
  ProgressBar,
  MonthCalendar,
  GroupBox,
  Panel,
  PageControl,
  TabSheet,
  MainMenu,
  MenuItem,
  ToolBar,
  ToolButton,
  StatusBar,
  Led,
  SwitchLed,
  Slider,
  AngularGauge,
  AnalogDisplay,
  AnalogOutput,
  Plot,
  SpectrumDisplay,
  SlideSwitch,
  ToggleSwitch,
  ScrollBox,
  Shape,
  Bevel,
  SwitchSlider
};

class TControl;
class TForm;

// Backends observe property changes here to repaint their peers. Setting a property to the value
// it already has notifies nothing, so a handler that rewrites every value on each tick costs no
// repaint for the values that stayed.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(TControl& c) = 0;
  // Called from the control's destructor (its derived parts are already gone): drop the peer.
  virtual void ControlDestroyed(TControl& c) {}
};

class TControl {
 public:
  TControl(TControl* parent, std::string name, ControlKind kind);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Children() const { return children_; }
  TForm* Form() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& s);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  // Visible and every parent up to (not including) the form visible.
  bool Showing() const;
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& s) {
    if (hint_ != s) {
      hint_ = s;
      Changed();
    }
  }
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor c);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool b) {
    if (fontBold_ != b) {
      fontBold_ = b;
      Changed();
    }
  }

  // Bounds as the layout gives them; -1 means "let the backend lay it out".
  int Left = -1, Top = -1, Width = -1, Height = -1;
  void SetBounds(int l, int t, int w, int h) {
    Left = l;
    Top = t;
    Width = w;
    Height = h;
  }
  int Tag = 0;
  int TabOrder = 0;

  // Whether a user can move the focus onto this control.
  virtual bool CanFocus() const { return false; }
  bool Focused() const;
  void SetFocus();

  // A user's action moves the focus here first; false when an exit check kept it elsewhere.
  bool TakeUserFocus();
  // Called when a user's focus leaves this control for another control of the same window.
  virtual void DoExit();
  TNotifyEvent OnExit;
  TNotifyEvent OnEnter;

  void* Peer = nullptr;  // the backend's widget
  static void SetObserver(ControlObserver* o);
  static ControlObserver* Observer();

 protected:
  void Changed();

 private:
  void RemoveChild(TControl* c);
  std::string name_;
  ControlKind kind_;
  TControl* parent_;
  std::vector<TControl*> children_;
  std::string caption_, hint_;
  bool enabled_ = true, visible_ = true, fontBold_ = false;
  TColor color_ = clDefault, fontColor_ = clDefault;
};

class TLabel : public TControl {
 public:
  TLabel(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::Label) {
    SetCaption(caption);
  }
  TNotifyEvent OnClick;
};

class TBevel : public TControl {
 public:
  TBevel(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::Bevel) {}
};

class TShape : public TControl {
 public:
  TShape(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::Shape) {}
};

class TButton : public TControl {
 public:
  TButton(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::Button) {
    SetCaption(caption);
  }
  bool CanFocus() const override { return true; }
  int ModalResult = 0;   // closes a modal form with this result when clicked
  bool Default = false;  // Enter in its window clicks it
  bool Cancel = false;   // Escape in its window clicks it
  TNotifyEvent OnClick;
  // A user's click: the button takes the focus (OnExit of the control left), then OnClick.
  void UserClick();
  // Run the click as code does (no focus change).
  void Click();
};

// Text editors: edits and spin edits share the typing rules.
class TCustomEdit : public TControl {
 public:
  using TControl::TControl;
  bool CanFocus() const override { return true; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& s);
  int MaxLength = 0;  // limits typing only
  bool ReadOnly = false;
  char PasswordChar = 0;  // not 0: shown for every character of the text, which stays as typed
  TNotifyEvent OnChange;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnClick;
  // A user's click into the box: focus first (its exit check may refuse the move), then OnClick.
  void UserClick();
  // A key typed by the user: OnKeyPress first (which may drop it), then insertion. Backspace (8)
  // removes the last character.
  void UserKey(char c);
  // A key typed with a caret: OnKeyPress first (which may drop or change it), then the selection
  // [selStart, selStart + selLength) is replaced by the character; backspace removes the selection
  // or the character before the caret. Other control characters (Return, Escape) reach OnKeyPress
  // but are never inserted. Returns the caret position afterwards.
  int UserKeyAt(char c, int selStart, int selLength);
  // A user replacing the whole text (select all, then type): each character goes through UserKey.
  void UserType(const std::string& s);
  // Text pasted or dropped at a caret, held to what typing allows: each character passes
  // OnKeyPress as if typed, control characters (line breaks, tabs, backspace) are dropped, and
  // the selection goes with the first character taken; a paste that is refused whole changes
  // nothing. Returns the caret position afterwards.
  int UserPasteAt(const std::string& s, int selStart, int selLength);
  // An edit the backend already performed (cut, delete, undo): bypasses OnKeyPress.
  void UserSetText(const std::string& s);
  // Where the caret stood when the key being handled was typed (read it in OnKeyPress).
  int SelStart() const { return selStart_; }

 protected:
  virtual bool TypingAllowed() const { return !ReadOnly; }

 private:
  // UserKeyAt, telling whether the character went in.
  int KeyAt(char c, int selStart, int selLength, bool& inserted);
  std::string text_;
  int selStart_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  TEdit(TControl* parent, std::string name, const std::string& text = "")
      : TCustomEdit(parent, std::move(name), ControlKind::Edit) {
    SetText(text);
  }
};

class TSpinEdit : public TCustomEdit {
 public:
  TSpinEdit(TControl* parent, std::string name, int minValue = 0, int maxValue = 100,
            int value = 0);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetMinValue(int v) {
    if (min_ != v) {
      min_ = v;
      Changed();
    }
  }
  void SetMaxValue(int v) {
    if (max_ != v) {
      max_ = v;
      Changed();
    }
  }
  int Increment = 1;
  bool EditorEnabled = true;  // off: only the buttons and arrow keys change the value
  // The text as a decimal integer, or MinValue when it is not one; never clamped.
  int Value() const;
  void SetValue(int v);
  void DoExit() override;        // OnExit first, then clamp
  void UserStep(int direction);  // the up/down buttons or arrow keys
 protected:
  bool TypingAllowed() const override { return EditorEnabled && !ReadOnly; }

 private:
  int Clamp(int v) const;
  int min_, max_;
};

enum class TComboBoxStyle { csDropDown, csDropDownList, csSimple };

class TComboBox : public TControl {
 public:
  TComboBox(TControl* parent, std::string name);
  bool CanFocus() const override { return true; }
  TStringList Items;
  TComboBoxStyle Style = TComboBoxStyle::csDropDownList;
  // The list keeps itself in alphabetical order (case ignored) from the next change of its items
  // on; the selected item stays selected. Set it before filling the list.
  bool Sorted = false;
  int ItemIndex() const { return itemIndex_; }
  // No event; an index outside the list gives -1.
  void SetItemIndex(int i);
  std::string Text() const;
  void SetText(const std::string& s);  // editable boxes: free text; list-only: selects a match
  void SetItems(const std::vector<std::string>& items);
  TNotifyEvent OnChange;
  TNotifyEvent OnClick;
  TKeyPressEvent OnKeyPress;
  void UserPick(int index);  // focus, select, OnChange
  // A user editing the text of an editable box: focus, then the text (the item index following
  // it), OnChange when the text changed. List-only boxes take no typed text.
  void UserSetText(const std::string& s);

 private:
  void SortItems();
  int itemIndex_ = -1;
  std::string text_;
  bool sorting_ = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TControl {
 public:
  TCheckBox(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::CheckBox) {
    SetCaption(caption);
  }
  bool CanFocus() const override { return true; }
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool on);  // OnClick if the state changed
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState s);
  TNotifyEvent OnClick;
  void UserClick();  // focus, toggle, OnClick
 private:
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

class TRadioButton : public TControl {
 public:
  TRadioButton(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::RadioButton) {
    SetCaption(caption);
  }
  bool CanFocus() const override { return true; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);  // unchecks its siblings; OnClick if it became checked
  TNotifyEvent OnClick;
  void UserClick();

 private:
  bool checked_ = false;
};

class TRadioGroup : public TControl {
 public:
  TRadioGroup(TControl* parent, std::string name, const std::string& caption = "");
  bool CanFocus() const override { return true; }
  TStringList Items;
  int Columns = 1;
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int i);  // OnClick if the item changed
  TNotifyEvent OnClick;
  void UserPick(int i);

 private:
  int itemIndex_ = -1;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TStringGrid : public TControl {
 public:
  TStringGrid(TControl* parent, std::string name, int cols = 5, int rows = 5);
  bool CanFocus() const override { return true; }
  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedCols = 1, FixedRows = 1;
  bool RowSelect = false;
  bool Editing = false;
  std::string Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& s);
  std::vector<int> ColWidths;
  int DefaultColWidth = 64, DefaultRowHeight = 24;
  TScrollStyle ScrollBars = TScrollStyle::ssBoth;
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCol(int c) {
    if (col_ != c) {
      col_ = c;
      Changed();
    }
  }
  void SetRow(int r) {
    if (row_ != r) {
      row_ = r;
      Changed();
    }
  }
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnClick;
  void UserSelectCell(int col, int row);
  void UserDblClick();

 private:
  int cols_, rows_, col_ = 1, row_ = 1;
  std::vector<std::string> cells_;  // row-major
};

class TMemo : public TControl {
 public:
  TMemo(TControl* parent, std::string name);
  bool CanFocus() const override { return true; }
  TStringList Lines;
  bool ReadOnly = false;
  bool WordWrap = true;
  std::string Text() const;
  void SetText(const std::string& s);
  TNotifyEvent OnChange;
};

class TProgressBar : public TControl {
 public:
  TProgressBar(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::ProgressBar) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v) {
    min_ = v;
    SetPosition(pos_);
  }
  void SetMax(int v) {
    max_ = v;
    SetPosition(pos_);
  }
  int Position() const { return pos_; }
  void SetPosition(int v);

 private:
  int min_ = 0, max_ = 100, pos_ = 0;
};

class TMonthCalendar : public TControl {
 public:
  TMonthCalendar(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::MonthCalendar) {}
  bool CanFocus() const override { return true; }
  double Date() const { return date_; }  // TDateTime
  void SetDate(double d) {
    if (date_ != d) {
      date_ = d;
      Changed();
    }
  }
  TNotifyEvent OnClick;

 private:
  double date_ = 0;
};

class TGroupBox : public TControl {
 public:
  TGroupBox(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::GroupBox) {
    SetCaption(caption);
  }
};

class TPanel : public TControl {
 public:
  TPanel(TControl* parent, std::string name, const std::string& caption = "")
      : TControl(parent, std::move(name), ControlKind::Panel) {
    SetCaption(caption);
  }
};

class TScrollBox : public TControl {
 public:
  TScrollBox(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::ScrollBox) {}
};

class TPageControl;

class TTabSheet : public TControl {
 public:
  TTabSheet(TPageControl* parent, std::string name, const std::string& caption = "");
  TPageControl* PageControl() const { return pc_; }
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool on);
  int PageIndex() const;
  TNotifyEvent OnShow;

 private:
  TPageControl* pc_;
  bool tabVisible_ = true;
};

class TPageControl : public TControl {
 public:
  TPageControl(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::PageControl) {}
  bool CanFocus() const override { return true; }
  TTabSheet* ActivePage() const { return active_; }
  // Code: the new page's OnShow only.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int i) const { return pages_.at(i); }
  // Tabs in as many rows as the width needs (else one scrolling row); a fixed tab width when > 0.
  bool MultiLine = false;
  int TabWidth = 0;
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;
  // A user's tab click: focus to the page control, new page's OnShow, then OnChange.
  void UserSelectTab(TTabSheet* page);

 private:
  friend class TTabSheet;
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

// Menus. Shortcuts are held as text ("F6", "Ctrl+S"); disabled items ignore their shortcuts.
class TMenuItem : public TControl {
 public:
  TMenuItem(TControl* parent, std::string name, const std::string& caption = "",
            const std::string& shortcut = "");
  std::string ShortCut;
  bool Checked() const { return checked_; }
  void SetChecked(bool on) {
    if (checked_ != on) {
      checked_ = on;
      Changed();
    }
  }
  TNotifyEvent OnClick;
  void Click() {
    if (OnClick) OnClick();
  }
  void UserClick();  // menus take no focus
 private:
  bool checked_ = false;
};

class TMainMenu : public TControl {
 public:
  TMainMenu(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::MainMenu) {}
  // Finds an enabled, visible item by its shortcut and clicks it; true when one ran.
  bool UserShortCut(const std::string& shortcut);
};

class TToolBar : public TControl {
 public:
  TToolBar(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::ToolBar) {}
};

class TToolButton : public TControl {
 public:
  TToolButton(TControl* parent, std::string name, const std::string& hint = "");
  // A separator line stands before this button on its tool bar.
  bool SeparatorBefore = false;
  TNotifyEvent OnClick;
  void UserClick();  // takes no focus
};

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TCanvas;

class TStatusPanel {
 public:
  std::string Text;
  int Width = 50;
  bool OwnerDraw = false;
};

class TStatusBar : public TControl {
 public:
  TStatusBar(TControl* parent, std::string name)
      : TControl(parent, std::move(name), ControlKind::StatusBar) {}
  std::vector<TStatusPanel> Panels;
  std::string SimpleText;
  void SetPanelText(int i, const std::string& s);
  std::string PanelText(int i) const {
    return i >= 0 && i < int(Panels.size()) ? Panels[i].Text : "";
  }
  // Owner-drawn panels: the backend calls this with a canvas to paint on.
  std::function<void(TCanvas&, int panel, const TRect&)> OnDrawPanel;
  void Invalidate() { Changed(); }
};
