// Parsers of the records that are not configuration: fault, event and spectrum records, and the
// live records (actual values, actual status, fieldbus status). Each fills the relay model and
// then says which record came.
#include <algorithm>
#include <iterator>

#include "link/CommSetup.h"
#include "wire/AnswerShapes.h"
#include "wire/Numeric.h"
#include "wire/Selections.h"

using namespace wire;

namespace {

int Byte(const std::string& s, int pos) { return static_cast<int>(NumberAt(s, pos, 3) & 0xFF); }
long long Word(const std::string& s, int pos, int width) {
  return NumberAt(s, pos, width) & 0xFFFF;
}

// A record's date and time: five bytes from `pos`, the year in the century first.
template <class Record>
void TakeStamp(Record& r, const std::string& b, int pos) {
  int* fields[] = {&r.Year, &r.Month, &r.Day, &r.Hour, &r.Minute};
  for (int* field : fields) {
    *field = Byte(b, pos);
    pos += 3;
  }
}

// The actual values record's fields the model keeps, by position (from 1).
constexpr int kPosThermalCurve = 6, kPosImax = 9, kPosVmax = 35, kPosPowerFactor = 58,
              kPosInsulation = 69, kPosModel = 79, kPosMLC = 82;

void TakeActualValues(model::RelayState& m, const std::string& b) {
  m.ActThermalCurve = static_cast<uint8_t>(Byte(b, kPosThermalCurve));
  m.ActI_Load = static_cast<uint16_t>(Word(b, kPosImax, 5));
  m.ActMaxVolt = static_cast<int32_t>(Word(b, kPosVmax, 5));
  m.ActPowerFactor = static_cast<uint8_t>(Byte(b, kPosPowerFactor));
  long double r = 199.48L - 0.4092L * static_cast<long double>(NumberAt(b, kPosInsulation, 5));
  if (r < 0) r = 0;
  m.ActIsolation = static_cast<double>(r);
  m.ActRelayModalNum = RelayModelOf(Word(b, kPosModel, 3)).Rating;
  m.ActMLC = static_cast<uint8_t>(Byte(b, kPosMLC));
  m.ActTrueCurrent = static_cast<double>(static_cast<long double>(m.ActI_Load) * m.ActCT_Ratio *
                                         m.ActRelayModalNum * m.ActMLC / 10000);
}

// The actual status record's nineteen bytes, in record order from position 3, three digits each.
// clang-format off
using S = model::RelayState;
constexpr uint8_t S::*kStatusBytes[] = {
    &S::ActAlarmF_A,    &S::ActAlarmF_B,    &S::ActAlarmF_C,    &S::ActTripF_A,
    &S::ActTripF_B,     &S::ActTripF_C,     &S::ActTripF_D,     &S::ActFuncStatF_A,
    &S::ActFuncStatF_B, &S::ActFuncStatF_C, &S::ActFuncStatF_D, &S::ActFuncStatF_E,
    &S::ActFuncStatF_F, &S::ActFuncStatF_G, &S::ActFuncStatF_H, &S::ActFuncStatF_I,
    &S::ActFuncStatF_J, &S::ActCounterACount, &S::ActCounterBCount,
};
// clang-format on

void TakeActualStatus(model::RelayState& m, const std::string& b) {
  for (size_t i = 0; i < std::size(kStatusBytes); ++i)
    m.*(kStatusBytes[i]) = static_cast<uint8_t>(Byte(b, 3 + 3 * static_cast<int>(i)));
  m.ActLocSelector = static_cast<uint8_t>((m.ActFuncStatF_D & 0xC0) >> 6);
}

void Run(const std::function<void(const std::string&)>& hook, const std::string& Buffer) {
  if (hook) hook(Buffer);
}

}  // namespace

