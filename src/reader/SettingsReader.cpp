#include "reader/SettingsReader.h"

#include "editors/LegacyLines.h"
#include "link/CommSetup.h"
#include "wire/Numeric.h"
#include "main/Main.h"
#include "main/UnitFileDialog.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/SysUtils.h"
#include "report/SettingsReport.h"
#include "report/StatisticsSections.h"

#include <filesystem>
#include <system_error>

namespace reader {

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }
bool Capital(char c) { return c >= 'A' && c <= 'Z'; }

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

}  // namespace

bool AcceptHeader(ReadContext& ctx) {
  const int loggedBefore = ctx.logged;

  bool title = false;
  for (int i = 0; i <= 6; ++i)
    if (ctx.Line(i).find(kReportTitle) != std::string::npos) title = true;
  if (!title) {
    ctx.Log("Not a VUMA settings file");
    return false;
  }

  bool fileRevision = false;
  for (int i = 0; i <= 5 && !fileRevision; ++i) {
    const std::string line = ctx.Line(i);
    const size_t p = line.find(kFileRevisionCaption);
    if (p == std::string::npos) continue;
    const std::string text = TrimUpper(p + 11 < line.size() ? line.substr(p + 11, 3) : "");
    if (text.size() < 2 || !Digit(text[0]) || !Digit(text[1]))
      ctx.Log("VUMA file revision missing");
    else if (text.size() < 3 || !Capital(text[2]))
      ctx.Log("VUMA file revision incorrect");
    else
      fileRevision = true;
  }
  if (!fileRevision) ctx.Log("VUMA file revision missing");

  // The relay revision is looked for only after a clean file revision.
  const bool lookForRevision = fileRevision && ctx.logged == loggedBefore;
  bool relayRevision = false;
  if (lookForRevision) {
    for (int i = 0; i <= 5 && !relayRevision; ++i) {
      const std::string line = ctx.Line(i);
      const size_t p = line.find(kRevisionCaption);
      if (p == std::string::npos) continue;
      const std::string asWritten = Trim(p + 12 < line.size() ? line.substr(p + 12, 2) : "");
      const std::string text = TrimUpper(asWritten);
      if (text.size() >= 2 && Digit(text[0]) && Capital(text[1])) {
        relayRevision = true;
        ctx.revision = asWritten;
        ctx.extended = wire::IsExtendedRevision("Rev " + asWritten);
        if (!PortOpen()) ctx.form.mbSW_Rev.SetText("Rev " + asWritten);
      } else {
        ctx.Log("VUMA file revision incorrect");
      }
    }
  }
  if ((lookForRevision && !relayRevision) || !fileRevision)
    ctx.Log("Could not find VUMA revision used to save file.");
  return lookForRevision && relayRevision && ctx.logged == loggedBefore;
}

std::array<int, kReportSectionCount> FindSections(const TStringList& lines) {
  std::array<int, kReportSectionCount> index{};
  const int last = lines.Count() - 2;
  for (size_t s = 0; s < kReportSections.size(); ++s) {
    const SectionTitle& t = kReportSections[s].title;
    const std::string title(t.text);
    const std::string underline(static_cast<size_t>(t.UnderlineLength()), '=');
    int i = 0;
    for (; i < last; ++i) {
      const size_t t = lines[i].find(title);
      if (t == std::string::npos) continue;
      if (lines[i + 1].find(underline) == t) break;
    }
    index[s] = i < last ? i : last;
  }
  return index;
}

int ReadSettingsLines(TForm1& form, const TStringList& lines, TStringList& log) {
  ReadContext ctx{form, lines, log};
  const int count = lines.Count();
  if (count == editors::legacy::kLineCount) return ReadLegacyLines(ctx);
  if (count < kMinReportLines || count > kMaxFileLines) {
    ctx.Log("Not a VUMA settings file");
    return ctx.logged;
  }
  if (!AcceptHeader(ctx)) return ctx.logged;

  const std::array<int, kReportSectionCount> index = FindSections(lines);
  const auto titleLine = [&](ReportSection s) { return index[static_cast<size_t>(s)]; };
  for (const ReaderSectionEntry& section : kReaderSections) {
    if (!section.missingMessage) continue;
    const int bound = section.boundBy ? titleLine(*section.boundBy) : count - 2;
    const int at = titleLine(section.id);
    if (at == count - 2 || at == 0 || at >= bound) {
      ctx.Log(section.missingMessage);
      if (section.missing) section.missing(ctx);
      continue;
    }
    ctx.from = at;
    ctx.to = bound;
    if (section.read) section.read(ctx);
  }
  ReadIdentityRows(ctx, titleLine(ReportSection::Settings));
  return ctx.logged;
}

}  // namespace reader

TForm1::TOpenSettingsDialog::TOpenSettingsDialog() {
  Name = "OpenDialogSettings";
  Title = "Open disc file to read settings";
  Filter = "Setting|*.set";
  DefaultExt = "set";
  InitialDir = "c:\\";
}

void TForm1::ImportMMIFile1Click() {
  if (!FrmFileDialog) return;
  TStringList& log = FrmFileDialog->memFileErrors.Lines;
  TStringList& lines = FrmFileDialog->MemFileTempFile.Lines;
  log.Clear();
  if (!OpenDialogSettings.Execute()) return;

  // Anything but a regular file (a pipe would block, a device never end) and anything larger
  // than a settings file can be is refused unread, as a file that is no settings file.
  std::error_code ec;
  const auto status = std::filesystem::status(MapPath(OpenDialogSettings.FileName), ec);
  if (std::filesystem::exists(status) &&
      (!std::filesystem::is_regular_file(status) ||
       std::filesystem::file_size(MapPath(OpenDialogSettings.FileName), ec) >
           reader::kMaxFileBytes)) {
    log.Add("Not a VUMA settings file");
    FrmFileDialog->ShowModal();
    return;
  }
  // A file that cannot be read ends the command with the standard error box; the editors and
  // the line list keep what they had.
  TStringList loaded;
  loaded.LoadFromFile(OpenDialogSettings.FileName, reader::kMaxFileBytes);
  lines.Assign(loaded);
  FrmFileDialog->LblFileDiagMemoLineCounter.SetCaption(IntToStr(lines.Count()));

  if (reader::ReadSettingsLines(*this, lines, log) > 0) FrmFileDialog->ShowModal();
}
