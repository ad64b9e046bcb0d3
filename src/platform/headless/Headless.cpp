#include "platform/headless/Headless.h"

#include "platform/ui/Forms.h"

HeadlessBackend::HeadlessBackend() {
  Scheduler::Instance().Reset();
  Scheduler::Instance().SetClock(&clock);
}

HeadlessBackend::~HeadlessBackend() {
  Scheduler::Instance().Reset();
  Scheduler::Instance().SetClock(nullptr);
}

void HeadlessBackend::Step(int64_t dueUs) {
  clock.Set(dueUs);
  Scheduler::Instance().RunOne(dueUs);
}

void HeadlessBackend::RunFor(int64_t ms) {
  Scheduler::LoopGuard loop;
  int64_t end = clock.NowUs() + ms * 1000;
  int64_t due;
  while (Scheduler::Instance().NextDue(due) && due <= end) Step(due);
  clock.Set(end);
}

bool HeadlessBackend::RunUntil(const std::function<bool()>& pred, int64_t limitMs) {
  Scheduler::LoopGuard loop;
  int64_t end = clock.NowUs() + limitMs * 1000;
  if (pred()) return true;
  int64_t due;
  while (Scheduler::Instance().NextDue(due) && due <= end) {
    Step(due);
    if (pred()) return true;
  }
  clock.Set(end);
  return pred();
}

void HeadlessBackend::After(int64_t ms, std::function<void()> step) {
  Scheduler::Instance().Post(clock.NowUs() + ms * 1000, std::move(step));
}

void HeadlessBackend::RunMainLoop() {
  Scheduler::LoopGuard loop;
  int64_t due;
  while (!Application->Terminated() && Scheduler::Instance().NextDue(due)) Step(due);
}

void HeadlessBackend::RunModalLoop(TForm& form) {
  Scheduler::LoopGuard loop;
  int64_t end = clock.NowUs() + ModalLimitMs * 1000;
  while (form.Visible() && form.ModalResult() == mrNone) {
    int64_t due;
    if (!Scheduler::Instance().NextDue(due))
      throw HeadlessStall{"modal window '" + form.Name() + "' waits with nothing scheduled"};
    if (due > end)
      throw HeadlessStall{"modal window '" + form.Name() + "' still open at the time limit"};
    Step(due);
  }
}

int HeadlessBackend::ShowBox(BoxKind kind, const std::string& caption, const std::string& text) {
  boxes.push_back(RecordedBox{kind, caption, text, NowMs()});
  RecordedBox copy = boxes.back();
  if (OnBox) OnBox(copy);
  if (BoxDwellMs > 0) {
    Scheduler::LoopGuard loop;
    int64_t end = clock.NowUs() + BoxDwellMs * 1000;
    int64_t due;
    while (Scheduler::Instance().NextDue(due) && due <= end) Step(due);
    clock.Set(end);
  }
  return mrOk;
}

bool HeadlessBackend::ExecuteDialog(TCommonDialog& dialog) {
  RecordedDialog rec{dialog.Kind(), "", "", "", "", false};
  auto* file = dynamic_cast<TOpenDialog*>(&dialog);
  if (file) {
    rec.title = file->Title;
    rec.filter = file->Filter;
    rec.defaultExt = file->DefaultExt;
    rec.initialDir = file->InitialDir;
    rec.overwritePrompt = file->OverwritePrompt;
  }
  dialogs.push_back(rec);
  if (dialogAnswers.empty()) return false;
  auto answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  if (!answer) return false;
  if (file) file->FileName = *answer;
  return true;
}
