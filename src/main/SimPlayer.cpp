// The simulation sequence player: Timer4 walks the state sequence table of the Test page's
// automatic view, row by row, feeding each row of values into the simulated inputs or carrying
// out its command; the table is kept in simulation sequence files (*.sim).
#include <iterator>
#include <string>
#include <vector>

#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"

namespace {

constexpr int kSteps = 20;
constexpr int kValueColumns = 14;  // columns 1..14 of a row: the time (or command) and 13 values
constexpr int kFileLines = kSteps * kValueColumns;
// A sequence file is refused unread above this size: its 280 lines of even 200 characters stay
// below it.
constexpr uintmax_t kMaxFileBytes = 64 * 1024;
constexpr uint32_t kCommandTickMs = 50;
constexpr const char* kIdle = "Start queing";
constexpr const char* kRunning = "Stop queing";

constexpr const char* kHeadings[] = {"State",   " Time (ms)", "   Vr",  "   Vw",  "   Vb",
                                     "   Ir%",  "   Iw%",     "   Ib%", "  Freq", "  PF%",
                                     " EL(mA)", "RTD 1",      "RTD 2",  "RTD 3",  "RTD 4"};
constexpr int kColumnWidths[] = {30, 57, 41, 42, 42, 42, 41, 43, 39, 41, 46, 40, 40, 40, 38};

// clang-format off
constexpr const char* kHelpLines[] = {
    "Commands",
    "[ loop  x ]  : Loop to state x (1..20) ",
    "[ end ]  : Terminate state sequence operation",
    "[ wait z ]  : z = starter output (1..9) ",
    "[ if y go x ]  :  y = Dig Input (1..7) ,  x = state (1..20)",
    "[ wait !z ]  : !z = not z starter output (1..9)",
    "(to be used in the time coulomb) ",
};
// clang-format on

// The control each value column of a row sets.
struct ValueColumn {
  TiSlider TForm1::*Slider;
  TSpinEdit TForm1::*Spin;
};
// clang-format off
constexpr ValueColumn kValueColumnControls[] = {
    {&TForm1::isSimVred, nullptr},      {&TForm1::isSimVwhite, nullptr},      {&TForm1::isSimVblue, nullptr},
    {&TForm1::isSimIred, nullptr},      {&TForm1::isSimIwhite, nullptr},      {&TForm1::isSimIblue, nullptr},
    {&TForm1::isSimFrequency, nullptr}, {&TForm1::isSimPowerFactor, nullptr}, {&TForm1::isSimEL, nullptr},
    {nullptr, &TForm1::seSimRTD1},      {nullptr, &TForm1::seSimRTD2},        {nullptr, &TForm1::seSimRTD3},
    {nullptr, &TForm1::seSimRTD4},
};
// clang-format on
static_assert(std::size(kValueColumnControls) == kValueColumns - 1);

// A step the player cannot carry out; it ends the sequence with a message.
struct InvalidStep {};

// A whole number where the step needs one; anything else is an invalid step.
int Number(const std::string& text) {
  int v = 0;
  if (text.empty() || !TryStrToInt(text, v)) throw InvalidStep{};
  return v;
}

// One character read as a digit 0..9.
int Digit(const std::string& text, size_t index) {
  if (index >= text.size() || text[index] < '0' || text[index] > '9') throw InvalidStep{};
  return text[index] - '0';
}

// A jump target: a row of the table, nothing else.
int Target(const std::string& text) {
  const int x = Number(text);
  if (x < 1 || x > kSteps) throw InvalidStep{};
  return x;
}

// Starter outputs 1..5 are bits 0..4 of function status D, outputs 6..9 bits 0..3 of H.
bool StarterOutputOn(const TForm1& f, int z) {
  if (z >= 1 && z <= 5) return (f.ActFuncStatF_D >> (z - 1)) & 1;
  if (z >= 6 && z <= 9) return (f.ActFuncStatF_H >> (z - 6)) & 1;
  return false;
}

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

}  // namespace

