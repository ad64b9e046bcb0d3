#pragma once
// A settings file of the older form, written out by hand: 153 lines of one number each, every
// value inside its editor's range and away from the editors' initial values.
#include <string>
#include <vector>

// clang-format off
inline const std::vector<std::string> kLegacyFile = {
    // 0..15: MLC, thermal curve, both again for low speed, reset threshold, voltage item (525V),
    // voltage limits, symmetry, unbalance level and delay, minimum load delays, restart item,
    // current and power factor levels
    "72", "12", "64", "20", "55", "3", "11", "13", "90", "25", "6", "4", "30", "2", "45", "55",
    // 16..19: control bytes A (261: low bits 5), B, C (bit 7 has no switch), D (bit 4 is not read)
    "261", "133", "146", "25",
    // 20..35: earth leakage mode, level, delay; starts, consecutive starts, stall level, hold-off;
    // field input delays 1..7; stall delay; starter type 7 (two speed)
    "1", "250", "300", "8", "2", "400", "15",
    "150", "200", "250", "300", "350", "400", "450", "1500", "7",
    // 36..59: logic functions 1..6, each its output table and inputs A, B, C
    "170", "1", "2", "3",  "85", "4", "5", "6",  "15", "7", "8", "9",
    "240", "10", "11", "12",  "1", "13", "14", "15",  "128", "16", "17", "18",
    // 60..69: timer A time, start, reset; timer B the same; clock window start and stop
    "2500", "19", "20", "45", "21", "22", "6", "30", "18", "45",
    // 70..77: relays 1..8
    "23", "24", "25", "26", "27", "28", "29", "30",
    // 78..92: counters A and B (limit, up, down, reset), pulse generator input, period, duty
    // cycle, latch set and reset, external reset, thermal capacity warning
    "200", "31", "32", "33", "17", "34", "35", "36", "37", "120", "40", "38", "39", "5", "80",
    // 93..112: control selector lsb and msb; local, remote and auto start inputs
    "4", "6",
    "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27",
    // 113..122: starter timers, feedback signal
    "120", "5", "400", "90", "1500", "120", "15", "650", "1000", "40",
    // 123..138: temperature trip levels (high, low) and warning levels (high, low), inputs 1..4
    "130", "-5", "131", "-6", "132", "-7", "133", "-8",
    "100", "-10", "101", "-11", "102", "-12", "103", "-13",
    // 139..144: temperature input types, CT primary and secondary
    "1", "0", "2", "1", "300", "5",
    // 145..152: comms protocol (CANbus), address, baud rate, structure, identifier, base addresses
    "3", "100", "2", "1", "1", "1000", "2000", "3000",
};
// clang-format on
