#pragma once
// The two live records the relay is polled for all the time: the actual values ("*A", request 1)
// and the actual status ("*a", request 2). PackActualData and PackActualStatusData check an
// answer's characters; these show an answer that passed, on the main window.
#include <string>

class TForm1;
class TForm2;

// Revision and voltage list, every value box, gauge, slider maximum and derived value of the
// Actual page, the Calibration page's live edits and the relay state fields the record carries.
// `Buffer` is a whole actual record whose positions 3 to 100 are digits; a shorter text is
// ignored.
void ShowActualValues(TForm2& link, TForm1& main, const std::string& Buffer);

// The nineteen flag and counter bytes, every status lamp and its copies, the PLC grids, the
// counter boxes and the insulation display. `Buffer` is a whole status record whose positions 3 to
// 59 are digits; a shorter text is ignored.
void ShowActualStatus(TForm1& main, const std::string& Buffer);

// Plugs both into the comms setup window's live record hooks (for the main window Form1).
void ConnectLiveRecords(TForm2& link);
