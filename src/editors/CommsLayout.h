#pragma once
// The comms data block of the extended communication module: which byte of the 86 each protocol
// keeps and which editor of the Communication Module page it comes from. Packing, unpacking and
// the tests walk this one table; the register map (bytes 34 to 85) has its own rows.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "main/ControlOf.h"

class TControl;
class TForm1;
class TStringGrid;

namespace editors::comms {

inline constexpr int kBlockBytes = 86;

// Items of cbExtCommsSelProt, which is also byte 0 of the block.
enum Protocol : int {
  kNone,
  kProfibusDP,
  kModbusRTU,
  kCANbus,
  kPROFINET,
  kModbusTCP,
  kEtherNetIP,
  kProtocolCount
};

enum class Cell : uint8_t {
  Spin,   // a spin edit's value, one byte
  Word,   // a spin edit's value, two bytes, high byte first
  Item,   // a combo box's item index
  Name,   // an edit's text, one byte per character up to 15, zero bytes after it; byte 29 is 0
  Bits0,  // the "Config Bits 0" column of the bit grid, 16 codes
  Bits1,  // the "Config Bits 1" column, 16 codes
  Words,  // the word grid, 20 codes
};

struct BlockCell {
  int8_t Protocol;
  uint8_t FirstByte;
  Cell Kind;
  ControlOf Control;  // nullptr for the register map rows
};

// In packing order within each protocol.
std::span<const BlockCell> BlockLayout();

// How many bytes a row covers.
constexpr int CellWidth(Cell c) {
  switch (c) {
    case Cell::Word:
      return 2;
    case Cell::Name:
      return 16;
    case Cell::Bits0:
    case Cell::Bits1:
      return 16;
    case Cell::Words:
      return 20;
    default:
      return 1;
  }
}

// The grid and column of a register row, and the row of its first code.
struct RegisterColumn {
  TStringGrid& Grid;
  int Col;
  int FirstRow;
};
RegisterColumn RegisterCells(TForm1& f, Cell kind);
bool IsRegister(Cell kind);

// The groups the protocol switch shows for each protocol (settings, statistics, registers).
struct ProtocolGroups {
  ControlOf Settings;
  ControlOf Statistics;
  bool Registers;
};
const ProtocolGroups& GroupsOf(int protocol);

// "Load Defaults": the selection file line of a register cell; -1 leaves the cell as it is.
struct DefaultColumn {
  Cell Kind;
  int Lines[20];
};
std::span<const DefaultColumn> RegisterDefaults();

// The key filter of the device and host name edits: small letters anywhere; digits, "-" and "."
// only after the first character.
bool NameKeyAllowed(char key, bool atStart);
// A whole name the key filter lets through when typed from its start (an empty one too).
bool NameAllowed(std::string_view name);

// The name a selection file line gives (the line from its fifth character), "" for no line.
std::string NameOfLine(const std::string& line);

}  // namespace editors::comms
