#include "support/RelayModel.h"

#include <chrono>
#include <cmath>
#include <cstring>

#include "wire/Numeric.h"

using namespace wire;

namespace {

std::string Num(long long v, int width) {
  std::string s = PadNum(v < 0 ? 0 : v, width);
  return s.substr(s.size() - static_cast<size_t>(width));  // keep the field's width
}

const RecordLayout* RecordByLetter(char letter) {
  for (const RecordLayout& r : kRecords)
    if (r.Letter() == letter) return &r;
  return nullptr;
}

// The wire text of a field in a fresh relay: plausible numbers that survive the way in and out.
std::string InitialField(const RecordLayout& rec, int row, const FieldLayout& f) {
  switch (rec.Id) {
    case RecordId::Identity:
      return row == 1 ? "002" : row == 2 ? "01234567" : "3b";
    case RecordId::Desc:
      return row == 1 ? "Test motor 7        " : "DRIVE 07";
    case RecordId::Bluetooth:
      return "1234";
    default:
      break;
  }
  int k = row % 10;
  switch (f.Recv) {
    case Rx::Div20:
      return Num(20 * (k + 1), f.AnswerWidth);
    case Rx::Minus30:
      return Num(30 + 10 * k, f.AnswerWidth);
    case Rx::SignedByte:
      return Num(k % 2 ? 256 - k : k, f.AnswerWidth);
    default:
      return Num(k, f.AnswerWidth);
  }
}

char Mutated(char c) {
  if (c >= '0' && c <= '9') return c == '9' ? '8' : static_cast<char>(c + 1);
  return c == 'A' ? 'B' : 'A';
}

}  // namespace

RelayModel::RelayModel() {
  NowMs = [] {
    return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now().time_since_epoch())
                                    .count());
  };
  for (const RecordLayout& rec : kRecords) {
    std::string answer(static_cast<size_t>(rec.AnswerLength()), '0');
    answer.front() = '*';
    answer[1] = rec.Letter();
    answer.back() = '#';
    for (int k = 0; k < rec.FieldCount; ++k) {
      const FieldLayout& f = rec.Fields[k];
      answer.replace(static_cast<size_t>(f.AnswerPos - 1), static_cast<size_t>(f.AnswerWidth),
                     InitialField(rec, k + 1, f));
    }
    records_[static_cast<int>(rec.Id)] = answer;
  }
  for (size_t i = 0; i < CommsBlock.size(); ++i) CommsBlock[i] = static_cast<uint8_t>(i * 3);
}

void RelayModel::SetField(RecordId id, int row, const std::string& wireText) {
  const RecordLayout& rec = Layout(id);
  if (row < 1 || row > rec.FieldCount) return;
  const FieldLayout& f = rec.Fields[row - 1];
  std::string text = wireText;
  text.resize(static_cast<size_t>(f.AnswerWidth), ' ');
  Record(id).replace(static_cast<size_t>(f.AnswerPos - 1), static_cast<size_t>(f.AnswerWidth),
                     text);
}

std::string RelayModel::Field(RecordId id, int row) const {
  const RecordLayout& rec = Layout(id);
  if (row < 1 || row > rec.FieldCount) return std::string();
  const FieldLayout& f = rec.Fields[row - 1];
  return Mid(records_[static_cast<int>(id)], f.AnswerPos, f.AnswerWidth);
}

void RelayModel::Feed(const std::string& bytes) {
  pending_ += bytes;
  for (;;) {
    size_t start = pending_.find('*');
    if (start == std::string::npos) {
      pending_.clear();
      return;
    }
    size_t stop = pending_.find('#', start + 1);
    if (stop == std::string::npos) {
      pending_.erase(0, start);
      if (pending_.size() > 512) pending_.clear();  // no request is that long
      return;
    }
    std::string msg = pending_.substr(start, stop - start + 1);
    pending_.erase(0, stop + 1);
    Messages.push_back(msg);
    Handle(msg);
  }
}

