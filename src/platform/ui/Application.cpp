#include "platform/ui/Application.h"

#include <exception>

#include "platform/ui/Dialogs.h"
#include "platform/ui/Scheduler.h"

TApplication* Application = nullptr;

TApplication::TApplication(Backend* backend) : backend_(backend) { Application = this; }

TApplication::~TApplication() {
  // Windows go in the reverse order of their creation.
  while (!forms_.empty()) forms_.pop_back();
  if (Application == this) Application = nullptr;
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  TForm* f = form.get();
  forms_.push_back(std::move(form));
  if (!mainForm_) mainForm_ = f;
  f->DoCreate();
}

void TApplication::Run() {
  if (terminated_) return;
  backend_->RunMainLoop();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_->Terminated();
}

void TApplication::Dispatch(const std::function<void()>& fn) {
  Scheduler::Instance().CatchUp();
  try {
    fn();
  } catch (const std::exception& e) {
    if (Application) Application->ShowException(e);
  }
  Scheduler::Instance().WakeIdleTimers();
}

void TApplication::ShowException(const std::exception& e) {
  std::string msg = e.what();
  if (!msg.empty() && msg.back() != '.') msg += '.';
  try {
    backend_->ShowBox(BoxKind::Error, Title, msg);
  } catch (const std::exception&) {
    // An error while reporting an error is dropped: nothing escapes into the loop.
  }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption) {
  return backend_->ShowBox(BoxKind::Plain, caption, text);
}
