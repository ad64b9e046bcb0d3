#pragma once
// The transfer chains as data. Every read or write the user starts is a chain of steps; a step is
// a request flag, a done flag, the request it queues and what its completion does next. The
// system timer's one step engine (Sequencer.cpp) walks these tables; the commands that arm a
// chain (TransferCommands.cpp) read the mass download's choices from here too.
#include <cstddef>
#include <cstdint>

#include "main/Main.h"
#include "main/UnitMassDwnSel.h"

namespace transfers {

using Flag = bool model::RelayState::*;  // the transfer flags live in the relay model
using Box = TCheckBox TFrmMassDwnSel::*;

// Bar moves on completion: a position, or one of these.
inline constexpr int8_t kKeepBar = -1;  // unchanged
inline constexpr int8_t kNextBar = -2;  // one further while below the maximum

enum class Then : uint8_t {
  Arm,               // arm step `next` (if any), show `text` (if any), move the bar
  Finish,            // show `text`, move the bar, button "Ok"
  FinishFullRead,    // UploadAll cleared, then as Finish with the button enabled
  ReadCalibration,   // the calibration read follows in the same dialog
  WriteCalibration,  // the calibration write follows in the same dialog
  MassNext,   // bar one further; ends at the maximum, else arms `next` or the next chosen step
  MassEnd,    // the mass download is over
  StatsDone,  // Finish, then the statistics page leaves its edit mode
  ClockDone,  // the clock page leaves its edit mode, then Finish
};

struct Continuation {
  Then then;
  int8_t next;  // index of a step of the same chain, -1 for none
  const char* text;
  int8_t bar;
};

// The Bluetooth steps of the full read and the mass download exist only from "Rev 3a" on; before
// that (and for "Rev 00", which the relay reports when it knows no revision) the step completes
// without a request.
enum class Gate : uint8_t { None, Bluetooth };

struct Step {
  Flag request;
  Flag done;
  uint8_t code;
  Gate gate;
  Continuation plain;     // on completion
  Continuation extended;  // on completion for an extended relay revision
};

// Within a tick each step is tested for queuing (request flag set, done flag clear) and for
// completion (both set), in the chain's own order.
enum Test : uint8_t { kQueue = 1, kComplete = 2, kBoth = 3 };
struct TickTest {
  int8_t step;
  Test test;
};

// The mass download's choices in chain order: the box that chooses it, its first step in the
// mass download chain, how many bar steps it counts, and the dialog text when it is armed.
struct MassChoice {
  Box box;
  int8_t step;
  uint8_t count;
  uint8_t countExtended;
  const char* text;
  const char* textExtended;
  bool communication;  // arming it also clears both comms data block pairs
};

// clang-format off
inline constexpr MassChoice kMassChoices[] = {
    {&TFrmMassDwnSel::CBoxMassDwnSelSettings, 0, 1, 1, "Downloading settings", "Downloading settings", false},
    {&TFrmMassDwnSel::CBoxMassDwnSelLogic, 1, 1, 1, "Downloading logic", "Downloading logic", false},
    {&TFrmMassDwnSel::CBoxMassDwnSelStarter, 2, 1, 1, "Downloading starter configuration",
     "Downloading starter configuration", false},
    {&TFrmMassDwnSel::CBoxMassDwnSelDesc, 3, 1, 1, "Downloading description", "Downloading description", false},
    {&TFrmMassDwnSel::CBoxMassDwnSelComm, 4, 1, 3, "Downloading communication",
     "Downloading communication block 0", true},
    {&TFrmMassDwnSel::CBoxMassDwnSelExtMod, 7, 1, 1, "Downloading external module",
     "Downloading external module", false},
    {&TFrmMassDwnSel::CBoxMassDwnSelBluetooth, 8, 1, 1, "Downloading Bluetooth", "Downloading Bluetooth", false},
    // The device ID write, then the calibration write.
    {&TFrmMassDwnSel::CBoxMassDwnSelCal, 9, 2, 2, "Downloading device ID", "Downloading device ID", false},
};
// clang-format on

// Arms a choice's first step and shows its text.
void ArmMassChoice(TForm1& f, const MassChoice& choice, bool extended);

// Clears the request and done flag of every read.
void ClearReadFlags(TForm1& f);

// The relay's software revision as the revision tests read it.
bool ExtendedRevision(const TForm1& f);

// The progress dialog as the chains use it.
void ProgressText(const char* text);
void ProgressBar(int8_t bar);

}  // namespace transfers
