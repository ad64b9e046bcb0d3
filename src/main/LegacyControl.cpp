#include "main/LegacyControl.h"

uint8_t LegacyControl_A = 0;
uint8_t LegacyControl_B = 0;
uint8_t LegacyControl_C = 0;
uint8_t LegacyControl_D = 0;
