#include "platform/ui/Controls.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/ui/Forms.h"

namespace {
ControlObserver* g_observer = nullptr;

bool ParseInt(const std::string& s, int& out) {
  // Decimal integer with optional sign and leading blanks, as the spin box reads its text.
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i == s.size()) return false;
  bool neg = false;
  if (s[i] == '-' || s[i] == '+') {
    neg = s[i] == '-';
    ++i;
  }
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return false;
  }
  v = neg ? -v : v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  out = static_cast<int>(v);
  return true;
}
}  // namespace

// ---- TControl ----

TControl::TControl(TControl* parent, std::string name, ControlKind kind)
    : name_(std::move(name)), kind_(kind), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl() {
  if (g_observer) g_observer->ControlDestroyed(*this);
  // A form being destroyed is no longer a TForm here; only its controls tell it they go.
  if (kind_ != ControlKind::Form) {
    if (TForm* f = Form()) f->ControlDestroyed(this);
  }
  for (TControl* c : children_) c->parent_ = nullptr;
  if (parent_) parent_->RemoveChild(this);
}

void TControl::RemoveChild(TControl* c) {
  children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
}

TForm* TControl::Form() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return c->kind_ == ControlKind::Form ? static_cast<TForm*>(const_cast<TControl*>(c)) : nullptr;
}

void TControl::SetObserver(ControlObserver* o) { g_observer = o; }
ControlObserver* TControl::Observer() { return g_observer; }
void TControl::Changed() {
  if (g_observer) g_observer->ControlChanged(*this);
}

void TControl::SetCaption(const std::string& s) {
  if (caption_ != s) {
    caption_ = s;
    Changed();
  }
}
void TControl::SetEnabled(bool on) {
  if (enabled_ != on) {
    enabled_ = on;
    Changed();
  }
}
void TControl::SetVisible(bool on) {
  if (visible_ != on) {
    visible_ = on;
    Changed();
  }
}
void TControl::SetColor(TColor c) {
  if (color_ != c) {
    color_ = c;
    Changed();
  }
}
void TControl::SetFontColor(TColor c) {
  if (fontColor_ != c) {
    fontColor_ = c;
    Changed();
  }
}

bool TControl::Showing() const {
  for (const TControl* c = this; c && c->kind_ != ControlKind::Form; c = c->parent_) {
    if (!c->visible_) return false;
    if (c->kind_ == ControlKind::TabSheet) {
      auto* ts = static_cast<const TTabSheet*>(c);
      if (ts->PageControl() && ts->PageControl()->ActivePage() != ts) return false;
    }
  }
  return true;
}

bool TControl::Focused() const {
  TForm* f = Form();
  return f && f->ActiveControl() == this;
}

void TControl::SetFocus() {
  if (TForm* f = Form()) f->FocusControl(this);
}

void TControl::DoExit() {
  if (OnExit) OnExit();
}

bool TControl::TakeUserFocus() {
  TForm* f = Form();
  if (!f) return true;
  f->UserFocus(this);
  // An exit check that sent the focus back to its field keeps it there; the action is dropped.
  return f->ActiveControl() == this;
}

// ---- TButton ----

void TButton::Click() {
  if (OnClick) OnClick();
  if (ModalResult != 0) {
    if (TForm* f = Form()) f->SetModalResult(ModalResult);
  }
}

void TButton::UserClick() {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  Click();
}

// ---- TCustomEdit ----

void TCustomEdit::SetText(const std::string& s) {
  if (text_ == s) return;
  text_ = s;
  Changed();
  if (OnChange) OnChange();
}

void TCustomEdit::UserSetText(const std::string& s) {
  // A line of an edit holds no control character, whatever way the backend put text in.
  std::string t = s;
  std::erase_if(t, [](char c) { return static_cast<unsigned char>(c) < 32; });
  SetText(t);
}

void TCustomEdit::UserClick() {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  if (OnClick) OnClick();
}

void TCustomEdit::UserKey(char c) {
  if (!Enabled() || !TypingAllowed()) return;
  selStart_ = static_cast<int>(text_.size());
  if (OnKeyPress) OnKeyPress(c);
  if (c == 0) return;
  if (c == 8) {
    if (!text_.empty()) SetText(text_.substr(0, text_.size() - 1));
    return;
  }
  if (MaxLength > 0 && static_cast<int>(text_.size()) >= MaxLength) return;
  SetText(text_ + c);
}

