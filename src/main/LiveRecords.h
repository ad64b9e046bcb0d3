#pragma once
// The two live records the relay is polled for all the time: the actual values ("*A", request 1)
// and the actual status ("*a", request 2). PackActualData and PackActualStatusData check an
// answer's characters and put its live bytes into the model; these show an answer that passed,
// on the main window.
#include <string>

class TForm1;
class TForm2;

// Revision and voltage list, every value box, gauge, slider maximum and derived value of the
// Actual page and the Calibration page's live edits, with the model's live bytes of the record.
// `Buffer` is a whole actual record whose positions 3 to 100 are digits; a shorter text is
// ignored.
void ShowActualValues(TForm2& link, TForm1& main, const std::string& Buffer);

// From the model's nineteen flag and counter bytes: every status lamp and its copies, the PLC
// grids, the counter boxes and the insulation display. `Buffer` is a whole status record whose
// positions 3 to 59 are digits; a shorter text is ignored.
void ShowActualStatus(TForm1& main, const std::string& Buffer);

// Plugs both into the comms setup window's live record hooks (for the main window Form1).
void ConnectLiveRecords(TForm2& link);

// Plugs the main window into the link: the link fills the window's relay model, and the window
// shows the clock, fault and event records the link says came, follows the event chain, answers
// the link's questions and closes the port when it fails. The live records are plugged in apart.
void ConnectRelayLink(TForm1& main, TForm2& link);