void RelayModel::Handle(const std::string& msg) {
  // Fault and event requests come bracketed by "*?>#" and "*?<#".
  if (msg == "*?>#") {
    inGroup_ = true;
    group_.clear();
    return;
  }
  if (inGroup_) {
    if (msg == "*?<#") {
      inGroup_ = false;
      HandleGroup();
    } else {
      group_.push_back(msg);
    }
    return;
  }

  if (msg.size() >= 4 && msg.compare(0, 2, "*?") == 0) {
    std::string what = msg.substr(2, msg.size() - 3);
    if (what == "A") return Answer(ActualRecord(), false);
    if (what == "a") return Answer(ActualStatusRecord(), false);
    if (what == "R") return Answer(ClockRecord(), false);
    if (what == "N") return Answer(CommsStatusRecord(), false);
    if (what == "NA") return Answer(CommsExtStatusRecord(), false);
    if (what == "MA") return Answer(BlockRecord(0), false);
    if (what == "MB") return Answer(BlockRecord(1), false);
    if (what == "X") {
      ++ClearFaultCount;
      FaultCount = 0;
      return;
    }
    if (what == "V") {
      ++ClearEventCount;
      EventCount = 0;
      return;
    }
    if (what == "-") {
      ++ThermalResets;
      return;
    }
    if (what == "+") {
      ++RelayResets;
      UpdateSimulatedProtection();
      if (simTripped_ && alarmSinceMs_ < 0) simTripped_ = false;
      return;
    }
    if (what.size() == 1) {
      if (const RecordLayout* rec = RecordByLetter(what[0])) {
        std::string answer = Record(rec->Id);
        if (rec->Id == RecordId::Identity) answer.replace(13, 2, (Revision + "  ").substr(0, 2));
        bool echo = rec->Id == RecordId::ExtMod && extModEchoDue_;
        if (rec->Id == RecordId::ExtMod) extModEchoDue_ = false;
        return Answer(answer, echo);
      }
    }
    return;
  }
  if (msg == "*Hr#" || msg == "*Hw#" || msg == "*Hb#") return Answer(SpectrumRecord(msg[2]), false);
  if (msg == "*z#") return EndSimulation();
  if (msg.size() >= 3 && msg[1] == 'Z') {
    ApplySimulation(msg);
    return;
  }
  if (msg.size() == 18 && msg[1] == 'R') {
    for (int i = 0; i < 5; ++i)
      Clock[static_cast<size_t>(i)] = static_cast<int>(NumberAt(msg, 3 + 3 * i, 3));
    Clock[5] = 0;
    return Answer(ClockRecord(), true);
  }
  if (msg.size() == 133 && msg[1] == 'M' && (msg[2] == 'A' || msg[2] == 'B')) {
    int half = msg[2] == 'A' ? 0 : 1;
    for (int i = 0; i < 43; ++i)
      CommsBlock[static_cast<size_t>(43 * half + i)] =
          static_cast<uint8_t>(NumberAt(msg, 4 + 3 * i, 3) & 0xFF);
    return Answer(BlockRecord(half), true);
  }
  if (msg.size() >= 3) {
    if (const RecordLayout* rec = RecordByLetter(msg[1])) {
      if (!ApplyWrite(*rec, msg)) return;
      // The external module write carries its own read after it; that read is what is answered.
      if (rec->Id == RecordId::ExtMod) {
        extModEchoDue_ = true;
        return;
      }
      std::string answer = Record(rec->Id);
      if (rec->Id == RecordId::Identity) answer.replace(13, 2, (Revision + "  ").substr(0, 2));
      return Answer(answer, true);
    }
  }
}

bool RelayModel::ApplyWrite(const RecordLayout& rec, const std::string& msg) {
  // The write message alone: the external module's tail "#*?O#" is its "#" and a separate read.
  size_t length = static_cast<size_t>(rec.WriteLength) - (std::strlen(rec.WriteTail) - 1);
  if (msg.size() != length) return false;
  std::string& answer = Record(rec.Id);
  for (int k = 0; k < rec.FieldCount; ++k) {
    const FieldLayout& f = rec.Fields[k];
    if (f.WritePos == 0 || f.SendWidth != f.AnswerWidth) continue;
    std::string value =
        msg.substr(static_cast<size_t>(f.WritePos - 1), static_cast<size_t>(f.SendWidth));
    // The one field that travels differently each way: written as 100 minus what the relay keeps.
    if (f.Send == Tx::HundredMinus)
      value = Num(100 - NumberAt(value, 1, f.SendWidth), f.AnswerWidth);
    answer.replace(static_cast<size_t>(f.AnswerPos - 1), static_cast<size_t>(f.AnswerWidth), value);
  }
  return true;
}

void RelayModel::HandleGroup() {
  if (group_.empty()) {
    if (faultPointer_ > 1) --faultPointer_;
    if (faultPointer_ < 1) faultPointer_ = 1;
    if (Misbehave.RefusedFault == faultPointer_) {
      Misbehave.RefusedFault = 0;
      ++Misbehave.RefusedCharAnswers;
    }
    return Answer(FaultRecord(faultPointer_), false);
  }
  const std::string& m = group_.front();
  if (group_.size() == 1 && m == "*?F#") {
    faultPointer_ = FaultCount > 0 ? FaultCount : 1;
    return Answer(FaultRecord(faultPointer_), false);
  }
  if (group_.size() == 1 && m.size() == 9 && m.compare(0, 3, "*?E") == 0 && DigitsAt(m, 4, 8))
    return Answer(EventRecord(static_cast<int>(NumberAt(m, 4, 5))), false);
}

