// The test relay's live records: the actual values and the actual status, either exactly as the
// fields stand (for tests) or moving like a running motor (for the program and the simulator).
#include <algorithm>
#include <cmath>

#include "wire/Numeric.h"
#include "support/RelayModel.h"

namespace {

// A field of the given width; a wider number keeps its low digits, as a field can carry no more.
std::string Digits(long long v, int width) {
  std::string s = wire::PadNum(v < 0 ? 0 : v, width);
  return s.substr(s.size() - static_cast<size_t>(width));
}

}  // namespace

std::string RelayModel::ActualRecord() const {
  ActualFields a = Actual;
  if (Simulating) {
    a.IRed = Sim.I[0], a.IWhite = Sim.I[1], a.IBlue = Sim.I[2];
    a.VRed = Sim.V[0], a.VWhite = Sim.V[1], a.VBlue = Sim.V[2];
    a.Frequency = Sim.Frequency;
    a.PowerFactor = Sim.PowerFactor;
    a.EarthLeakage = Sim.EarthLeakage;
    a.Temperature = Sim.Temperature;
  } else if (LiveMoving) {
    const int t = tick_;
    auto wave = [t](int base, int swing, int phase) {
      return base + static_cast<int>(std::lround(swing * std::sin((t + phase) * 0.3)));
    };
    a.IRed = wave(a.IRed, 6, 0);
    a.IWhite = wave(a.IWhite, 6, 7);
    a.IBlue = wave(a.IBlue, 6, 14);
    a.VRed = wave(a.VRed, 4, 0);
    a.VWhite = wave(a.VWhite, 4, 5);
    a.VBlue = wave(a.VBlue, 4, 9);
    a.ThermalCap += t % 20;
    a.PowerFactor = wave(a.PowerFactor, 3, 2);
    a.EarthLeakage = wave(a.EarthLeakage, 20, 3);
    a.Insulation = wave(a.Insulation, 10, 1);
    a.RunHours += t / 100;
    for (int i = 0; i < 4; ++i)
      a.Temperature[static_cast<size_t>(i)] = wave(a.Temperature[static_cast<size_t>(i)], 2, 4 * i);
  }
  const int imax = a.IMax >= 0 ? a.IMax : std::max({a.IRed, a.IWhite, a.IBlue});
  const int vmax = a.VMax >= 0 ? a.VMax : std::max({a.VRed, a.VWhite, a.VBlue});

  std::string s = "*A";
  s += Digits(a.ThermalCap, 3) + Digits(a.ThermalCurve, 3);
  s += Digits(imax, 5) + Digits(a.IRed, 5) + Digits(a.IWhite, 5) + Digits(a.IBlue, 5);
  s += Digits(a.Unbalance, 3) + Digits(VoltageCode, 3);
  s += Digits(vmax, 5) + Digits(a.VRed, 5) + Digits(a.VWhite, 5) + Digits(a.VBlue, 5);
  s += Digits(a.VoltSym, 3) + Digits(a.PowerFactor, 3) + Digits(a.Frequency, 3);
  s += Digits(a.EarthLeakage, 5) + Digits(a.Insulation, 5) + Digits(a.RunHours, 5);
  s += Digits(a.ModelCode, 3) + Digits(a.MLC, 3);
  for (int temperature : a.Temperature) s += Digits(temperature, 3);
  s += Digits(ProductId, 3);
  s += (Revision + "  ").substr(0, 2);
  s += "#";
  ++tick_;
  return s;
}

std::string RelayModel::ActualStatusRecord() const {
  std::array<int, 19> v = Status;
  if (LiveMoving) {
    const int t = tick_;
    v[9] = (v[9] & ~0x7F) | ((t / 10) % 128);  // field inputs 1..7 count up slowly
    v[11] = (t / 4) % 256;                     // PLC inputs 1..8
    v[17] = (v[17] + t / 10) % 256;            // counter A
  }
  if (Simulating) {
    UpdateSimulatedProtection();
    // The simulated motor: in service while a current flows, voltages present while all three
    // are there, the overcurrent alarm and trip, relay 1 dropping out on the trip.
    const bool running = Sim.I[0] > 0 || Sim.I[1] > 0 || Sim.I[2] > 0;
    const bool voltages = Sim.V[0] > 0 && Sim.V[1] > 0 && Sim.V[2] > 0;
    v[0] = (v[0] & ~0x05) | (running ? 0x01 : 0) | (alarmSinceMs_ >= 0 ? 0x04 : 0);
    v[1] = (v[1] & ~0x01) | (voltages ? 0x01 : 0);
    v[3] = (v[3] & ~0x01) | (simTripped_ ? 0x01 : 0);
    if (simTripped_) v[8] &= ~0x08;
    if (!(Sim.Inputs & 0x80)) {
      v[9] = Sim.Inputs & 0x7F;
      v[16] = Sim.ExtInputs;
    }
    v[7] |= 0x40;
  }
  std::string s = "*a";
  for (int value : v) s += Digits(value, 3);
  return s + "#";
}
