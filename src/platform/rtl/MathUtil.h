// Checked real arithmetic: the cases where the original's floating-point unit
// raised an exception raise here too, instead of producing inf or NaN.
#pragma once

// b == 0: EZeroDivide "Floating point division by zero" (0/0: EInvalidOp).
long double SafeDiv(long double a, long double b);
// x <= 0 or NaN: EInvalidOp "Invalid floating point operation".
long double SafeLn(long double x);
long double SafeLog10(long double x);
// x < 0 or NaN: EInvalidOp.
long double Sqrt(long double x);