void TForm1::InitSimPlayer() {
  // A row takes its height and a grid line.
  constexpr int kRowHeight = 18, kGridTop = 22, kGridHeight = 21 * (kRowHeight + 1) + 4;
  constexpr int kButtonTop = kGridTop + kGridHeight + 4;
  labSimAuto.SetBounds(4, 2, 480, 18);
  sgSimAuto.SetBounds(4, kGridTop, 636, kGridHeight);
  sgSimAuto.DefaultRowHeight = kRowHeight;
  sgSimAuto.ColWidths.assign(std::begin(kColumnWidths), std::end(kColumnWidths));
  sgSimAuto.ScrollBars = TScrollStyle::ssNone;
  sgSimAuto.Editing = true;
  TButton* buttons[] = {&bSimQue,  &bLoadSimSeq, &bSaveSimSeq, &BitBtnSimHelp, &bCopyCell,
                        &bCutCell, &bPasteCell,  &bInsertLine, &bDeleteLine};
  int x = 4;
  for (TButton* b : buttons) {
    const int w = b == &BitBtnSimHelp                                       ? 40
                  : b == &bSimQue || b == &bLoadSimSeq || b == &bSaveSimSeq ? 84
                                                                            : 62;
    b->SetBounds(x, kButtonTop, w, 26);
    x += w + 4;
  }
  pSimHelp.SetBounds(120, 60, 420, 190);
  std::string help;
  for (const char* line : kHelpLines) help += std::string(help.empty() ? "" : "\n") + line;
  labSimHelp.SetCaption(help);
  labSimHelp.SetBounds(8, 8, 404, 140);
  bHelpClose.SetBounds(170, 154, 80, 26);
  pSimHelp.SetColor(clCream);  // stands over the table
  pSimHelp.SetVisible(false);

  SaveDialogSimSeq.Name = "SaveDialogSimSeq";
  SaveDialogSimSeq.Title = "Save simulation sequences in disc file";
  SaveDialogSimSeq.Filter = "Simulation|*.sim";
  SaveDialogSimSeq.DefaultExt = "sim";
  SaveDialogSimSeq.OverwritePrompt = true;
  OpenDialogSimSeq.Name = "OpenDialogSimSeq";
  OpenDialogSimSeq.Title = "Open simulation state sequence in disc file";
  OpenDialogSimSeq.Filter = "Simulation|*.sim";
  OpenDialogSimSeq.DefaultExt = "sim";

  bSimQue.OnClick = [this] { bSimQueClick(); };
  bLoadSimSeq.OnClick = [this] { bLoadSimSeqClick(); };
  bSaveSimSeq.OnClick = [this] { bSaveSimSeqClick(); };
  BitBtnSimHelp.OnClick = [this] { BitBtnSimHelpClick(); };
  bHelpClose.OnClick = [this] { bHelpCloseClick(); };
  bCopyCell.OnClick = [this] { bCopyCellClick(); };
  bCutCell.OnClick = [this] { bCutCellClick(); };
  bPasteCell.OnClick = [this] { bPasteCellClick(); };
  bInsertLine.OnClick = [this] { bInsertLineClick(); };
  bDeleteLine.OnClick = [this] { bDeleteLineClick(); };
}

void TForm1::tsTestShow() {
  for (int row = 1; row <= kSteps; ++row) sgSimAuto.SetCell(0, row, IntToStr(row));
  for (int col = 0; col < static_cast<int>(std::size(kHeadings)); ++col)
    sgSimAuto.SetCell(col, 0, kHeadings[col]);
}

// The table: editable while idle, whole rows selected while the player runs.
static void AllowEditing(TStringGrid& grid, bool on) {
  grid.Editing = on;
  grid.RowSelect = !on;
}

void TForm1::StopSimPlayer() {
  Timer4.SetEnabled(false);
  AllowEditing(sgSimAuto, true);
  ZeroSimParam();
  TxSimData();
  bSimQue.SetCaption(kIdle);
}

void TForm1::bSimQueClick() {
  if (bSimQue.Caption() != kIdle) {
    StopSimPlayer();
    return;
  }
  if (!SimFlag) {
    Timer4.SetEnabled(false);
    AllowEditing(sgSimAuto, true);
    MessageDlg("Start simulation first !", TMsgDlgType::mtError);
    return;
  }
  bSimQue.SetCaption(kRunning);
  AllowEditing(sgSimAuto, false);
  SimSeqStep = 1;
  sgSimAuto.SetRow(1);
  iSLedVoltage.SetActive(false);
  iSLedCurrent.SetActive(false);
  Timer4.SetInterval(kCommandTickMs);
  Timer4.SetEnabled(true);
}

void TForm1::Timer4Timer() {
  if (SimSeqStep > kSteps) {
    SimSeqStep = 1;
    Timer4.SetInterval(kCommandTickMs);
    return;
  }
  sgSimAuto.SetRow(SimSeqStep);
  const std::string cell = Trim(sgSimAuto.Cell(1, SimSeqStep));
  try {
    if (cell == "end") {
      StopSimPlayer();  // the simulation itself goes on
      return;
    }
    if (cell.compare(0, 4, "loop") == 0) {
      // However many blanks stand between the word and the row.
      SimSeqStep = Target(Trim(cell.substr(4)));
      Timer4.SetInterval(kCommandTickMs);
      return;
    }
    if (cell.compare(0, 6, "wait !") == 0) {
      const int z = Digit(cell, 6);
      if (z == 0 || !StarterOutputOn(*this, z)) ++SimSeqStep;
      Timer4.SetInterval(kCommandTickMs);
      return;
    }
    if (cell.compare(0, 4, "wait") == 0) {
      const int z = Digit(cell, 5);
      if (z != 0 && StarterOutputOn(*this, z)) ++SimSeqStep;
      Timer4.SetInterval(kCommandTickMs);
      return;
    }
    if (cell.compare(0, 2, "if") == 0) {
      const int y = Digit(cell, 3);
      if (y >= 1 && y <= 7 && ((ActFuncStatF_C >> (y - 1)) & 1)) {
        // The target is the last character of a nine-character step, else the two from the ninth.
        SimSeqStep = Target(Trim(cell.size() == 9  ? cell.substr(8)
                                 : cell.size() > 8 ? cell.substr(8, 2)
                                                   : ""));
      } else {
        ++SimSeqStep;
      }
      Timer4.SetInterval(kCommandTickMs);
      return;
    }
    // A row of values, held for its time. A time of zero or less would stop the player for good
    // (or for weeks), so it is no valid step.
    const int hold = Number(cell);
    if (hold <= 0) throw InvalidStep{};
    Timer4.SetInterval(static_cast<uint32_t>(hold));
    LoadSimVarsToTx();
    TxSimData();
    ++SimSeqStep;
  } catch (const InvalidStep&) {
    TerminateQue();
  }
}

