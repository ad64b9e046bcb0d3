#pragma once
// The windows the settings report reads, for tests: the link's world (main window, variable
// table, comms setup window with its port) plus the file error log window with the line list,
// a fixed clock, and the program-wide formats restored afterwards.
#include <string>
#include <vector>

#include "wire/RecordLayouts.h"
#include "main/UnitFileDialog.h"
#include "platform/rtl/SysUtils.h"
#include "support/LinkWorld.h"

struct ReportWorld : LinkWorld {
  TFormatSettings savedFormats = FormatSettings;

  // 2024-05-17 14:05:30 unless a test says otherwise.
  explicit ReportWorld(TDateTime now = EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 30, 0))
      : LinkWorld(/*withRelay=*/false) {
    app.CreateForm(FrmFileDialog);
    SetClock(now);
  }
  ~ReportWorld() {
    FrmFileDialog = nullptr;
    SetNowProvider(nullptr);
    FormatSettings = savedFormats;
  }

  void SetClock(TDateTime now) {
    SetNowProvider([now] { return now; });
  }

  // The send column (column 2) of a record's grid.
  void Send(wire::RecordId record, int row, const std::string& text) {
    vt().Grid(record).SetCell(2, row, text);
  }
  void Setting(int row, const std::string& text) { Send(wire::RecordId::Settings, row, text); }

  TStringList& LineList() { return FrmFileDialog->MemFileTempFile.Lines; }
  std::vector<std::string> Lines() { return LineList().Lines(); }
};
