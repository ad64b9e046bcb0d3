#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"

class TApplication {
 public:
  explicit TApplication(Backend* backend);
  ~TApplication();

  std::string Title;

  // Creates a form, runs its creation handler and, when marked visible, shows it. The first form
  // created is the main form. An error in the creation handler is shown and creation goes on.
  template <class T, class... Args>
  T* CreateForm(T*& ref, Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    ref = form.get();
    Adopt(std::move(form));
    return ref;
  }
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  TForm* MainForm() const { return mainForm_; }
  const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }
  Backend& GetBackend() { return *backend_; }

  // The one place every event, timer and arrival is dispatched through: an escaped error becomes
  // the standard error box (its message, captioned with the title) and the loop goes on.
  static void Dispatch(const std::function<void()>& fn);
  void ShowException(const std::exception& e);

  // A message box with a caption and one "OK" button.
  int MessageBox(const std::string& text, const std::string& caption);

 private:
  void Adopt(std::unique_ptr<TForm> form);
  Backend* backend_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;