void TForm1::LoadSimVarsToTx() {
  // Each setting runs the control's change handlers; a bad value leaves the earlier ones set.
  for (int col = 2; col <= kValueColumns; ++col) {
    const int v = Number(Trim(sgSimAuto.Cell(col, SimSeqStep)));
    const ValueColumn& c = kValueColumnControls[col - 2];
    if (c.Slider)
      (this->*c.Slider).SetPosition(v);
    else
      (this->*c.Spin).SetValue(v);
  }
}

void TForm1::TerminateQue() {
  Timer4.SetEnabled(false);
  // The relay keeps the last values while the message is open; the system timer still sends them.
  MessageDlg("Invalid command or parameters !", TMsgDlgType::mtError);
  AllowEditing(sgSimAuto, true);
  ZeroSimParam();
  TxSimData();
  bSimQue.SetCaption(kIdle);
}

void TForm1::bSaveSimSeqClick() {
  if (!PortOpen()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  if (!SaveDialogSimSeq.Execute()) return;
  TStringList lines;
  for (int row = 1; row <= kSteps; ++row)
    for (int col = 1; col <= kValueColumns; ++col) lines.Add(sgSimAuto.Cell(col, row));
  // Written whole or not at all; a failure reaches the standard error box with no file left open.
  lines.SaveToFile(SaveDialogSimSeq.FileName);
}

void TForm1::bLoadSimSeqClick() {
  if (!PortOpen()) {
    MessageDlg("Please connect first !", TMsgDlgType::mtError);
    return;
  }
  if (!OpenDialogSimSeq.Execute()) return;
  // The file of this command alone; it closes on every way out of here.
  TextFile file;
  file.Assign(OpenDialogSimSeq.FileName);
  try {
    file.Reset(kMaxFileBytes);
  } catch (const EFileTooLarge&) {
    MessageDlg("File too large for a simulation sequence.", TMsgDlgType::mtError);
    return;
  } catch (const EInOutError&) {
    MessageDlg("I/O error or File does not exist.", TMsgDlgType::mtError);
    return;
  }
  // Read whole before the table changes, so a read error leaves the table as it was.
  std::vector<std::string> lines;
  while (static_cast<int>(lines.size()) < kFileLines && !file.Eof()) lines.push_back(file.ReadLn());
  file.Close();
  lines.resize(kFileLines);
  for (int i = 0; i < kFileLines; ++i)
    sgSimAuto.SetCell(1 + i % kValueColumns, 1 + i / kValueColumns, lines[static_cast<size_t>(i)]);
}

void TForm1::BitBtnSimHelpClick() { pSimHelp.SetVisible(true); }
void TForm1::bHelpCloseClick() { pSimHelp.SetVisible(false); }

// The editing buttons work on the selected cell, and only while the player is idle.
void TForm1::bCopyCellClick() {
  if (bSimQue.Caption() != kIdle) return;
  SimCellClipboard = sgSimAuto.Cell(sgSimAuto.Col(), sgSimAuto.Row());
}

void TForm1::bCutCellClick() {
  if (bSimQue.Caption() != kIdle) return;
  SimCellClipboard = sgSimAuto.Cell(sgSimAuto.Col(), sgSimAuto.Row());
  sgSimAuto.SetCell(sgSimAuto.Col(), sgSimAuto.Row(), "");
}

void TForm1::bPasteCellClick() {
  if (bSimQue.Caption() != kIdle) return;
  sgSimAuto.SetCell(sgSimAuto.Col(), sgSimAuto.Row(), SimCellClipboard);
}

void TForm1::bInsertLineClick() {
  if (bSimQue.Caption() != kIdle) return;
  const int r = sgSimAuto.Row();
  if (r < 1 || r > kSteps) return;
  for (int row = kSteps - 1; row >= r; --row)
    for (int col = 1; col <= kValueColumns; ++col)
      sgSimAuto.SetCell(col, row + 1, sgSimAuto.Cell(col, row));
  for (int col = 1; col <= kValueColumns; ++col) sgSimAuto.SetCell(col, r, "");
}

void TForm1::bDeleteLineClick() {
  if (bSimQue.Caption() != kIdle) return;
  const int r = sgSimAuto.Row();
  if (r < 1 || r > kSteps) return;
  for (int row = r; row < kSteps; ++row)
    for (int col = 1; col <= kValueColumns; ++col)
      sgSimAuto.SetCell(col, row, sgSimAuto.Cell(col, row + 1));
  for (int col = 1; col <= kValueColumns; ++col) sgSimAuto.SetCell(col, kSteps, "");
}
