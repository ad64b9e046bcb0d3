#include "wire/RecordLayouts.h"

#include <algorithm>
#include <vector>

#include "wire/Numeric.h"
#include "platform/ui/Controls.h"

namespace wire {

namespace {
bool Reserved(char c) { return c == '!' || c == '#' || c == '*' || c == '?'; }

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

bool AnswerCharsOk(const RecordLayout& rec, const std::string& answer) {
  if (static_cast<int>(answer.size()) != rec.AnswerLength()) return false;
  if (rec.Check == CharRule::Digits) return DigitsAt(answer, rec.CheckFrom, rec.CheckTo);
  for (int p = rec.CheckFrom; p <= rec.CheckTo; ++p)
    if (Reserved(answer[static_cast<size_t>(p - 1)])) return false;
  return true;
}

std::string ReceiveField(const FieldLayout& f, const std::string& answer) {
  if (f.Recv == Rx::Text) return Mid(answer, f.AnswerPos, f.AnswerWidth);
  // Taken as an unsigned 16-bit number: a 5-digit field above 65535 keeps its low 16 bits.
  long long n = NumberAt(answer, f.AnswerPos, f.AnswerWidth) & 0xFFFF;
  switch (f.Recv) {
    case Rx::Num:
      break;
    case Rx::Div20:
      n /= 20;
      break;
    case Rx::Times50:
      n *= 50;
      break;
    case Rx::Minus30:
      n -= 30;
      break;
    case Rx::SignedByte:
      n = static_cast<int8_t>(static_cast<uint8_t>(n & 0xFF));
      break;
    case Rx::Text:
      break;
  }
  return PadNum(n, f.RecvWidth);
}

void StoreAnswer(const RecordLayout& rec, const std::string& answer, TStringGrid& grid) {
  for (int k = 0; k < rec.FieldCount; ++k)
    grid.SetCell(1, k + 1, ReceiveField(rec.Fields[k], answer));
}

bool SendField(const RecordLayout& rec, const FieldLayout& f, const std::string& sendText,
               std::string& out) {
  if (f.Send == Tx::NotSent) return false;
  if (f.Send == Tx::AsIs) {
    // Sent as it stands, so it must already have the field's exact form.
    if (static_cast<int>(sendText.size()) != f.SendWidth) return false;
    if (rec.Check == CharRule::Digits) {
      if (!AllDigits(sendText)) return false;
    } else if (std::any_of(sendText.begin(), sendText.end(), Reserved)) {
      return false;
    }
    out = sendText;
    return true;
  }
  long long v;
  if (!ParseDecimal(sendText, v)) return false;
  switch (f.Send) {
    case Tx::HundredMinus:
      v = 100 - v;
      break;
    case Tx::Times20:
      v *= 20;
      break;
    case Tx::Div50:
      v = (v >= 0) ? v / 50 : -((-v + 49) / 50);
      break;
    case Tx::Plus30:
      v += 30;
      break;
    case Tx::Mod256:
      v = ((v % 256) + 256) % 256;
      break;
    default:
      break;
  }
  std::string text = PadNum(v, f.SendWidth);
  // A negative value or one needing more digits would change the message's shape.
  if (v < 0 || static_cast<int>(text.size()) != f.SendWidth) return false;
  out = std::move(text);
  return true;
}

bool BuildWrite(const RecordLayout& rec, const TStringGrid& grid, std::string& message,
                SendRefusal& why) {
  message.clear();
  std::vector<std::pair<int, std::string>> parts;
  for (int k = 0; k < rec.FieldCount; ++k) {
    const FieldLayout& f = rec.Fields[k];
    if (f.WritePos == 0) continue;
    std::string value = grid.Cell(2, k + 1), text;
    if (!SendField(rec, f, value, text)) {
      why = SendRefusal{f.Caption, value};
      return false;
    }
    parts.emplace_back(f.WritePos, std::move(text));
  }
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string msg = rec.WriteHead;
  for (auto& p : parts) msg += p.second;
  msg += rec.WriteTail;
  message = std::move(msg);
  return true;
}

void CopyReceivedToSend(TStringGrid& grid) {
  for (int r = 1; r < grid.RowCount(); ++r) grid.SetCell(2, r, grid.Cell(1, r));
}

bool EchoMatches(const RecordLayout& rec, const TStringGrid& grid) {
  bool same = true;
  for (int r = 1; r < grid.RowCount(); ++r) {
    if (r <= rec.FieldCount && rec.Fields[r - 1].WritePos == 0) continue;
    const std::string sent = grid.Cell(2, r), echo = grid.Cell(1, r);
    if (rec.AddressLow7 && r == 1) {
      long long a, b;
      bool okA = ParseDecimal(sent, a), okB = ParseDecimal(echo, b);
      if (!(okA && okB && (a & 0x7F) == (b & 0x7F))) same = false;
      continue;
    }
    if (sent != echo) same = false;
  }
  return same;
}

void FillGrid(const RecordLayout& rec, TStringGrid& grid) {
  for (int k = 0; k < rec.FieldCount; ++k) {
    grid.SetCell(0, k + 1, rec.Fields[k].Caption);
    grid.SetCell(1, k + 1, rec.Fields[k].Default);
  }
  CopyReceivedToSend(grid);
}

}  // namespace wire
