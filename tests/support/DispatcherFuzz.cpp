#include "support/DispatcherFuzz.h"

#include <stdexcept>
#include <string>

#include "main/LiveRecords.h"
#include "model/RequestFlags.h"
#include "wire/Requests.h"
#include "support/LinkWorld.h"

void FuzzDispatcherOnce(const uint8_t* data, size_t size) {
  if (size < 2) return;
  const uint8_t mode = data[0];
  const size_t split = data[1];
  std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);

  LinkWorld w(false);
  TForm1& f1 = w.f1();
  TForm2& f2 = w.f2();
  ConnectLiveRecords(f2);  // the live records reach the main window too
  f1.EventFileWriteLn = [mode](const std::string&) {
    if (mode & 0x80) throw std::runtime_error("disk full");
  };
  f1.EventFileClose = [] {};

  for (int head = 0; head <= wire::kRequestCount; ++head) {
    // Read flags, write flags or both, so that copying and echo checks run too.
    for (const transfers::RequestFlags& m : transfers::kRequestFlags) {
      bool isWrite = wire::Request(m.Code)->Kind != wire::MessageKind::Fixed;
      f1.*(m.Request) = isWrite ? (mode & 0x02) : (mode & 0x01);
    }
    f1.QuickEventViewFlag = mode & 0x04;
    f1.EventMassUploadAct = mode & 0x08;
    f1.EventCntr = static_cast<uint16_t>(1200 + (mode & 0x0F) * 13);
    f1.mbSW_Rev.SetText(mode & 0x10 ? "Rev 4e" : "Rev 3b");
    f1.PageControl1.SetActivePage(mode & 0x20   ? &f1.tsStatistics
                                  : mode & 0x40 ? &f1.tsRealTimeClock
                                                : &f1.tsActual);

    f2.ResetCommsQue();
    if (head) f2.AddToCommsQue(static_cast<uint8_t>(head));
    // The head's message is out and awaited, so that a write's echo is looked at too.
    auto awaitHead = [&f2, head] {
      f2.AwaitingReply = true;
      f2.WrittenRequest = static_cast<uint8_t>(head);
    };
    awaitHead();
    f2.ComDataPacket1.Reset();
    size_t cut = split < bytes.size() ? split : bytes.size();
    f2.ComDataPacket1.Feed(bytes.substr(0, cut));
    f2.ComDataPacket1.Feed(bytes.substr(cut));
    // The dispatcher straight, with the whole input as one packet, whatever its shape.
    awaitHead();
    f2.ComDataPacket1Packet(bytes);
    // Whatever the parsers left in the send columns must build or be refused, never crash.
    f2.PackTXBuffer();
  }
  w.hb.RunFor(1);  // boxes the dispatcher posted
}
