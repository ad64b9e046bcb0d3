#pragma once
// The editors' world with the two register selection dialogs, which load their lists from the
// test program's folder, and helpers for the comms record's send column.
#include <array>
#include <string>

#include "editors/CommsLayout.h"

#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "support/EditorWorld.h"
#include "wire/Numeric.h"
#include "wire/RecordLayouts.h"

// A comms data block for one protocol whose every value lies within its editor's range, spread
// over the ranges; bytes of other protocols 0.
inline std::array<uint8_t, editors::comms::kBlockBytes> ValidBlock(TForm1& f, int protocol) {
  using editors::comms::Cell;
  std::array<uint8_t, editors::comms::kBlockBytes> block{};
  block[0] = static_cast<uint8_t>(protocol);
  for (const editors::comms::BlockCell& c : editors::comms::BlockLayout()) {
    if (c.Protocol != protocol) continue;
    const int b = c.FirstByte;
    switch (c.Kind) {
      case Cell::Spin: {
        auto& se = static_cast<TSpinEdit&>(c.Control(f));
        block[b] =
            static_cast<uint8_t>(se.MinValue() + (b * 37) % (se.MaxValue() - se.MinValue() + 1));
        break;
      }
      case Cell::Word:  // 64768 + b
        block[b] = 0xFD;
        block[b + 1] = static_cast<uint8_t>(b);
        break;
      case Cell::Item:
        block[b] = static_cast<uint8_t>(static_cast<TComboBox&>(c.Control(f)).Items.Count() - 1);
        break;
      case Cell::Name:
        for (int k = 0; k < 15; ++k)
          block[b + k] = static_cast<uint8_t>('a' + (k * 5 + protocol) % 26);
        break;
      default:
        for (int i = 0; i < editors::comms::CellWidth(c.Kind); ++i)
          block[b + i] = static_cast<uint8_t>((b + i) * 29 % 256);
    }
  }
  return block;
}

struct CommsWorld : EditorWorld {
  explicit CommsWorld(const std::string& revision = "Rev 4e", bool withRelay = true)
      : EditorWorld(withRelay) {
    app.CreateForm(frmCommsBitsSel);
    app.CreateForm(frmCommsWordSel);
    f1().mbSW_Rev.SetText(revision);
  }
  ~CommsWorld() {
    frmCommsBitsSel = nullptr;
    frmCommsWordSel = nullptr;
  }
  TStringGrid& comms() { return vt().Grid(wire::RecordId::Comms); }
  // Byte b (0..9) of the comms record: the send column and the received column.
  std::string Sent(int b) { return comms().Cell(2, b + 1); }
  void SetSent(int b, const std::string& s) { comms().SetCell(2, b + 1, s); }
  void SetReceived(int b, int v) { comms().SetCell(1, b + 1, wire::PadNum(v, 3)); }
  // Shows a protocol on the Communication Module page as a user's choice does.
  void Show(int protocol) { f1().cbExtCommsSelProt.UserPick(protocol); }
};
