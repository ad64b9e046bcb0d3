// The test relay in simulation mode: the simulation message sets the values the live records
// report, and a simulated overcurrent raises the alarm and, after the trip delay, the trip.
#include <algorithm>

#include "wire/Numeric.h"
#include "support/RelayModel.h"

namespace {

// The simulation message: "*Z", fifteen fields, "#".
constexpr int kWidths[] = {5, 5, 5, 5, 5, 5, 3, 3, 5, 3, 3, 3, 3, 3, 3};
constexpr size_t kLength = 62;

}  // namespace

bool RelayModel::ApplySimulation(const std::string& msg) {
  // A message of any other shape is ignored as the relay ignores noise.
  if (msg.size() != kLength || !wire::DigitsAt(msg, 3, static_cast<int>(kLength) - 1)) return false;
  int v[std::size(kWidths)];
  int pos = 3;
  for (size_t i = 0; i < std::size(kWidths); ++i) {
    v[i] = static_cast<int>(wire::NumberAt(msg, pos, kWidths[i]));
    pos += kWidths[i];
  }
  Sim.I = {v[0], v[1], v[2]};
  Sim.V = {v[3], v[4], v[5]};
  Sim.Frequency = v[6];
  Sim.PowerFactor = v[7];
  Sim.EarthLeakage = v[8];
  Sim.Inputs = v[9];
  Sim.ExtInputs = v[10];
  Sim.Temperature = {v[11], v[12], v[13], v[14]};
  Simulating = true;
  UpdateSimulatedProtection();
  return true;
}

void RelayModel::EndSimulation() {
  Simulating = false;
  alarmSinceMs_ = -1;
  simTripped_ = false;
}

void RelayModel::UpdateSimulatedProtection() const {
  if (!Simulating) return;
  const bool over = *std::max_element(Sim.I.begin(), Sim.I.end()) > OvercurrentLevel;
  const int64_t now = NowMs ? NowMs() : 0;
  if (!over) {
    alarmSinceMs_ = -1;
    return;
  }
  if (alarmSinceMs_ < 0) alarmSinceMs_ = now;
  if (now - alarmSinceMs_ >= OvercurrentTripDelayMs) simTripped_ = true;
}
