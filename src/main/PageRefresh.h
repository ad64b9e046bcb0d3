#pragma once
// What the 500 ms page refresh leaves behind for others of the main window's unit.

// The Test page's alarm and trip lamps are lit. Changed only while the Test page is shown with the
// port open; read by the Test page's alarm-to-trip timer.
extern bool AlarmLedOn;
extern bool TripLedOn;
