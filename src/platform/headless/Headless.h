#pragma once
// The deterministic backend for tests and benchmarks: a virtual clock, recorded message boxes,
// file dialogs answered from a queue, and user steps scheduled in virtual time.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Scheduler.h"

class VirtualClock : public Clock {
 public:
  int64_t NowUs() const override { return now_; }
  void Set(int64_t us) {
    if (us > now_) now_ = us;
  }
  void Skip(int64_t us) { now_ += us; }

 private:
  int64_t now_ = 0;
};

// Thrown (not a std::exception, so no dispatch point swallows it) when a loop cannot go on.
struct HeadlessStall {
  std::string what;
};

struct RecordedBox {
  BoxKind kind;
  std::string caption, text;
  int64_t atMs;
};

struct RecordedDialog {
  DialogKind kind;
  std::string title, filter, defaultExt, initialDir;
  bool overwritePrompt = false;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  VirtualClock clock;
  int64_t NowMs() const { return clock.NowUs() / 1000; }

  // Runs the application's loop for a span of virtual time.
  void RunFor(int64_t ms);
  // Runs until the predicate holds (checked after every event); false when the limit passed first.
  bool RunUntil(const std::function<bool()>& pred, int64_t limitMs);
  // A user step `ms` from now, run by whatever loop is running then.
  void After(int64_t ms, std::function<void()> step);

  // Boxes shown so far. OnBox runs while the box is "open"; BoxDwellMs keeps it open that long.
  std::vector<RecordedBox> boxes;
  std::function<void(const RecordedBox&)> OnBox;
  int64_t BoxDwellMs = 0;
  // File and print dialogs: each Execute takes the next answer (a path, or nullopt to cancel);
  // print dialogs accept on any non-null answer. An empty queue cancels.
  std::deque<std::optional<std::string>> dialogAnswers;
  std::vector<RecordedDialog> dialogs;
  // A modal loop that has not ended after this much virtual time is a test failure.
  int64_t ModalLimitMs = 10 * 60 * 1000;

  // Where the scripted user's mouse stands.
  int cursorX = 0, cursorY = 0;
  void CursorPos(int& x, int& y) const override {
    x = cursorX;
    y = cursorY;
  }

  void RunMainLoop() override;
  void RunModalLoop(TForm& form) override;
  int ShowBox(BoxKind kind, const std::string& caption, const std::string& text) override;
  bool ExecuteDialog(TCommonDialog& dialog) override;

 private:
  void Step(int64_t dueUs);
};
