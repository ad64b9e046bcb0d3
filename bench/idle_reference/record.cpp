// Records what the connected program shows on one page of the main window: the program as start-up
// creates it, connected to the test relay on the virtual clock (the full read first), then the page
// on show for SECONDS. Prints a trace (LiveTrace.h): first every control of the main window as the
// full read left it, then each change, at the virtual time it was made.
//
//   bench_live_trace PAGE SECONDS      (PAGE: actual, settings, spectrum, recorder, ...)
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "LiveTrace.h"
#include "support/ShellWorld.h"

namespace {

// Notes every control that told the backend it changed.
struct Changes : ControlObserver {
  std::set<TControl*> changed;
  void ControlChanged(TControl& c) override { changed.insert(&c); }
  void ControlDestroyed(TControl& c) override { changed.erase(&c); }
};

void Print(int64_t atUs, TControl& c) {
  livetrace::Entry e{atUs, c.Form() ? c.Form()->Name() : c.Name(), c.Name(), livetrace::State(c)};
  std::puts(livetrace::Line(e).c_str());
}

void All(TControl& c) {
  for (TControl* child : c.Children()) {
    if (!child) continue;
    if (child->Kind() != ControlKind::TabSheet && child->Kind() != ControlKind::PageControl)
      Print(0, *child);
    All(*child);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_live_trace PAGE SECONDS\n");
    return 2;
  }
  std::string page = argv[1];
  const int seconds = std::atoi(argv[2]);
  ShellWorld w;
  TForm1& f = w.f1();
  f.Connect1Click();
  page[0] = char(std::toupper(static_cast<unsigned char>(page[0])));
  auto* tab = dynamic_cast<TTabSheet*>(livetrace::Find(f, "ts" + page));
  if (!tab || !tab->PageControl() || !tab->TabVisible()) {
    std::fprintf(stderr, "no page ts%s on show in this build\n", page.c_str());
    return 1;
  }
  Changes changes;
  TControl::SetObserver(&changes);
  tab->PageControl()->UserSelectTab(tab);
  if (page == "Recorder")
    for (const std::string& g : livetrace::RecorderGroups())
      if (auto* box = dynamic_cast<TCheckBox*>(livetrace::Find(f, "cb_Rec" + g + "Vis")))
        box->UserClick();
  std::printf("#\tpage\t%s\n", tab->Name().c_str());
  All(f);
  changes.changed.clear();
  // The relay's clock runs on, a second at a time, as relay-sim's does.
  constexpr int64_t kStepMs = 10;
  for (int64_t t = kStepMs; t <= seconds * 1000LL; t += kStepMs) {
    w.hb.RunFor(kStepMs);
    if (t % 1000 == 0) w.relay->Model.Tick(1);
    for (TControl* c : changes.changed)
      if (c->Form() == &f) Print(t * 1000, *c);
    changes.changed.clear();
  }
  TControl::SetObserver(nullptr);
  return 0;
}
