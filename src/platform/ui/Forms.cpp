#include "platform/ui/Forms.h"

#include <functional>

#include "platform/ui/Application.h"

TForm::TForm(std::string name, const std::string& caption)
    : TControl(nullptr, std::move(name), ControlKind::Form) {
  SetCaption(caption);
  SetVisible(false);
}

TForm::~TForm() = default;

void TForm::ControlDestroyed(TControl* c) {
  if (active_ == c) active_ = nullptr;
  if (redirect_ == c) redirect_ = nullptr;
}

void TForm::DoCreate() {
  if (OnCreate) TApplication::Dispatch(OnCreate);
  if (DesignVisible) Show();
}

void TForm::Show() {
  if (Visible()) return;
  SetVisible(true);
  if (Application) Application->GetBackend().FormShown(*this);
  if (OnShow) OnShow();
}

void TForm::Hide() {
  if (!Visible()) return;
  SetVisible(false);
  if (Application) Application->GetBackend().FormHidden(*this);
  if (OnHide) OnHide();
}

void TForm::Close() {
  if (!Visible()) return;
  if (OnClose) OnClose();
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  Hide();
  if (Application && Application->MainForm() == this) Application->Terminate();
}

// The first control in the window's order that a user could focus: shown and enabled all the way up.
static TControl* FirstField(TControl* root) {
  for (TControl* c : root->Children()) {
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->CanFocus()) return c;
    if (TControl* inner = FirstField(c)) return inner;
  }
  return nullptr;
}

int TForm::ShowModal() {
  modalResult_ = mrNone;
  modal_ = true;
  // A dialog opens with the focus in its first field, whatever had it when it last closed (a
  // button pressed by Escape would otherwise keep it, and the typing would go nowhere).
  if (TControl* first = FirstField(this)) FocusControl(first);
  Show();
  if (Application) Application->GetBackend().RunModalLoop(*this);
  modal_ = false;
  Hide();
  int r = modalResult_;
  return r == mrNone ? mrCancel : r;
}

void TForm::FocusControl(TControl* c) {
  if (exiting_) redirect_ = c;
  active_ = c;
  Changed();  // lets the backend move the real focus
}

void TForm::UserFocus(TControl* c) {
  if (c == active_ || exiting_) return;
  TControl* left = active_;
  if (left) {
    // The exit handler may send the focus back (a field check); that wins over the user's target.
    exiting_ = true;
    redirect_ = nullptr;
    TApplication::Dispatch([left] { left->DoExit(); });
    exiting_ = false;
    if (redirect_) {
      active_ = redirect_;
      redirect_ = nullptr;
      return;
    }
  }
  active_ = c;
  if (c && c->OnEnter) c->OnEnter();
}

static TControl* FindIn(TControl* root, const std::string& name) {
  for (TControl* c : root->Children()) {
    if (c->Name() == name) return c;
    if (TControl* f = FindIn(c, name)) return f;
  }
  return nullptr;
}

TControl* TForm::FindControl(const std::string& name) const {
  return FindIn(const_cast<TForm*>(this), name);
}

namespace {
TButton* ButtonFor(TControl* root, bool escape) {
  for (TControl* c : root->Children()) {
    if (c->Kind() == ControlKind::Button) {
      auto* b = static_cast<TButton*>(c);
      if ((escape ? b->Cancel : b->Default) && b->Enabled() && b->Showing()) return b;
    }
    if (TButton* inner = ButtonFor(c, escape)) return inner;
  }
  return nullptr;
}
}  // namespace

bool TForm::UserDialogKey(char key) {
  if (key != '\r' && key != 27) return false;
  if (TButton* b = ButtonFor(this, key == 27)) {
    b->UserClick();
    return true;
  }
  if (key == 27 && modal_ && BorderIconsVisible) {
    Close();
    return true;
  }
  return false;
}
