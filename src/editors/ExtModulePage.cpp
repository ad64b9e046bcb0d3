// The External Modules page: the input delays of the expansion module's field inputs 8 to 15
// (rows 1 to 8 of the external module grid) as one editor table, their load on a read and their
// named handlers. The write sends each delay in units of 50 ms; the boxes step by 50 and take no
// typing, so their values stay multiples of 50.
#include "editors/SettingsEditors.h"
#include "main/ControlOf.h"
#include "main/Main.h"

namespace editors::settings {
namespace {

constexpr EditorSpec Delay(const char* name, ControlOf c, int row) {
  // clang-format off
  return {name, c, Kind::Spin, wire::RecordId::ExtMod, row, 5, 0, 2000, 50, 4, true, 100, nullptr,
          Items::None, -1, -1, Special::None, nullptr, Load::Value, Exit::None, 0, 0, 0, nullptr, false};
  // clang-format on
}

// clang-format off
const EditorSpec kExtModuleEditors[] = {
    Delay(NAMED_FIELD(seDF_DelTime_8), 1),  Delay(NAMED_FIELD(seDF_DelTime_9), 2),  Delay(NAMED_FIELD(seDF_DelTime_10), 3),
    Delay(NAMED_FIELD(seDF_DelTime_11), 4), Delay(NAMED_FIELD(seDF_DelTime_12), 5), Delay(NAMED_FIELD(seDF_DelTime_13), 6),
    Delay(NAMED_FIELD(seDF_DelTime_14), 7), Delay(NAMED_FIELD(seDF_DelTime_15), 8),
};
// clang-format on

}  // namespace

std::span<const EditorSpec> ExtModuleEditors() { return kExtModuleEditors; }

}  // namespace editors::settings

void TForm1::LoadExtModuleRecordEditors() {
  editors::settings::LoadEditors(*this, editors::settings::ExtModuleEditors());
}

void TForm1::seDF_DelTime_8Change() { SettingChange(seDF_DelTime_8); }
void TForm1::seDF_DelTime_9Change() { SettingChange(seDF_DelTime_9); }
void TForm1::seDF_DelTime_10Change() { SettingChange(seDF_DelTime_10); }
void TForm1::seDF_DelTime_11Change() { SettingChange(seDF_DelTime_11); }
void TForm1::seDF_DelTime_12Change() { SettingChange(seDF_DelTime_12); }
void TForm1::seDF_DelTime_13Change() { SettingChange(seDF_DelTime_13); }
void TForm1::seDF_DelTime_14Change() { SettingChange(seDF_DelTime_14); }
void TForm1::seDF_DelTime_15Change() { SettingChange(seDF_DelTime_15); }
