#pragma once
// One fuzz input through the packet framer set up as the relay frames its messages, and every
// packet through the answer shapes for every head request; a packet a record's shape takes is
// checked and read field by field as the parsers would. Needs nothing above the wire library.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/serial/Serial.h"
#include "wire/Framing.h"
#include "wire/RecordLayouts.h"

inline void FuzzWireOnce(const uint8_t* data, size_t size) {
  TComDataPacket framer;
  framer.StartString = wire::kPacketStart;
  framer.StopString = wire::kPacketStop;
  framer.OnPacket = [](const std::string& packet) {
    for (int head = 0; head <= wire::kRequestCount + 1; ++head) {
      const wire::AnswerShape* shape = wire::MatchShape(packet, static_cast<uint8_t>(head));
      if (!shape) continue;
      wire::DigitAnswer(shape->Parser, packet);
      for (const wire::RecordLayout& rec : wire::kRecords) {
        if (rec.Answer != shape->Parser || !wire::AnswerCharsOk(rec, packet)) continue;
        for (int k = 0; k < rec.FieldCount; ++k) wire::ReceiveField(rec.Fields[k], packet);
      }
    }
  };
  // Byte 0 chooses where the stream is split into two arrivals.
  const size_t split = size == 0 ? 0 : data[0] % size;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  framer.Feed(bytes.substr(0, split));
  framer.Feed(bytes.substr(split));
}
