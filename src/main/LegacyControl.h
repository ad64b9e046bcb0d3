#pragma once
// Control bytes A to D as they stood in the last settings file of the legacy form read in this
// run; all 0 until such a file is read. Only the settings file reader writes them.
#include <cstdint>

extern uint8_t LegacyControl_A;
extern uint8_t LegacyControl_B;
extern uint8_t LegacyControl_C;
extern uint8_t LegacyControl_D;
