#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "main/Main.h"
#include "report/SignalNames.h"

namespace {

using StrFn = std::function<std::string(int)>;
using NumFn = std::function<int(const std::string&)>;

struct Table {
  int number, count;
  StrFn str;
  NumFn num;
};

// clang-format off
const Table kTables[] = {
    {1, kTable01Count, GetTable01Str, GetTable01Num},
    {2, kTable02Count, GetTable02Str, GetTable02Num},
    {3, kTable03Count, GetTable03Str, GetTable03Num},
};
// clang-format on

std::string Padded(const std::string& name) { return name + std::string(16 - name.size(), ' '); }

struct StrCase {
  int table, code;
  const char* name;
};

TEST(SignalNames, CodeToName) {
  // clang-format off
  const StrCase cases[] = {
      {1, 0, "Zero ('0')"},      {1, 2, "InService"},        {1, 44, "SystemFail_tf"},
      {1, 45, "Timer_A"},        {1, 46, "! Timer_A"},       {1, 48, "! Timer_A (m/s)"},
      {1, 71, "DigFldInput_1"},  {1, 101, "PLC_Input_16"},   {1, 102, "StarterOutp_1"},
      {1, 108, "DC BrakingF"},   {1, 129, "MainTrip"},       {1, 130, "!MainTrip"},
      {2, 0, "Zero ('0')"},      {2, 1, "One ('1')"},        {2, 2, "DigFldInput_1"},
      {2, 16, "DigFldInput_15"}, {2, 17, "PLC_Input_1"},     {2, 32, "PLC_Input_16"},
      {3, 2, "InService"},       {3, 3, "Timer_A"},          {3, 6, "! Timer_A (m/s)"},
      {3, 12, "! RTClock"},      {3, 28, "! LogicFunc_6"},   {3, 29, "DigFldInput_1"},
      {3, 44, "PLC_Input_1"},    {3, 59, "PLC_Input_16"},
      // Beyond the table: entry 0.
      {1, 131, "Zero ('0')"},    {2, 33, "Zero ('0')"},      {3, 60, "Zero ('0')"},
      {3, 255, "Zero ('0')"},    {1, 255, "Zero ('0')"},
      // Only the low 8 bits of a code count.
      {1, 300, "SystemFail_tf"}, {2, 256 + 32, "PLC_Input_16"}, {1, -1, "Zero ('0')"},
  };
  // clang-format on
  for (const StrCase& c : cases) {
    SCOPED_TRACE("table " + std::to_string(c.table) + " code " + std::to_string(c.code));
    EXPECT_EQ(kTables[c.table - 1].str(c.code), Padded(c.name));
  }
}

struct NumCase {
  int table;
  std::string name;
  int code;
};

TEST(SignalNames, NameToCode) {
  // clang-format off
  const NumCase cases[] = {
      {1, "One ('1')", 1},
      {1, "  one ('1')  ", 1},
      {1, "\t\r\nONE ('1')\x01\x1f", 1},
      {1, "Zero ('0')      ", 0},
      {1, "!MainTrip", 130},
      {1, "! MainTrip", -1},
      {1, "mainTRIP", 129},
      {1, "dc brakingf", 108},
      {1, "DCBrakingF", -1},
      {1, "Timer_A (m/s)", 47},
      {3, "! Timer_A", 4},
      {3, "!Timer_A", -1},
      {3, "InService", 2},
      {3, "PLC_Input_16", 59},
      {3, "StarterOutp_1", -1},
      {2, "InService", -1},
      {2, "plc_input_1", 17},
      {2, "Timer_A", -1},
      {1, "", -1},
      {2, "", -1},
      {3, "", -1},
      {1, "     ", -1},
      // Only codes 32 and below are trimmed, only a to z upper-cased.
      {1, "\xa0InService", -1},
      {1, "InService\xa0", -1},
      {1, "In Service", -1},
      {1, "Zero", -1},
      {1, "Zero ('0') x", -1},
  };
  // clang-format on
  for (const NumCase& c : cases) {
    SCOPED_TRACE("table " + std::to_string(c.table) + " name '" + c.name + "'");
    EXPECT_EQ(kTables[c.table - 1].num(c.name), c.code);
  }
}

// Every entry is 16 characters and names exactly its own code, in both directions: a duplicate
// or a mis-padded entry would break the round trip.
TEST(SignalNames, EveryCodeRoundTrips) {
  for (const Table& t : kTables) {
    for (int code = 0; code < t.count; ++code) {
      SCOPED_TRACE("table " + std::to_string(t.number) + " code " + std::to_string(code));
      const std::string entry = t.str(code);
      ASSERT_EQ(entry.size(), 16u);
      EXPECT_NE(entry[0], ' ');
      EXPECT_EQ(t.num(entry), code);
    }
  }
}

TEST(SignalNames, ComboItemsAreTheNamesInCodeOrder) {
  for (const Table& t : kTables) {
    SCOPED_TRACE("table " + std::to_string(t.number));
    const auto items = SignalComboItems(t.number);
    ASSERT_EQ(static_cast<int>(items.size()), t.count);
    for (int code = 0; code < t.count; ++code) {
      ASSERT_FALSE(items[code].empty());
      EXPECT_NE(items[code].back(), ' ');
      EXPECT_EQ(Padded(items[code]), t.str(code));
    }
  }
  EXPECT_TRUE(SignalComboItems(0).empty());
  EXPECT_TRUE(SignalComboItems(4).empty());
}

// The main window's lookups are the tables' own.
TEST(SignalNames, MainWindowLookups) {
  EXPECT_EQ(TForm1::GetTable01Str(130), Padded("!MainTrip"));
  EXPECT_EQ(TForm1::GetTable02Str(33), Padded("Zero ('0')"));
  EXPECT_EQ(TForm1::GetTable03Str(255), Padded("Zero ('0')"));
  EXPECT_EQ(TForm1::GetTable01Num(" one ('1') "), 1);
  EXPECT_EQ(TForm1::GetTable02Num("InService"), -1);
  EXPECT_EQ(TForm1::GetTable03Num("! Timer_A"), 4);
}

}  // namespace
