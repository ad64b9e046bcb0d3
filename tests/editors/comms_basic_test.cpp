// The basic comms settings: every editor's change writes its bytes of the comms record's send
// column, by protocol and by the relay's revision; the protocol choice shows its groups.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "support/CommsWorld.h"

namespace {

struct EditorCase {
  const char* name;
  const char* revision;
  std::function<void(TForm1&)> act;
  std::map<int, std::string> bytes;  // every byte that changes; the others keep "777"
};

}  // namespace

TEST(CommsBasicEditors, EachEditorWritesItsBytes) {
  using M = std::map<int, std::string>;
  const M zeros2to9 = {{2, "000"}, {3, "000"}, {4, "000"}, {5, "000"},
                       {6, "000"}, {7, "000"}, {8, "000"}, {9, "000"}};
  auto with = [](M m, M more) {
    for (auto& [k, v] : more) m[k] = v;
    return m;
  };
  const M zeros4to9 = {{4, "000"}, {5, "000"}, {6, "000"}, {7, "000"}, {8, "000"}, {9, "000"}};
  // clang-format off
  const EditorCase cases[] = {
      {"choosing Profibus", "Rev 3b", [](TForm1& f) { f.cbCommsProtocol.UserPick(1); }, {{1, "001"}}},
      {"Profibus address with ZYVOF877", "Rev 3b",
       [](TForm1& f) { f.cbCommsProtocol.SetItemIndex(1); f.cbProfiDPGSD.SetItemIndex(1); f.seCommsAddr.UserType("5"); },
       with(zeros2to9, {{0, "133"}})},
      {"GSD ZYVOF880 whatever the protocol", "Rev 3b",
       [](TForm1& f) { f.seCommsAddr.SetText("5"); f.cbProfiDPGSD.UserPick(0); }, with(zeros2to9, {{0, "005"}})},
      {"Modbus address 200", "Rev 3b",
       [](TForm1& f) { f.cbCommsProtocol.SetItemIndex(2); f.seCommsAddr.SetMaxValue(255); f.seCommsAddr.UserType("200"); },
       with(zeros4to9, {{0, "200"}})},
      {"Modbus baud 19,2", "Rev 3b", [](TForm1& f) { f.cbModbusBaudRate.UserPick(3); }, with(zeros4to9, {{2, "003"}})},
      {"Modbus time-out", "Rev 3b", [](TForm1& f) { f.seModbusTimeOut.UserType("150"); }, with(zeros4to9, {{3, "150"}})},
      {"CANbus address with KORVEL", "Rev 3b",
       [](TForm1& f) { f.cbCommsProtocol.SetItemIndex(3); f.cbCommsStrucSel.SetItemIndex(1); f.seCommsAddr.UserType("9"); },
       {{0, "137"}}},
      {"CANbus structure", "Rev 3b", [](TForm1& f) { f.seCommsAddr.SetText("9"); f.cbCommsStrucSel.UserPick(1); },
       {{0, "137"}}},
      {"CANbus baud", "Rev 3b", [](TForm1& f) { f.cbBaudRate.UserPick(2); }, {{2, "002"}}},
      {"CANbus identifier type", "Rev 3b", [](TForm1& f) { f.cbCommsIdentifierType.UserPick(1); }, {{3, "001"}}},
      {"command base address", "Rev 3b", [](TForm1& f) { f.seCommsCommandBaseAddr.UserType("4660"); },
       {{4, "052"}, {5, "018"}}},
      {"actual base address", "Rev 3b", [](TForm1& f) { f.seCommsActualBaseAddr.UserType("513"); },
       {{6, "001"}, {7, "002"}}},
      {"setting base address", "Rev 3b", [](TForm1& f) { f.seCommsSettingBaseAddr.UserType("65535"); },
       {{8, "255"}, {9, "255"}}},
      {"no protocol: the address writes nothing", "Rev 3b", [](TForm1& f) { f.seCommsAddr.UserType("5"); }, {}},
      {"emptied address comes back as 126", "Rev 3b",
       [](TForm1& f) { f.cbCommsProtocol.SetItemIndex(3); f.seCommsAddr.SetText("5"); f.seCommsAddr.TakeUserFocus(); f.seCommsAddr.UserSetText(""); f.UserLeave(); },
       {{0, "126"}}},
      {"Rev 00 uses the old editors", "Rev 00", [](TForm1& f) { f.seCommsCommandBaseAddr.UserType("258"); },
       {{4, "002"}, {5, "001"}}},
      // Extended revision: the CANbus editors of the Communication Module page are the source.
      {"extended: the Modbus-RTU address writes the CANbus address", "Rev 4e",
       [](TForm1& f) {
         f.speditExtComms_CANbus_Address.SetText("9");
         f.cbExtComms_CANbus_StructTypeSel.SetItemIndex(1);
         f.speditExtComms_ModbusRTU_Address.UserType("17");
       },
       {{0, "137"}}},
      {"extended: CANbus baud and identifier type", "Rev 4e",
       [](TForm1& f) { f.cbExtComms_CANbus_BaudRate.UserPick(1); f.cbExtComms_CANbus_IdentType.UserPick(1); },
       {{2, "001"}, {3, "001"}}},
      {"extended: the old editors write nothing of theirs", "Rev 4e",
       [](TForm1& f) { f.seCommsCommandBaseAddr.UserType("4660"); }, {{4, "000"}, {5, "000"}}},
      {"extended: the Modbus-RTU time-out writes the CANbus command base", "Rev 4e",
       [](TForm1& f) { f.speditExtComms_CANbus_CmdBaseAddr.SetText("300"); f.speditExtComms_ModbusRTU_TimeOut.UserType("5"); },
       {{4, "044"}, {5, "001"}}},
      {"extended: actual and setting base", "Rev 4e",
       [](TForm1& f) { f.speditExtComms_CANbus_ActBaseAddr.UserType("256"); f.speditExtComms_CANbus_SetBaseAddr.UserType("1"); },
       {{6, "000"}, {7, "001"}, {8, "001"}, {9, "000"}}},
  };
  // clang-format on
  for (const EditorCase& c : cases) {
    SCOPED_TRACE(c.name);
    CommsWorld w(c.revision);
    for (int b = 0; b < 10; ++b) w.SetSent(b, "777");
    c.act(w.f1());
    for (int b = 0; b < 10; ++b) {
      auto it = c.bytes.find(b);
      EXPECT_EQ(w.Sent(b), it == c.bytes.end() ? "777" : it->second) << "Byte " << b;
    }
  }
}