int TCustomEdit::UserKeyAt(char c, int selStart, int selLength) {
  bool inserted = false;
  return KeyAt(c, selStart, selLength, inserted);
}

int TCustomEdit::UserPasteAt(const std::string& s, int selStart, int selLength) {
  int caret = std::clamp(selStart + selLength, 0, static_cast<int>(text_.size()));
  for (char c : s) {
    if (static_cast<unsigned char>(c) < 32) continue;
    bool inserted = false;
    caret = KeyAt(c, selStart, selLength, inserted);
    if (!inserted) continue;  // a refused character leaves the selection for the next one
    selStart = caret;
    selLength = 0;
  }
  return caret;
}

int TCustomEdit::KeyAt(char c, int selStart, int selLength, bool& inserted) {
  inserted = false;
  const int size = static_cast<int>(text_.size());
  selStart = std::clamp(selStart, 0, size);
  selLength = std::clamp(selLength, 0, size - selStart);
  const int unchanged = selStart + selLength;
  if (!Enabled() || !TypingAllowed()) return unchanged;
  selStart_ = selStart;
  if (OnKeyPress) OnKeyPress(c);
  // The handler may have rewritten the text; keep the caret inside it.
  const int now = static_cast<int>(text_.size());
  selStart = std::min(selStart, now);
  selLength = std::min(selLength, now - selStart);
  if (c == 0) return std::min(unchanged, now);
  if (c == 8) {
    if (selLength > 0) {
      SetText(text_.substr(0, selStart) + text_.substr(selStart + selLength));
      return selStart;
    }
    if (selStart == 0) return 0;
    SetText(text_.substr(0, selStart - 1) + text_.substr(selStart));
    return selStart - 1;
  }
  if (static_cast<unsigned char>(c) < 32) return selStart + selLength;
  if (MaxLength > 0 && now - selLength >= MaxLength) return selStart + selLength;
  SetText(text_.substr(0, selStart) + c + text_.substr(selStart + selLength));
  inserted = true;
  return selStart + 1;
}

void TCustomEdit::UserType(const std::string& s) {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  if (!TypingAllowed()) return;
  SetText("");  // the whole text was selected, typing replaces it
  for (char c : s) UserKey(c);
}

// ---- TSpinEdit ----

TSpinEdit::TSpinEdit(TControl* parent, std::string name, int minValue, int maxValue, int value)
    : TCustomEdit(parent, std::move(name), ControlKind::SpinEdit), min_(minValue), max_(maxValue) {
  SetValue(value);
}

