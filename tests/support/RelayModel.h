#pragma once
// A model of the relay's side of the protocol, for tests and the relay simulator: it holds the ten
// configuration records (as the answer texts it sends), answers every read with its record and
// every write with the record as it now holds it, serves fault, event and spectrum records and
// live values that change from answer to answer, and can be told to misbehave.
//
// Transport-free: bytes go in through Feed, answers come out through OnAnswer. The transports
// (TestRelay on the in-memory line, PtyRelay on a pseudo-terminal) apply the delivery faults.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "wire/RecordLayouts.h"

struct Misbehaviour {
  bool Silent = false;         // answer nothing at all
  int64_t LateUs = 0;          // every answer starts this much later
  int RefusedCharAnswers = 0;  // the next N answers carry a character their parser refuses
  int WrongEchoes = 0;         // the next N echoes of a write differ from what was written
  bool Split = false;          // every answer arrives in two pieces
  std::string Garbage;         // bytes sent before every answer
  int RefusedFault = 0;        // the fault record of this number is sent once with a bad character
};

class RelayModel {
 public:
  RelayModel();

  // Bytes from the program; every complete request is answered through OnAnswer (fire-and-forget
  // requests and the write half of the external module write get no answer).
  void Feed(const std::string& bytes);
  std::function<void(const std::string& answer)> OnAnswer;

  // The answer text of a configuration record as the relay holds it.
  std::string& Record(wire::RecordId id) { return records_[static_cast<int>(id)]; }
  // One field of a record, as the wire digits (or characters) the relay sends.
  void SetField(wire::RecordId id, int row, const std::string& wireText);
  std::string Field(wire::RecordId id, int row) const;

  // Identity reported in the identity and actual records.
  int ProductId = 4;
  std::string Revision = "3b";  // two characters
  int VoltageCode = 2;

  // Records kept: faults numbered 1..FaultCount (35 fill the history), events 1..EventCount.
  int FaultCount = 35;
  int EventCount = 1400;
  std::array<uint8_t, 86> CommsBlock{};
  // The relay clock: year after 2000, month, day, hour, minute, second.
  std::array<int, 6> Clock{24, 5, 17, 10, 30, 0};
  // Lets the relay's time run on: the clock, and every full hour the drive available hours.
  void Tick(int seconds);
  bool Simulating = false;
  int ClearFaultCount = 0, ClearEventCount = 0, ThermalResets = 0, RelayResets = 0;

  // The phase current the spectrum records sample: the amplitude of each harmonic f0..f9 (cosine
  // waves around the relay's centre 512). A fundamental of 50 with a 3rd of 10 and a 5th of 5.
  std::array<double, 10> SpectrumWave{0, 50, 0, 10, 0, 5, 0, 0, 0, 0};

  Misbehaviour Misbehave;

  // Every complete message received, in order.
  std::vector<std::string> Messages;
  int AnswersSent = 0;

  // Live records as they would be sent now.
  std::string ActualRecord() const;
  std::string ActualStatusRecord() const;
  std::string CommsStatusRecord() const;
  std::string CommsExtStatusRecord() const;
  std::string SpectrumRecord(char phase) const;
  std::string FaultRecord(int number) const;
  std::string EventRecord(int number) const;
  std::string ClockRecord() const;
  std::string BlockRecord(int half) const;

  // ---- Live record values (RelayLive.cpp) ----
  // The actual record's fields as the relay measures them; the revision, product number and
  // voltage code above complete it. -1 for the highest current or voltage sends the highest of
  // the three phases.
  struct ActualFields {
    int ThermalCap = 40, ThermalCurve = 10;
    int IMax = -1, IRed = 80, IWhite = 82, IBlue = 79, Unbalance = 3;
    int VMax = -1, VRed = 400, VWhite = 401, VBlue = 399, VoltSym = 1;
    int PowerFactor = 85, Frequency = 50, EarthLeakage = 120, Insulation = 200, RunHours = 1234;
    int ModelCode = 2, MLC = 100;
    std::array<int, 4> Temperature{55, 56, 57, 58};  // degrees C plus 30
  };
  ActualFields Actual;
  // The status record's nineteen values in record order (alarm flags A..C, trip flags A..D,
  // function status A..J, counters A and B); bit 6 of function status A follows Simulating.
  std::array<int, 19> Status{1, 1, 0, 0, 0, 0, 0, 0, 0x08};
  // ---- Simulation mode (RelaySim.cpp) ----
  // What the last simulation message carried; while Simulating the live records report these
  // values (exactly, not moving) and the protection reacts to them: a phase current above
  // OvercurrentLevel raises the overcurrent alarm at once and the trip OvercurrentTripDelayMs
  // later. The trip holds until a relay reset finds the current back below the level, or the
  // simulation ends. The field inputs are the simulated ones unless the message's mode bit asks for
  // the real.
  struct SimulatedValues {
    std::array<int, 3> I{}, V{};
    int Frequency = 0, PowerFactor = 0, EarthLeakage = 0, Inputs = 0, ExtInputs = 0;
    std::array<int, 4> Temperature{30, 30, 30, 30};  // degrees C plus 30, as sent
  };
  SimulatedValues Sim;
  int OvercurrentLevel = 120;
  int64_t OvercurrentTripDelayMs = 2000;
  // The transport's clock for the trip delay; the steady clock unless a transport sets it.
  std::function<int64_t()> NowMs;

  // While set, a running motor: currents, voltages, thermal capacity, earth leakage, inputs and
  // counters move from answer to answer around the values above. Cleared, every answer carries
  // the values exactly as they stand.
  bool LiveMoving = true;

 private:
  void Handle(const std::string& msg);
  void HandleGroup();
  void Answer(std::string answer, bool isEcho);
  bool ApplyWrite(const wire::RecordLayout& rec, const std::string& msg);
  bool ApplySimulation(const std::string& msg);
  void EndSimulation();
  // The protection's reaction to the simulated values, brought up to now.
  void UpdateSimulatedProtection() const;

  std::array<std::string, wire::kRecordCount> records_;
  std::string pending_;
  bool inGroup_ = false;
  std::vector<std::string> group_;
  int faultPointer_ = 0;
  bool extModEchoDue_ = false;         // the next external module read answers a write
  mutable int64_t alarmSinceMs_ = -1;  // the simulated overcurrent alarm is on since then
  mutable bool simTripped_ = false;
  mutable int tick_ = 0;  // advances with every live answer, so the values change
};
