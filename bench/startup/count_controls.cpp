// How many controls each window holds once start-up has created them, counted on the headless
// backend (no display): the bare Qt program is sized from the main window's count.
#include <cstdio>
#include <cstring>

#include "app/Startup.h"
#include "platform/headless/Headless.h"
#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace {

int CountBelow(const TControl& c) {
  int n = 0;
  for (const TControl* child : c.Children())
    if (child) n += 1 + CountBelow(*child);
  return n;
}

}  // namespace

// With --main, prints only the main window's count (for scripts); otherwise one line a window.
int main(int argc, char** argv) {
  const bool onlyMain = argc > 1 && std::strcmp(argv[1], "--main") == 0;
  HeadlessBackend hb;
  TApplication app(&hb);
  StartUp(app);
  int total = 0;
  for (const auto& f : app.Forms()) {
    const int n = CountBelow(*f);
    total += n;
    if (onlyMain) {
      std::printf("%d\n", n);
      return 0;
    }
    std::printf("%-24s %5d\n", f->Name().c_str(), n);
  }
  std::printf("%-24s %5d\n", "all windows", total);
  return 0;
}
