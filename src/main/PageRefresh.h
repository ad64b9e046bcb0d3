#pragma once
// What the 500 ms page refresh leaves behind for others of the main window's unit.
#include <functional>

// The Test page's alarm and trip lamps are lit. Changed only while the Test page is shown with the
// port open; read by the Test page's alarm-to-trip timer.
extern bool AlarmLedOn;
extern bool TripLedOn;

// For tests: runs first inside the tick's guarded steps (while connected), standing in for a box
// read that fails to convert. Empty in the program.
extern std::function<void()> PageRefreshProbe;