int TSpinEdit::Clamp(int v) const {
  if (min_ == max_) return v;
  return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

int TSpinEdit::Value() const {
  int v;
  return ParseInt(Text(), v) ? v : min_;
}

void TSpinEdit::SetValue(int v) { SetText(std::to_string(Clamp(v))); }

void TSpinEdit::DoExit() {
  TCustomEdit::DoExit();
  // The value is brought into range, and the text rewritten only when that changes the value: an
  // emptied box stays empty, a lone "-" stays (both read as MinValue, which is in range).
  if (Text().empty()) return;
  const int v = Value();
  if (Clamp(v) != v) SetText(std::to_string(Clamp(v)));
}

void TSpinEdit::UserStep(int direction) {
  if (!Enabled() || ReadOnly) return;
  if (!TakeUserFocus()) return;
  SetValue(Value() + direction * Increment);
}

// ---- TComboBox ----

TComboBox::TComboBox(TControl* parent, std::string name)
    : TControl(parent, std::move(name), ControlKind::ComboBox) {
  Items.OnChange = [this] {
    if (sorting_) return;
    if (itemIndex_ >= Items.Count()) itemIndex_ = -1;
    if (Items.Count() == 0) itemIndex_ = -1;
    if (Sorted) SortItems();
    Changed();
  };
}

void TComboBox::SortItems() {
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::vector<std::string> lines = Items.Lines();
  auto before = [&lower](const std::string& a, const std::string& b) {
    const std::string la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
  };
  if (std::is_sorted(lines.begin(), lines.end(), before)) return;
  const std::string selected = itemIndex_ >= 0 ? Items[itemIndex_] : std::string();
  const bool hadSelection = itemIndex_ >= 0;
  std::stable_sort(lines.begin(), lines.end(), before);
  sorting_ = true;
  Items.Clear();
  for (const auto& l : lines) Items.Add(l);
  sorting_ = false;
  if (hadSelection) itemIndex_ = Items.IndexOf(selected);
}

void TComboBox::SetItemIndex(int i) {
  const int index = itemIndex_;
  const std::string text = text_;
  itemIndex_ = (i >= 0 && i < Items.Count()) ? i : -1;
  if (itemIndex_ >= 0)
    text_ = Items[itemIndex_];
  else if (Style == TComboBoxStyle::csDropDownList)
    text_.clear();
  if (itemIndex_ != index || text_ != text) Changed();
}

std::string TComboBox::Text() const {
  if (Style == TComboBoxStyle::csDropDownList)
    return itemIndex_ >= 0 ? Items[itemIndex_] : std::string();
  return text_;
}

void TComboBox::SetText(const std::string& s) {
  if (Style == TComboBoxStyle::csDropDownList) {
    SetItemIndex(Items.IndexOf(s));
    return;
  }
  const int index = Items.IndexOf(s);
  if (text_ == s && itemIndex_ == index) return;
  text_ = s;
  itemIndex_ = index;
  Changed();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  Items.Clear();
  for (const auto& s : items) Items.Add(s);
}

void TComboBox::UserPick(int index) {
  if (!Enabled() || index < 0 || index >= Items.Count()) return;
  if (!TakeUserFocus()) return;
  SetItemIndex(index);
  if (OnClick) OnClick();
  if (OnChange) OnChange();
}

void TComboBox::UserSetText(const std::string& s) {
  if (!Enabled() || Style == TComboBoxStyle::csDropDownList) return;
  if (!TakeUserFocus()) return;
  if (text_ == s) return;
  text_ = s;
  itemIndex_ = Items.IndexOf(s);
  Changed();
  if (OnChange) OnChange();
}

// ---- TCheckBox / TRadioButton / TRadioGroup ----

void TCheckBox::SetChecked(bool on) {
  SetState(on ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState s) {
  if (state_ == s) return;
  bool was = Checked();
  state_ = s;
  Changed();
  if (was != Checked() || s == TCheckBoxState::cbGrayed) {
    if (OnClick) OnClick();
  }
}

void TCheckBox::UserClick() {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  SetChecked(!Checked());
}

void TRadioButton::SetChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  if (on && Parent()) {
    for (TControl* c : Parent()->Children())
      if (c != this && c->Kind() == ControlKind::RadioButton)
        static_cast<TRadioButton*>(c)->SetChecked(false);
  }
  Changed();
  if (on && OnClick) OnClick();
}

void TRadioButton::UserClick() {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  SetChecked(true);
}

TRadioGroup::TRadioGroup(TControl* parent, std::string name, const std::string& caption)
    : TControl(parent, std::move(name), ControlKind::RadioGroup) {
  SetCaption(caption);
  Items.OnChange = [this] {
    if (itemIndex_ >= Items.Count()) itemIndex_ = -1;
    Changed();
  };
}

void TRadioGroup::SetItemIndex(int i) {
  int n = (i >= 0 && i < Items.Count()) ? i : -1;
  if (n == itemIndex_) return;
  itemIndex_ = n;
  Changed();
  if (OnClick) OnClick();
}

void TRadioGroup::UserPick(int i) {
  if (!Enabled()) return;
  if (!TakeUserFocus()) return;
  SetItemIndex(i);
}

// ---- TStringGrid ----

TStringGrid::TStringGrid(TControl* parent, std::string name, int cols, int rows)
    : TControl(parent, std::move(name), ControlKind::StringGrid),
      cols_(cols),
      rows_(rows),
      cells_(size_t(cols) * size_t(rows)) {}

void TStringGrid::SetColCount(int n) {
  if (n < 0 || n == cols_) return;
  std::vector<std::string> next(size_t(n) * size_t(rows_));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(n, cols_); ++c)
      next[size_t(r) * n + c] = std::move(cells_[size_t(r) * cols_ + c]);
  cells_ = std::move(next);
  cols_ = n;
  Changed();
}

void TStringGrid::SetRowCount(int n) {
  if (n < 0 || n == rows_) return;
  cells_.resize(size_t(n) * size_t(cols_));
  rows_ = n;
  Changed();
}

std::string TStringGrid::Cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return {};
  return cells_[size_t(row) * cols_ + col];
}

