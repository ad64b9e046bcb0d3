// The yardstick for the connected program's idle cost: the program's own windows on the Qt
// backend, with no serial link, showing what the connected program shows at the moments it shows
// it. It replays a trace recorded by bench_live_trace: when the trace's page comes on show (the
// script selects it, as it does for the program), every recorded state is put on its control at
// its recorded time, through the same scheduler and the same peer widgets, with the controls'
// handlers held back. So it paints the same widgets at the same rates, and does nothing else.
//
//   bench_idle_reference TRACE      (with VUMA_E2E_SCRIPT selecting the page, as for the program)
#include <QApplication>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "LiveTrace.h"
#include "app/Startup.h"
#include "platform/qt/QtBackend.h"
#include "platform/ui/Application.h"
#include "platform/ui/Scheduler.h"

namespace {

struct Replay {
  std::vector<livetrace::Entry> entries;
  size_t next = 0;
  int64_t startUs = 0;
  TApplication* app = nullptr;

  // Every entry of one moment in one wake-up, then the next moment is posted.
  void Run() {
    if (next >= entries.size()) return;
    const int64_t at = entries[next].atUs;
    for (; next < entries.size() && entries[next].atUs == at; ++next) {
      const livetrace::Entry& e = entries[next];
      if (TForm* form = livetrace::FormNamed(*app, e.form))
        if (TControl* c = livetrace::Find(*form, e.control)) livetrace::Apply(*c, e.state);
    }
    if (next < entries.size())
      Scheduler::Instance().Post(startUs + entries[next].atUs, [this] { Run(); });
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  QApplication qapp(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_idle_reference TRACE\n");
    return 2;
  }
  Replay replay;
  std::string page;
  {
    std::ifstream in(argv[1]);
    std::string line;
    livetrace::Entry e;
    while (std::getline(in, line)) {
      if (line.rfind("#\tpage\t", 0) == 0)
        page = line.substr(7);
      else if (!line.empty() && line[0] != '#' && livetrace::Parse(line, e))
        replay.entries.push_back(e);
    }
  }
  if (page.empty() || replay.entries.empty()) {
    std::fprintf(stderr, "bench_idle_reference: no trace in %s\n", argv[1]);
    return 2;
  }
  QtBackend backend;
  TApplication app(&backend);
  StartUp(app);
  replay.app = &app;
  TForm* main = app.MainForm();
  auto* tab = main ? dynamic_cast<TTabSheet*>(livetrace::Find(*main, page)) : nullptr;
  if (!tab) {
    std::fprintf(stderr, "bench_idle_reference: no page %s\n", page.c_str());
    return 2;
  }
  // The replay begins when the page comes on show, as the recording did (at once for the page
  // on show from the start).
  auto begin = [&replay] {
    if (replay.startUs) return;
    replay.startUs = Scheduler::Instance().NowUs();
    replay.Run();
  };
  tab->OnShow = [shown = tab->OnShow, begin] {
    if (shown) shown();
    begin();
  };
  if (tab->PageControl() && tab->PageControl()->ActivePage() == tab)
    Scheduler::Instance().Post(Scheduler::Instance().NowUs(), begin);
  app.Run();
  return 0;
}