TEST(CommsBasicEditors, TheProtocolShowsItsGroupsAndAddressRange) {
  struct View {
    int item;
    bool profibus, modbus, canbus, address;
    int min, max;
    const char* firstBaud;
  };
  // clang-format off
  const View views[] = {
      {1, true, false, false, true, 1, 126, " Auto "},
      {2, false, true, false, true, 0, 255, " 1,2 "},
      {3, false, false, true, true, 0, 126, " 125 "},
      {0, false, false, false, false, 0, 255, " None "},
  };
  // clang-format on
  CommsWorld w("Rev 3b");
  TForm1& f = w.f1();
  for (const View& v : views) {
    SCOPED_TRACE(v.item);
    f.cbCommsProtocol.UserPick(v.item);
    EXPECT_EQ(f.gbProfibus.Visible(), v.profibus);
    EXPECT_EQ(f.gbProfibusDPStat.Visible(), v.profibus);
    EXPECT_EQ(f.gbModbus.Visible(), v.modbus);
    EXPECT_EQ(f.gbModbusStat.Visible(), v.modbus);
    EXPECT_EQ(f.gbCANbus.Visible(), v.canbus);
    EXPECT_EQ(f.gbCanbusStat.Visible(), v.canbus);
    EXPECT_EQ(f.seCommsAddr.Visible(), v.address);
    EXPECT_EQ(f.seCommsAddr.MinValue(), v.min);
    EXPECT_EQ(f.seCommsAddr.MaxValue(), v.max);
    EXPECT_EQ(f.cbBaudRate.Text(), v.firstBaud);
  }
}