void TStringGrid::SetCell(int col, int row, const std::string& s) {
  if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
  auto& cell = cells_[size_t(row) * cols_ + col];
  if (cell == s) return;
  cell = s;
  Changed();
}

void TStringGrid::UserSelectCell(int col, int row) {
  if (!Enabled() || col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
  if (!TakeUserFocus()) return;
  bool can = true;
  if (OnSelectCell) OnSelectCell(col, row, can);
  if (can) {
    col_ = col;
    row_ = row;
    Changed();
    if (OnClick) OnClick();
  }
}

void TStringGrid::UserDblClick() {
  if (!Enabled()) return;
  if (OnDblClick) OnDblClick();
}

// ---- TMemo ----

TMemo::TMemo(TControl* parent, std::string name)
    : TControl(parent, std::move(name), ControlKind::Memo) {
  Lines.OnChange = [this] {
    Changed();
    if (OnChange) OnChange();
  };
}

std::string TMemo::Text() const {
  std::string out;
  for (const auto& l : Lines.Lines()) out += l + "\r\n";
  return out;
}

void TMemo::SetText(const std::string& s) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else {
      cur += s[i];
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  if (lines == Lines.Lines()) return;
  auto cb = std::move(Lines.OnChange);
  Lines.Clear();
  for (auto& l : lines) Lines.Add(l);
  Lines.OnChange = std::move(cb);
  if (Lines.OnChange) Lines.OnChange();
}

// ---- TProgressBar ----

void TProgressBar::SetPosition(int v) {
  int c = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (c != pos_) {
    pos_ = c;
    Changed();
  }
}

// ---- Pages ----

TTabSheet::TTabSheet(TPageControl* parent, std::string name, const std::string& caption)
    : TControl(parent, std::move(name), ControlKind::TabSheet), pc_(parent) {
  SetCaption(caption);
  if (pc_) pc_->pages_.push_back(this);
}

void TTabSheet::SetTabVisible(bool on) {
  if (tabVisible_ == on) return;
  tabVisible_ = on;
  Changed();
  if (pc_) pc_->Changed();
}

int TTabSheet::PageIndex() const {
  if (!pc_) return -1;
  for (int i = 0; i < pc_->PageCount(); ++i)
    if (pc_->Page(i) == this) return i;
  return -1;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page == active_) return;
  active_ = page;
  Changed();
  if (page && page->OnShow) page->OnShow();
}

int TPageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void TPageControl::UserSelectTab(TTabSheet* page) {
  if (!Enabled() || !page || !page->TabVisible() || page == active_) return;
  if (!TakeUserFocus()) return;
  if (OnChanging) OnChanging();
  SetActivePage(page);
  if (OnChange) OnChange();
}

// ---- Menus, tool bar, status bar ----

TMenuItem::TMenuItem(TControl* parent, std::string name, const std::string& caption,
                     const std::string& shortcut)
    : TControl(parent, std::move(name), ControlKind::MenuItem), ShortCut(shortcut) {
  SetCaption(caption);
}

void TMenuItem::UserClick() {
  for (const TControl* c = this; c && c->Kind() == ControlKind::MenuItem; c = c->Parent())
    if (!c->Enabled() || !c->Visible()) return;
  Click();
}

static TMenuItem* FindShortCut(TControl* root, const std::string& sc) {
  for (TControl* c : root->Children()) {
    if (c->Kind() != ControlKind::MenuItem || !c->Enabled() || !c->Visible()) continue;
    auto* m = static_cast<TMenuItem*>(c);
    if (m->ShortCut == sc) return m;
    if (TMenuItem* found = FindShortCut(m, sc)) return found;
  }
  return nullptr;
}

bool TMainMenu::UserShortCut(const std::string& shortcut) {
  if (TMenuItem* m = FindShortCut(this, shortcut)) {
    m->Click();
    return true;
  }
  return false;
}

TToolButton::TToolButton(TControl* parent, std::string name, const std::string& hint)
    : TControl(parent, std::move(name), ControlKind::ToolButton) {
  SetHint(hint);
}

void TToolButton::UserClick() {
  if (!Enabled()) return;
  if (OnClick) OnClick();
}

void TStatusBar::SetPanelText(int i, const std::string& s) {
  if (i < 0 || i >= int(Panels.size()) || Panels[i].Text == s) return;
  Panels[i].Text = s;
  Changed();
}
