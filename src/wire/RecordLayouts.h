#pragma once
// Wire layout of every configuration record, one table per record: where each field sits in the
// relay's answer and in the write message, how it is converted on the way in (into the received
// column of the variable table) and on the way out (from the send column). The variable table's
// captions and defaults come from the same rows, so each field is written down exactly once.
// The record parsers, the message builder, the variable table and the test relay all walk these.
#include <cstdint>
#include <string>

#include "wire/AnswerShapes.h"

class TStringGrid;

namespace wire {

// Received-column conversion of a field.
enum class Rx : uint8_t {
  Num,         // unsigned 16-bit number, at least RecvWidth digits
  Div20,       // number div 20
  Times50,     // number times 50
  Minus30,     // number minus 30, may be negative ("-030")
  SignedByte,  // low 8 bits as a signed value (-128..127)
  Text         // characters as they stand
};

// Send-column conversion of a field.
enum class Tx : uint8_t {
  AsIs,          // the send-column text unchanged
  HundredMinus,  // 100 minus the value
  Times20,
  Div50,  // rounding down
  Plus30,
  Mod256,  // low 8 bits, 0..255
  NotSent  // the write does not carry the field
};

struct FieldLayout {
  const char* Caption;  // column 0 of the field's grid row
  const char* Default;  // both value columns after creation
  int AnswerPos;        // 1-based position in the answer ("*" is 1)
  int AnswerWidth;
  Rx Recv;
  int RecvWidth;  // minimum digits stored (text: the field's width)
  int WritePos;   // 1-based position in the write message; 0 when not sent
  Tx Send;
  int SendWidth;  // digits (or characters) the field holds on the wire
};

// clang-format off
inline constexpr FieldLayout kIdentityFields[] = {
    {"Relay Model", "000", 3, 3, Rx::Text, 3, 3, Tx::AsIs, 3},  // row 1
    {"Seriaal Number", "00000000", 6, 8, Rx::Text, 8, 6, Tx::AsIs, 8},  // row 2
    {"Revision", "0a", 14, 2, Rx::Text, 2, 0, Tx::NotSent, 0},  // row 3
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kSettingsFields[] = {
    {"TC Cap", "000", 3, 3, Rx::Num, 3, 3, Tx::HundredMinus, 3},  // row 1
    {"TC 0 Curve", "000", 6, 3, Rx::Num, 3, 6, Tx::AsIs, 3},  // row 2
    {"Volt Sel", "000", 9, 3, Rx::Num, 3, 9, Tx::AsIs, 3},  // row 3
    {"Volt Sym Trip Lev", "000", 12, 3, Rx::Num, 3, 12, Tx::AsIs, 3},  // row 4
    {"Unbal Trip Lev", "000", 15, 3, Rx::Num, 3, 15, Tx::AsIs, 3},  // row 5
    {"Unbal Trip Del", "000", 18, 3, Rx::Div20, 3, 18, Tx::Times20, 3},  // row 6
    {"ML I Trip Lev", "000", 21, 3, Rx::Num, 3, 66, Tx::AsIs, 3},  // row 7
    {"ML Trip Del", "000", 24, 3, Rx::Div20, 3, 21, Tx::Times20, 3},  // row 8
    {"Cntrl A", "000", 27, 3, Rx::Num, 3, 24, Tx::AsIs, 3},  // row 9
    {"Cntrl B", "000", 30, 3, Rx::Num, 3, 27, Tx::AsIs, 3},  // row 10
    {"EL Trip Lev", "00000", 33, 5, Rx::Num, 5, 30, Tx::AsIs, 5},  // row 11
    {"EL Trip Del", "00000", 38, 3, Rx::Times50, 5, 35, Tx::Div50, 3},  // row 12
    {"EL Trip Sel", "000", 41, 3, Rx::Num, 3, 38, Tx::AsIs, 3},  // row 13
    {"Starts Per Hour", "000", 44, 3, Rx::Num, 3, 41, Tx::AsIs, 3},  // row 14
    {"ML Startup Trip Del", "000", 47, 5, Rx::Div20, 3, 44, Tx::Times20, 5},  // row 15
    {"TC Reset Lev", "000", 52, 3, Rx::Num, 3, 49, Tx::AsIs, 3},  // row 16
    {"Cntrl C", "000", 55, 3, Rx::Num, 3, 52, Tx::AsIs, 3},  // row 17
    {"Consec Starts", "000", 58, 3, Rx::Num, 3, 55, Tx::AsIs, 3},  // row 18
    {"RS Trip Lev", "00000", 61, 5, Rx::Num, 5, 58, Tx::AsIs, 5},  // row 19
    {"ML Rst Sel", "000", 66, 3, Rx::Num, 3, 63, Tx::AsIs, 3},  // row 20
    {"ML P Trip Lev", "000", 69, 3, Rx::Num, 3, 69, Tx::AsIs, 3},  // row 21
    {"MLC 0", "000", 72, 3, Rx::Num, 3, 72, Tx::AsIs, 3},  // row 22
    {"RS Hold Del", "000", 75, 3, Rx::Num, 3, 75, Tx::AsIs, 3},  // row 23
    {"DF Inp 1 Del", "00000", 78, 3, Rx::Times50, 5, 78, Tx::Div50, 3},  // row 24
    {"DF Inp 2 Del", "00000", 81, 3, Rx::Times50, 5, 81, Tx::Div50, 3},  // row 25
    {"DF Inp 3 Del", "00000", 84, 3, Rx::Times50, 5, 84, Tx::Div50, 3},  // row 26
    {"DF Inp 4 Del", "00000", 87, 3, Rx::Times50, 5, 87, Tx::Div50, 3},  // row 27
    {"DF Inp 5 Del", "00000", 90, 3, Rx::Times50, 5, 90, Tx::Div50, 3},  // row 28
    {"DF Inp 6 Del", "00000", 93, 3, Rx::Times50, 5, 93, Tx::Div50, 3},  // row 29
    {"DF Inp 7 Del", "00000", 96, 3, Rx::Times50, 5, 96, Tx::Div50, 3},  // row 30
    {"RS Trip Del", "00000", 99, 3, Rx::Times50, 5, 99, Tx::Div50, 3},  // row 31
    {"Starter Type", "000", 102, 3, Rx::Num, 3, 102, Tx::AsIs, 3},  // row 32
    {"Volt Lim Lo", "000", 105, 3, Rx::Num, 3, 105, Tx::AsIs, 3},  // row 33
    {"Volt Lim Hi", "000", 108, 3, Rx::Num, 3, 108, Tx::AsIs, 3},  // row 34
    {"MLC 1", "000", 111, 3, Rx::Num, 3, 111, Tx::AsIs, 3},  // row 35
    {"TC 1 Curve", "000", 114, 3, Rx::Num, 3, 114, Tx::AsIs, 3},  // row 36
    {"RTD 1 Hi Trip Lev", "000", 117, 3, Rx::Minus30, 3, 117, Tx::Plus30, 3},  // row 37
    {"RTD 2 Hi Trip Lev", "000", 120, 3, Rx::Minus30, 3, 120, Tx::Plus30, 3},  // row 38
    {"RTD 3 Hi Trip Lev", "000", 123, 3, Rx::Minus30, 3, 123, Tx::Plus30, 3},  // row 39
    {"RTD 4 Hi Trip Lev", "000", 126, 3, Rx::Minus30, 3, 126, Tx::Plus30, 3},  // row 40
    {"RTD 1 Lo Trip Lev", "000", 129, 3, Rx::Minus30, 3, 129, Tx::Plus30, 3},  // row 41
    {"RTD 2 Lo Trip Lev", "000", 132, 3, Rx::Minus30, 3, 132, Tx::Plus30, 3},  // row 42
    {"RTD 3 Lo Trip Lev", "000", 135, 3, Rx::Minus30, 3, 135, Tx::Plus30, 3},  // row 43
    {"RTD 4 Lo Trip Lev", "000", 138, 3, Rx::Minus30, 3, 138, Tx::Plus30, 3},  // row 44
    {"Cntrl D", "000", 141, 3, Rx::Num, 3, 141, Tx::AsIs, 3},  // row 45
    {"RTD 1 Type", "000", 144, 3, Rx::Num, 3, 144, Tx::AsIs, 3},  // row 46
    {"RTD 2 Type", "000", 147, 3, Rx::Num, 3, 147, Tx::AsIs, 3},  // row 47
    {"RTD 3 Type", "000", 150, 3, Rx::Num, 3, 150, Tx::AsIs, 3},  // row 48
    {"RTD 4 Type", "000", 153, 3, Rx::Num, 3, 153, Tx::AsIs, 3},  // row 49
    {"CT Prim", "00000", 156, 5, Rx::Num, 5, 156, Tx::AsIs, 5},  // row 50
    {"CT Sec", "000", 161, 3, Rx::Num, 3, 161, Tx::AsIs, 3},  // row 51
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kCalibrationFields[] = {
    {"Vr Fact", "000", 3, 3, Rx::Num, 3, 3, Tx::AsIs, 3},  // row 1
    {"Vw Fact", "000", 6, 3, Rx::Num, 3, 6, Tx::AsIs, 3},  // row 2
    {"Vb Fact", "000", 9, 3, Rx::Num, 3, 9, Tx::AsIs, 3},  // row 3
    {"Ir Fact", "000", 12, 3, Rx::Num, 3, 12, Tx::AsIs, 3},  // row 4
    {"Iw Fact", "000", 15, 3, Rx::Num, 3, 15, Tx::AsIs, 3},  // row 5
    {"Ib Fact", "000", 18, 3, Rx::Num, 3, 18, Tx::AsIs, 3},  // row 6
    {"EL Fact", "000", 21, 3, Rx::Num, 3, 21, Tx::AsIs, 3},  // row 7
    {"Hi Freq Lim", "000", 24, 3, Rx::Num, 3, 24, Tx::AsIs, 3},  // row 8
    {"Lo Freq Lim", "000", 27, 3, Rx::Num, 3, 27, Tx::AsIs, 3},  // row 9
    {"Freq Sel", "000", 30, 3, Rx::Num, 3, 30, Tx::AsIs, 3},  // row 10
    {"RTD 1 PT100", "000", 33, 3, Rx::SignedByte, 3, 33, Tx::Mod256, 3},  // row 11
    {"RTD 1 PT1000", "000", 36, 3, Rx::SignedByte, 3, 36, Tx::Mod256, 3},  // row 12
    {"RTD 2 PT100", "000", 39, 3, Rx::SignedByte, 3, 39, Tx::Mod256, 3},  // row 13
    {"RTD 2 PT1000", "000", 42, 3, Rx::SignedByte, 3, 42, Tx::Mod256, 3},  // row 14
    {"RTD 3 PT100", "000", 45, 3, Rx::SignedByte, 3, 45, Tx::Mod256, 3},  // row 15
    {"RTD 3 PT1000", "000", 48, 3, Rx::SignedByte, 3, 48, Tx::Mod256, 3},  // row 16
    {"RTD 4 PT100", "000", 51, 3, Rx::SignedByte, 3, 51, Tx::Mod256, 3},  // row 17
    {"RTD 4 PT1000", "000", 54, 3, Rx::SignedByte, 3, 54, Tx::Mod256, 3},  // row 18
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kStatisticsFields[] = {
    {"Start Up Cntr", "00000", 3, 5, Rx::Num, 5, 3, Tx::AsIs, 5},  // row 1
    {"Trip Cntr", "00000", 8, 5, Rx::Num, 5, 8, Tx::AsIs, 5},  // row 2
    {"Motor Run Hr", "00000", 13, 5, Rx::Num, 5, 13, Tx::AsIs, 5},  // row 3
    {"Relay Run Hr", "00000", 18, 5, Rx::Num, 5, 18, Tx::AsIs, 5},  // row 4
    {"TC 0", "000", 23, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 5
    {"TC 1", "000", 26, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 6
    {"TC 2", "000", 29, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 7
    {"TC 3", "000", 32, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 8
    {"TC 4", "000", 35, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 9
    {"TC 5", "000", 38, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 10
    {"TC 6", "000", 41, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 11
    {"TC 7", "000", 44, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 12
    {"TC 8", "000", 47, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 13
    {"TC 9", "000", 50, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 14
    {"App Pow Used", "00000", 53, 5, Rx::Num, 5, 23, Tx::AsIs, 5},  // row 15
    {"Real Pow Used", "00000", 58, 5, Rx::Num, 5, 28, Tx::AsIs, 5},  // row 16
    {"Run Hr At FLoad", "00000", 63, 5, Rx::Num, 5, 33, Tx::AsIs, 5},  // row 17
    {"SU Year", "000", 68, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 18
    {"SU Month", "000", 71, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 19
    {"SU Date", "000", 74, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 20
    {"SU Hr", "000", 77, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 21
    {"SU Min", "000", 80, 3, Rx::Num, 3, 0, Tx::NotSent, 0},  // row 22
    {"Run Hr", "00000", 83, 5, Rx::Num, 5, 0, Tx::NotSent, 0},  // row 23
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kExtModFields[] = {
    {"DF Inp 8 Delay", "00000", 3, 3, Rx::Times50, 5, 3, Tx::Div50, 3},  // row 1
    {"DF Inp 9 Delay", "00000", 6, 3, Rx::Times50, 5, 6, Tx::Div50, 3},  // row 2
    {"DF Inp 10 Delay", "00000", 9, 3, Rx::Times50, 5, 9, Tx::Div50, 3},  // row 3
    {"DF Inp 11 Delay", "00000", 12, 3, Rx::Times50, 5, 12, Tx::Div50, 3},  // row 4
    {"DF Inp 12 Delay", "00000", 15, 3, Rx::Times50, 5, 15, Tx::Div50, 3},  // row 5
    {"DF Inp 13 Delay", "00000", 18, 3, Rx::Times50, 5, 18, Tx::Div50, 3},  // row 6
    {"DF Inp 14 Delay", "00000", 21, 3, Rx::Times50, 5, 21, Tx::Div50, 3},  // row 7
    {"DF Inp 15 Delay", "00000", 24, 3, Rx::Times50, 5, 24, Tx::Div50, 3},  // row 8
};
// clang-format on
inline constexpr FieldLayout kDescFields[] = {
    {"Description", "                    ", 3, 20, Rx::Text, 20, 3, Tx::AsIs, 20},  // row 1
    {"Drive ID", "        ", 23, 8, Rx::Text, 8, 23, Tx::AsIs, 8},                  // row 2
};
inline constexpr FieldLayout kBluetoothFields[] = {
    {"Pin Code", "    ", 3, 4, Rx::Text, 4, 3, Tx::AsIs, 4},  // row 1
};
// clang-format off
inline constexpr FieldLayout kLogicFields[] = {
    {"LF1 Table Mask", "000", 3, 3, Rx::Num, 3, 3, Tx::AsIs, 3},  // row 1
    {"LF1 Input A", "000", 6, 3, Rx::Num, 3, 6, Tx::AsIs, 3},  // row 2
    {"LF1 Input B", "000", 9, 3, Rx::Num, 3, 9, Tx::AsIs, 3},  // row 3
    {"LF1 Input C", "000", 12, 3, Rx::Num, 3, 12, Tx::AsIs, 3},  // row 4
    {"LF2 Table Mask", "000", 15, 3, Rx::Num, 3, 15, Tx::AsIs, 3},  // row 5
    {"LF2 Input A", "000", 18, 3, Rx::Num, 3, 18, Tx::AsIs, 3},  // row 6
    {"LF2 Input B", "000", 21, 3, Rx::Num, 3, 21, Tx::AsIs, 3},  // row 7
    {"LF2 Input C", "000", 24, 3, Rx::Num, 3, 24, Tx::AsIs, 3},  // row 8
    {"LF3 Table Mask", "000", 27, 3, Rx::Num, 3, 27, Tx::AsIs, 3},  // row 9
    {"LF3 Input A", "000", 30, 3, Rx::Num, 3, 30, Tx::AsIs, 3},  // row 10
    {"LF3 Input B", "000", 33, 3, Rx::Num, 3, 33, Tx::AsIs, 3},  // row 11
    {"LF3 Input C", "000", 36, 3, Rx::Num, 3, 36, Tx::AsIs, 3},  // row 12
    {"LF4 Table Mask", "000", 39, 3, Rx::Num, 3, 39, Tx::AsIs, 3},  // row 13
    {"LF4 Input A", "000", 42, 3, Rx::Num, 3, 42, Tx::AsIs, 3},  // row 14
    {"LF4 Input B", "000", 45, 3, Rx::Num, 3, 45, Tx::AsIs, 3},  // row 15
    {"LF4 Input C", "000", 48, 3, Rx::Num, 3, 48, Tx::AsIs, 3},  // row 16
    {"LF5 Table Mask", "000", 51, 3, Rx::Num, 3, 51, Tx::AsIs, 3},  // row 17
    {"LF5 Input A", "000", 54, 3, Rx::Num, 3, 54, Tx::AsIs, 3},  // row 18
    {"LF5 Input B", "000", 57, 3, Rx::Num, 3, 57, Tx::AsIs, 3},  // row 19
    {"LF5 Input C", "000", 60, 3, Rx::Num, 3, 60, Tx::AsIs, 3},  // row 20
    {"LF6 Table Mask", "000", 63, 3, Rx::Num, 3, 63, Tx::AsIs, 3},  // row 21
    {"LF6 Input A", "000", 66, 3, Rx::Num, 3, 66, Tx::AsIs, 3},  // row 22
    {"LF6 Input B", "000", 69, 3, Rx::Num, 3, 69, Tx::AsIs, 3},  // row 23
    {"LF6 Input C", "000", 72, 3, Rx::Num, 3, 72, Tx::AsIs, 3},  // row 24
    {"Tmr A Time", "00000", 75, 5, Rx::Div20, 5, 75, Tx::Times20, 5},  // row 25
    {"Tmr A Start", "000", 80, 3, Rx::Num, 3, 80, Tx::AsIs, 3},  // row 26
    {"Tmr A Reset", "000", 83, 3, Rx::Num, 3, 83, Tx::AsIs, 3},  // row 27
    {"Tmr B Time", "00000", 86, 5, Rx::Div20, 5, 86, Tx::Times20, 5},  // row 28
    {"Tmr B Start", "000", 91, 3, Rx::Num, 3, 91, Tx::AsIs, 3},  // row 29
    {"Tmr B Reset", "000", 94, 3, Rx::Num, 3, 94, Tx::AsIs, 3},  // row 30
    {"RTC Hr Start", "000", 97, 3, Rx::Num, 3, 97, Tx::AsIs, 3},  // row 31
    {"RTC Min Start", "000", 100, 3, Rx::Num, 3, 100, Tx::AsIs, 3},  // row 32
    {"RTC Hr Stop", "000", 103, 3, Rx::Num, 3, 103, Tx::AsIs, 3},  // row 33
    {"RTC Min Stop", "000", 106, 3, Rx::Num, 3, 106, Tx::AsIs, 3},  // row 34
    {"Relay 1 Input", "000", 109, 3, Rx::Num, 3, 109, Tx::AsIs, 3},  // row 35
    {"Relay 2 Input", "000", 112, 3, Rx::Num, 3, 112, Tx::AsIs, 3},  // row 36
    {"Relay 3 Input", "000", 115, 3, Rx::Num, 3, 115, Tx::AsIs, 3},  // row 37
    {"Relay 4 Input", "000", 118, 3, Rx::Num, 3, 118, Tx::AsIs, 3},  // row 38
    {"Cntr A Limit", "000", 121, 3, Rx::Num, 3, 121, Tx::AsIs, 3},  // row 39
    {"Cntr A Input Up", "000", 124, 3, Rx::Num, 3, 124, Tx::AsIs, 3},  // row 40
    {"Cntr A Input Dn", "000", 127, 3, Rx::Num, 3, 127, Tx::AsIs, 3},  // row 41
    {"Cntr A Input Rst", "000", 130, 3, Rx::Num, 3, 130, Tx::AsIs, 3},  // row 42
    {"Cntr B Limit", "000", 133, 3, Rx::Num, 3, 133, Tx::AsIs, 3},  // row 43
    {"Cntr B Input Up", "000", 136, 3, Rx::Num, 3, 136, Tx::AsIs, 3},  // row 44
    {"Cntr B Input Dn", "000", 139, 3, Rx::Num, 3, 139, Tx::AsIs, 3},  // row 45
    {"Cntr B Input Rst", "000", 142, 3, Rx::Num, 3, 142, Tx::AsIs, 3},  // row 46
    {"PG Input", "000", 145, 3, Rx::Num, 3, 145, Tx::AsIs, 3},  // row 47
    {"PG Period", "00000", 148, 5, Rx::Num, 5, 148, Tx::AsIs, 5},  // row 48
    {"PG DutyCycle", "000", 153, 3, Rx::Num, 3, 153, Tx::AsIs, 3},  // row 49
    {"Latch Set", "000", 156, 3, Rx::Num, 3, 156, Tx::AsIs, 3},  // row 50
    {"Latch Reset", "000", 159, 3, Rx::Num, 3, 159, Tx::AsIs, 3},  // row 51
    {"Relay Reset Inp", "000", 162, 3, Rx::Num, 3, 162, Tx::AsIs, 3},  // row 52
    {"TC Warning Lev", "000", 165, 3, Rx::Num, 3, 165, Tx::AsIs, 3},  // row 53
    {"Ext Relay 5 Input", "000", 168, 3, Rx::Num, 3, 168, Tx::AsIs, 3},  // row 54
    {"Ext Relay 6 Input", "000", 171, 3, Rx::Num, 3, 171, Tx::AsIs, 3},  // row 55
    {"Ext Relay 7 Input", "000", 174, 3, Rx::Num, 3, 174, Tx::AsIs, 3},  // row 56
    {"Ext Relay 8 Input", "000", 177, 3, Rx::Num, 3, 177, Tx::AsIs, 3},  // row 57
    {"T1 Warn Hi", "000", 180, 3, Rx::Minus30, 3, 180, Tx::Plus30, 3},  // row 58
    {"T1 Warn Lo", "000", 183, 3, Rx::Minus30, 3, 183, Tx::Plus30, 3},  // row 59
    {"T2 Warn Hi", "000", 186, 3, Rx::Minus30, 3, 186, Tx::Plus30, 3},  // row 60
    {"T2 Warn Lo", "000", 189, 3, Rx::Minus30, 3, 189, Tx::Plus30, 3},  // row 61
    {"T3 Warn Hi", "000", 192, 3, Rx::Minus30, 3, 192, Tx::Plus30, 3},  // row 62
    {"T3 Warn Lo", "000", 195, 3, Rx::Minus30, 3, 195, Tx::Plus30, 3},  // row 63
    {"T4 Warn Hi", "000", 198, 3, Rx::Minus30, 3, 198, Tx::Plus30, 3},  // row 64
    {"T4 Warn Lo", "000", 201, 3, Rx::Minus30, 3, 201, Tx::Plus30, 3},  // row 65
    {"ESTOP", "000", 204, 3, Rx::Num, 3, 204, Tx::AsIs, 3},  // row 66
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kStartConfFields[] = {
    {"Loc Select lsb", "000", 3, 3, Rx::Num, 3, 3, Tx::AsIs, 3},  // row 1
    {"Loc Select msb", "000", 6, 3, Rx::Num, 3, 6, Tx::AsIs, 3},  // row 2
    {"Local Start FF", "000", 9, 3, Rx::Num, 3, 9, Tx::AsIs, 3},  // row 3
    {"Local Start FS", "000", 12, 3, Rx::Num, 3, 12, Tx::AsIs, 3},  // row 4
    {"Local Start RF", "000", 15, 3, Rx::Num, 3, 15, Tx::AsIs, 3},  // row 5
    {"Local Start RS", "000", 18, 3, Rx::Num, 3, 18, Tx::AsIs, 3},  // row 6
    {"Local Interlock", "000", 21, 3, Rx::Num, 3, 21, Tx::AsIs, 3},  // row 7
    {"Local Stop", "000", 24, 3, Rx::Num, 3, 24, Tx::AsIs, 3},  // row 8
    {"Remote Start FF", "000", 27, 3, Rx::Num, 3, 27, Tx::AsIs, 3},  // row 9
    {"Remote Start FS", "000", 30, 3, Rx::Num, 3, 30, Tx::AsIs, 3},  // row 10
    {"Remote Start RF", "000", 33, 3, Rx::Num, 3, 33, Tx::AsIs, 3},  // row 11
    {"Remote Start RS", "000", 36, 3, Rx::Num, 3, 36, Tx::AsIs, 3},  // row 12
    {"Remote Interlock", "000", 39, 3, Rx::Num, 3, 39, Tx::AsIs, 3},  // row 13
    {"Remote Stop", "000", 42, 3, Rx::Num, 3, 42, Tx::AsIs, 3},  // row 14
    {"Auto Start FF", "000", 45, 3, Rx::Num, 3, 45, Tx::AsIs, 3},  // row 15
    {"Auto Start FS", "000", 48, 3, Rx::Num, 3, 48, Tx::AsIs, 3},  // row 16
    {"Auto Start RF", "000", 51, 3, Rx::Num, 3, 51, Tx::AsIs, 3},  // row 17
    {"Auto Start RS", "000", 54, 3, Rx::Num, 3, 54, Tx::AsIs, 3},  // row 18
    {"Auto Interlock", "000", 57, 3, Rx::Num, 3, 57, Tx::AsIs, 3},  // row 19
    {"Auto Stop", "000", 60, 3, Rx::Num, 3, 60, Tx::AsIs, 3},  // row 20
    {"Pre Start Warn Time", "00000", 63, 5, Rx::Num, 5, 63, Tx::AsIs, 5},  // row 21
    {"Execution Time", "000", 68, 3, Rx::Num, 3, 68, Tx::AsIs, 3},  // row 22
    {"Feedback Time", "00000", 71, 3, Rx::Times50, 5, 71, Tx::Div50, 3},  // row 23
    {"Backspin Time", "00000", 74, 5, Rx::Num, 5, 74, Tx::AsIs, 5},  // row 24
    {"DC Brake Time", "00000", 79, 3, Rx::Times50, 5, 79, Tx::Div50, 3},  // row 25
    {"Restart Time", "00000", 82, 5, Rx::Num, 5, 82, Tx::AsIs, 5},  // row 26
    {"Star Max Time", "000", 87, 3, Rx::Num, 3, 87, Tx::AsIs, 3},  // row 27
    {"Transition Time", "00000", 90, 3, Rx::Times50, 5, 90, Tx::Div50, 3},  // row 28
    {"Unauthorization Time", "00000", 93, 3, Rx::Times50, 5, 93, Tx::Div50, 3},  // row 29
    {"Feedback Signal", "000", 96, 3, Rx::Num, 3, 96, Tx::AsIs, 3},  // row 30
};
// clang-format on
// clang-format off
inline constexpr FieldLayout kCommsFields[] = {
    {"Byte 0", "000", 3, 3, Rx::Num, 3, 3, Tx::AsIs, 3},  // row 1
    {"Byte 1", "000", 6, 3, Rx::Num, 3, 6, Tx::AsIs, 3},  // row 2
    {"Byte 2", "000", 9, 3, Rx::Num, 3, 9, Tx::AsIs, 3},  // row 3
    {"Byte 3", "000", 12, 3, Rx::Num, 3, 12, Tx::AsIs, 3},  // row 4
    {"Byte 4", "000", 15, 3, Rx::Num, 3, 15, Tx::AsIs, 3},  // row 5
    {"Byte 5", "000", 18, 3, Rx::Num, 3, 18, Tx::AsIs, 3},  // row 6
    {"Byte 6", "000", 21, 3, Rx::Num, 3, 21, Tx::AsIs, 3},  // row 7
    {"Byte 7", "000", 24, 3, Rx::Num, 3, 24, Tx::AsIs, 3},  // row 8
    {"Byte 8", "000", 27, 3, Rx::Num, 3, 27, Tx::AsIs, 3},  // row 9
    {"Byte 9", "000", 30, 3, Rx::Num, 3, 30, Tx::AsIs, 3},  // row 10
};
// clang-format on

enum class RecordId : uint8_t {
  Identity,
  Settings,
  Calibration,
  Statistics,
  ExtMod,
  Desc,
  Bluetooth,
  Logic,
  StartConf,
  Comms
};
inline constexpr int kRecordCount = 10;

// What the characters between the type letter and "#" must be.
enum class CharRule : uint8_t {
  Digits,     // "0" to "9"
  NoReserved  // anything but "!", "#", "*" and "?"
};

struct RecordLayout {
  RecordId Id;
  const char* GridName;
  const char* GridLabel;
  int GridRows;     // heading row included
  ParserId Answer;  // the answer's shape: its type letter and length
  CharRule Check;
  int CheckFrom, CheckTo;  // 1-based positions checked by Check
  const char* WriteHead;
  const char* WriteTail;
  int WriteLength;
  const FieldLayout* Fields;  // field k is grid row k + 1
  int FieldCount;
  bool AddressLow7;  // the echo of row 1 is compared on its low 7 bits only

  constexpr char Letter() const { return Shape(Answer).Letters[0]; }
  constexpr int AnswerLength() const { return Shape(Answer).Length; }
};

template <size_t N>
constexpr int CountOf(const FieldLayout (&)[N]) {
  return static_cast<int>(N);
}

// In the order the variable table builds its grids.
// clang-format off
inline constexpr RecordLayout kRecords[kRecordCount] = {
    {RecordId::Identity, "StrGridRelayID", "Relay ID Rx", 4, ParserId::RelayIDData, CharRule::Digits, 3, 14,
     "*I", "#", 14, kIdentityFields, CountOf(kIdentityFields), false},
    {RecordId::Settings, "StrGridRelSetRX", "Relay Settings Rx", 52, ParserId::SettingData, CharRule::Digits, 3, 163,
     "*S", "#", 164, kSettingsFields, CountOf(kSettingsFields), false},
    {RecordId::Calibration, "StringGridRelCalibrationRX", "Relay Calibration Rx", 19, ParserId::CalibrationData,
     CharRule::Digits, 3, 56, "*C", "#", 57, kCalibrationFields, CountOf(kCalibrationFields), false},
    {RecordId::Statistics, "StringGridRelStatRX", "Relay Statistics Rx", 24, ParserId::StatisticalData, CharRule::Digits,
     3, 87, "*T", "#", 38, kStatisticsFields, CountOf(kStatisticsFields), false},
    {RecordId::ExtMod, "StringGridRelExtModSetRx", "Relay Ext Mod Settings Rx", 9, ParserId::ExtModSetData,
     CharRule::Digits, 3, 26, "*O", "#*?O#", 31, kExtModFields, CountOf(kExtModFields), false},
    {RecordId::Desc, "StringGridRelDescRx", "Relay Description Rx", 3, ParserId::DescData, CharRule::NoReserved, 3,
     30, "*U", "#", 31, kDescFields, CountOf(kDescFields), false},
    {RecordId::Bluetooth, "StringGridBluetoothRx", "Bluetooth Rx", 3, ParserId::BluetoothData, CharRule::NoReserved, 3, 6,
     "*J", "#", 7, kBluetoothFields, CountOf(kBluetoothFields), false},
    {RecordId::Logic, "StringGridRelLogRx", "Relay Logic Rx", 67, ParserId::LogicData, CharRule::Digits, 3, 206,
     "*W", "#", 207, kLogicFields, CountOf(kLogicFields), false},
    {RecordId::StartConf, "StringGridRelStartConfRx", "Relay Starter Configuration Rx", 31, ParserId::StartConfData,
     CharRule::Digits, 3, 98, "*Q", "#", 99, kStartConfFields, CountOf(kStartConfFields), false},
    {RecordId::Comms, "StringGridRelCommsRx", "Relay Communication Rx", 11, ParserId::CommsData, CharRule::Digits, 3,
     32, "*M", "#", 33, kCommsFields, CountOf(kCommsFields), true},
};
// clang-format on

inline constexpr const RecordLayout& Layout(RecordId id) { return kRecords[static_cast<int>(id)]; }

// ---- Walking a record ----

// The characters of an answer of the record's length pass the record's check.
bool AnswerCharsOk(const RecordLayout& rec, const std::string& answer);

// One field of an answer converted for the received column.
std::string ReceiveField(const FieldLayout& f, const std::string& answer);

// Every field of the answer into column 1 of the record's grid (nothing else changes).
void StoreAnswer(const RecordLayout& rec, const std::string& answer, TStringGrid& grid);

// A send-column value that cannot go on the wire as it stands.
struct SendRefusal {
  std::string Caption;  // the field's row caption
  std::string Value;    // the send-column text
};

// One field converted for the write; false when the value does not fit the field (too many
// digits, negative, not a number, or text of the wrong width or with a framing character).
bool SendField(const RecordLayout& rec, const FieldLayout& f, const std::string& sendText,
               std::string& out);

// The write message from column 2 of the grid, fields in write order; false (message empty) with
// the first refused field when one does not fit.
bool BuildWrite(const RecordLayout& rec, const TStringGrid& grid, std::string& message,
                SendRefusal& why);

// Column 1 over column 2 for every row from 1 to the last row of the grid.
void CopyReceivedToSend(TStringGrid& grid);

// The echo check after a write: every row the write carries (and rows without a field) must be
// equal in both columns; all rows are looked at.
bool EchoMatches(const RecordLayout& rec, const TStringGrid& grid);

// Captions into column 0 and defaults into columns 1 and 2.
void FillGrid(const RecordLayout& rec, TStringGrid& grid);

}  // namespace wire
