// The 500 ms page refresh: the fail-safe box follows the relay 1 choice at every tick; while the
// port is open the controls of the shown page that combine several records (or the PC's clock)
// are brought up to date.
#include "main/PageRefresh.h"

#include <cstdint>

#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"

bool AlarmLedOn = false;
bool TripLedOn = false;

namespace {

// Bit 5 of control byte C: the relay has its IO expander connected. The expansion module's panels
// follow the relay's own byte, so a relay with the module shows them whatever file was read last.
constexpr uint8_t kExpansionModuleBit = 0x20;

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

}  // namespace

void TForm1::InitPageRefresh() {
  Timer2.Name = "Timer2";
  Timer2.OnTimer = [this] { Timer2Timer(); };
  // With the port closed a tick only follows the relay 1 choice with the fail-safe box.
  Timer2.Idle = [this] {
    const int relay1 = rgMTR_Select.ItemIndex();
    return !PortOpen() && !(relay1 == 0 && !cbFailSave_Sel.Enabled()) &&
           !(relay1 == 1 && cbFailSave_Sel.Enabled());
  };
  cbFailSave_Sel.SetHint("Relay trips with loss of supply");
  mbClock.ReadOnly = true;
  mbTCap.ReadOnly = true;
  iagTCap.PositionMin = 0;
  iagTCap.PositionMax = 100;
}

void TForm1::Timer2Timer() {
  // Fail-safe operation goes only with the dedicated main trip relay; act on a change of the
  // choice only, so the user may still uncheck the box while item 0 stays selected.
  const int relay1 = rgMTR_Select.ItemIndex();
  if (relay1 == 0 && !cbFailSave_Sel.Enabled()) {
    cbFailSave_Sel.SetEnabled(true);
    cbFailSave_Sel.SetChecked(true);
    cbFailSave_SelClick();
  } else if (relay1 == 1 && cbFailSave_Sel.Enabled()) {
    cbFailSave_Sel.SetEnabled(false);
    cbFailSave_Sel.SetChecked(false);
    cbFailSave_SelClick();
  }

  if (!PortOpen()) return;

  // A box holding text that is not a number ends this tick quietly; the next one starts afresh.
  try {
    const TTabSheet* page = PageControl1.ActivePage();
    const bool expansion = (ActControl_C & kExpansionModuleBit) != 0;

    if (page == &tsActual) {
      pExpF_Inputs.SetVisible(expansion);
      pExpRelays.SetVisible(expansion);
    }
    if (page == &tsLogic) {
      pExpRelayCoils.SetVisible(expansion);
      pExpDF_Inputs.SetVisible(expansion);
    }
    if (page == &tsStarters) issLocationSelect.SetPosition(ActLocSelector);
    if (page == &tsRealTimeClock) {
      FormatSettings.DateSeparator = '-';
      FormatSettings.TimeSeparator = ':';
      FormatSettings.LongTimeFormat = "hh:mm:ss";
      FormatSettings.ShortDateFormat = "dd/mm/yyyy";
      mbClock.SetText(TimeToStr(Now()));
    }
    if (page == &tsTest) {
      const double used = iagThermalCap.Position();
      mbTCap.SetText(IntToStr(Round(static_cast<long double>(used))) + "%");
      iagTCap.SetPosition(used);
      iLedCurrentStatus.SetActive((ActAlarmF_A & 0x01) != 0);
      // Bit 0 of A (in service) and of B (voltages present) are states, not alarms.
      AlarmLedOn = (ActAlarmF_A & 0xFE) != 0 || (ActAlarmF_B & 0xFE) != 0 || ActAlarmF_C != 0;
      iLedAlarm.SetActive(AlarmLedOn);
      TripLedOn = (ActTripF_A | ActTripF_B | ActTripF_C | ActTripF_D) != 0;
      iLedTrip.SetActive(TripLedOn);
      // The Test page's coils of the expansion module follow the Actual page's.
      iLedExtRL5.SetActive(iLedExtRL_5.Active());
      iLedExtRL6.SetActive(iLedExtRL_6.Active());
      iLedExtRL7.SetActive(iLedExtRL_7.Active());
      iLedExtRL8.SetActive(iLedExtRL_8.Active());
    }
    if (page == &tsLogic) {
      cbRelay_1_Input.SetVisible(rgMTR_Select.ItemIndex() != 0);
      labRelay_1_Input.SetVisible(cbRelay_1_Input.Visible());  // its caption goes with it
    }
    if (page == &tsSpectrum) SpectrumAnalyserStep();
    RecorderStep();
  } catch (const EConvertError&) {
  }
}
