#include "wire/VoltageLists.h"

#include "platform/ui/Controls.h"

namespace wire {

void FillVoltageList(TComboBox& box, bool extended) {
  box.Items.Clear();
  for (const VoltageEntry& e : List(extended)) box.Items.Add(e.Name);
}

}  // namespace wire