void RelayModel::Answer(std::string answer, bool isEcho) {
  if (Misbehave.Silent) return;
  bool twoLetters = answer.size() > 3 && (answer[1] == 'm' || answer[1] == 'n');
  if (Misbehave.RefusedCharAnswers > 0) {
    --Misbehave.RefusedCharAnswers;
    size_t pos = twoLetters ? 3 : 2;
    bool text = answer[1] == 'U' || answer[1] == 'J';
    if (answer.size() > pos + 1) answer[pos] = text ? '?' : 'x';
  } else if (isEcho && Misbehave.WrongEchoes > 0) {
    --Misbehave.WrongEchoes;
    // The last character of the first field the write carries.
    size_t pos = 2;
    if (twoLetters) {
      pos = 5;
    } else if (const RecordLayout* rec = RecordByLetter(answer[1])) {
      pos = static_cast<size_t>(rec->Fields[0].AnswerPos + rec->Fields[0].AnswerWidth - 2);
    } else {
      pos = 4;
    }
    if (answer.size() > pos + 1) answer[pos] = Mutated(answer[pos]);
  }
  ++AnswersSent;
  if (OnAnswer) OnAnswer(answer);
}

// ---- Live and history records ----

std::string RelayModel::CommsStatusRecord() const {
  std::string s = "*N";
  s += Num(10 + tick_ % 5, 5) + Num(1, 3) + Num(1, 3) + Num(3, 3) + Num(0, 3);
  s += std::string(6, '0');
  s += Num(5, 3) + Num(2, 3) + Num(0, 3) + Num(59, 3);
  return s + "#";
}

std::string RelayModel::CommsExtStatusRecord() const {
  std::string s = "*nA";
  // Counters move with every answer; the listen mode (B6) turns on and off every few polls.
  for (int i = 0; i < 30; ++i) s += Num(i == 6 ? (tick_ / 16) % 2 : (i * 17 + tick_) % 256, 3);
  return s + "#";
}

std::string RelayModel::SpectrumRecord(char phase) const {
  // The phases differ by whole samples only, so all three carry the same harmonic levels.
  int offset = phase == 'r' ? 0 : phase == 'w' ? 7 : 13;
  std::string s = "*H";
  for (int k = 0; k < 20; ++k) {
    double v = 512;
    for (size_t h = 0; h < SpectrumWave.size(); ++h)
      v += SpectrumWave[h] * std::cos(static_cast<double>(h) * (k + offset) * 2 * M_PI / 20);
    s += Num(std::lround(v), 5);
  }
  return s + "#";
}

std::string RelayModel::FaultRecord(int number) const {
  bool held = number >= 1 && number <= FaultCount;
  std::string s = "*F";
  s += Num(number, 3);
  s += Num(number % 2 ? 0 : 1, 3);  // actual or simulation
  s += Num(24, 3) + Num(1 + number % 12, 3) + Num(1 + number % 28, 3) + Num(number % 24, 3) +
       Num(number, 3);
  s += Num(held ? 1 << (number % 8) : 0, 3);
  s += Num(held && number % 3 == 0 ? 4 : 0, 3);
  s += Num(0, 3) + Num(0, 3);
  s += Num(100 + number, 5) + Num(30, 3) + Num(380, 5) + Num(12, 3);
  return s + "#";
}

std::string RelayModel::EventRecord(int number) const {
  bool held = number >= 1 && number <= EventCount;
  static constexpr int kTypes[] = {1, 2, 3, 4, 9, 10, 5, 131};
  std::string s = "*E";
  s += Num(number, 5);
  s += Num(held ? kTypes[number % 8] : 0, 3);
  s += Num(24, 3) + Num(1 + number % 12, 3) + Num(1 + number % 28, 3) + Num(number % 24, 3) +
       Num(number % 60, 3);
  s += Num(6, 3) + Num(0, 3) + Num(1, 3);              // alarm flags
  s += Num(1, 3) + Num(0, 3) + Num(0, 3) + Num(1, 3);  // trip flags
  s += Num(500 + number, 5) + Num(25, 3) + Num(390, 5);
  return s + "#";
}

void RelayModel::Tick(int seconds) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int n = 0; n < seconds; ++n) {
    auto& [year, month, day, hour, minute, second] = Clock;
    if (++second < 60) continue;
    second = 0;
    if (++minute < 60) continue;
    minute = 0;
    const int hours = static_cast<int>(NumberAt(Field(RecordId::Statistics, 4), 1, 5));
    SetField(RecordId::Statistics, 4, Num((hours + 1) % 65536, 5));
    if (++hour < 24) continue;
    hour = 0;
    const int days = month == 2 && year % 4 == 0 ? 29 : kDays[(month + 11) % 12];
    if (++day <= days) continue;
    day = 1;
    if (++month <= 12) continue;
    month = 1;
    year = (year + 1) % 100;
  }
}

std::string RelayModel::ClockRecord() const {
  std::string s = "*R";
  for (int v : Clock) s += Num(v, 3);
  return s + "#";
}

std::string RelayModel::BlockRecord(int half) const {
  std::string s = half == 0 ? "*mA" : "*mB";
  for (int i = 0; i < 43; ++i) s += Num(CommsBlock[static_cast<size_t>(43 * half + i)], 3);
  return s + "#";
}