int TForm2::PackFaultData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::FaultData, Buffer)) return 0;
  model::FaultRecord r;
  r.Number = Byte(Buffer, 3);
  r.Status = Byte(Buffer, 6);
  TakeStamp(r, Buffer, 9);
  for (int b = 0; b < 4; ++b)
    r.Flags[static_cast<size_t>(b)] = static_cast<uint8_t>(Byte(Buffer, 24 + 3 * b));
  r.RunHours = Word(Buffer, 36, 5);
  r.ImaxPercent = Word(Buffer, 41, 3) * 4;
  r.Vmin = Word(Buffer, 44, 5);
  r.TripMs = Word(Buffer, 49, 3) * 10;
  // The fault chain reads the next request from this position.
  Model->FaultReadPosition = std::clamp(56 - r.Number, 0, model::RelayState::kFaultReadEnd);
  Model->FaultLastNumber = r.Number;
  // Records are numbered 1 to 35; whatever number a disturbed record carries, no other is kept.
  if (r.Number >= 1 && r.Number <= model::kFaultRecords)
    Model->Faults[static_cast<size_t>(r.Number - 1)] = r;
  if (FaultRead) FaultRead(r);
  return 1;
}

void TForm2::MarkSkippedFaults(int last) {
  // The relay has no request for a given record: when one answer was refused, the repeated "next"
  // request brings the record below it. The records passed over are marked, not left out, so the
  // grid and the export show the gap; one read in an earlier pass stays as it was.
  if (!Model || last <= 0) return;
  const int now = Model->FaultLastNumber;
  for (int n = std::min(last - 1, model::kFaultRecords); n > now && n >= 1; --n) {
    std::optional<model::FaultRecord>& slot = Model->Faults[static_cast<size_t>(n - 1)];
    if (slot) continue;
    model::FaultRecord missed;
    missed.Number = n;
    missed.Received = false;
    slot = missed;
    if (FaultRead) FaultRead(missed);
  }
}

int TForm2::PackEventData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::EventData, Buffer)) return 0;
  model::EventRecord r;
  r.Number = Word(Buffer, 3, 5);
  r.Type = Byte(Buffer, 8);
  if (r.Type == 0) return 1;  // an empty slot of the log: nothing to show, the chain goes on
  TakeStamp(r, Buffer, 11);
  for (int b = 0; b < 3; ++b)
    r.Alarms[static_cast<size_t>(b)] = static_cast<uint8_t>(Byte(Buffer, 26 + 3 * b));
  for (int b = 0; b < 4; ++b)
    r.Trips[static_cast<size_t>(b)] = static_cast<uint8_t>(Byte(Buffer, 35 + 3 * b));
  r.RunHours = Word(Buffer, 47, 5);
  r.ImaxPercent = Word(Buffer, 52, 3) * 4;
  r.Vmin = Word(Buffer, 55, 5);
  // Writing it to the export file may fail; the dispatcher then ends the download.
  if (EventRead) EventRead(r);
  return 1;
}

int TForm2::PackSpectruimData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::SpectrumData, Buffer)) return 0;
  for (int k = 0; k < 20; ++k)
    Model->Current[static_cast<size_t>(k)] = static_cast<int32_t>(NumberAt(Buffer, 3 + 5 * k, 5));
  return 1;
}

int TForm2::PackActualData(const std::string& Buffer) {
  // The second revision character (position 101) may be any character.
  constexpr ParserId kActual = ParserId::ActualData;
  if (!Model || Buffer.size() != static_cast<size_t>(AnswerLength(kActual)) ||
      !DigitsAt(Buffer, FirstFieldPos(kActual), LastFieldPos(kActual) - 1))
    return 0;
  TakeActualValues(*Model, Buffer);
  Run(LoadActualData, Buffer);
  return 1;
}

int TForm2::PackActualStatusData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::ActualStatusData, Buffer)) return 0;
  TakeActualStatus(*Model, Buffer);
  Run(LoadActualStatusData, Buffer);
  return 1;
}

int TForm2::PackCommsStatData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::CommsStatData, Buffer)) return 0;
  Run(LoadCommsStatData, Buffer);
  return 1;
}

int TForm2::PackCommsExtStatData(const std::string& Buffer) {
  if (!Model || !DigitAnswer(ParserId::CommsExtStatData, Buffer)) return 0;
  Run(LoadCommsExtStatData, Buffer);
  return 1;
}
