#include "link/Requests.h"

#include <cstring>

namespace wire {

const AnswerShape* MatchShape(const std::string& packet, uint8_t head) {
  if (head == 0) return nullptr;
  for (const AnswerShape& s : kAnswerShapes) {
    if (static_cast<int>(packet.size()) != s.Length) continue;
    size_t letters = std::strlen(s.Letters);
    if (packet.size() < letters + 2) continue;
    if (packet.front() != '*' || packet.back() != '#') continue;
    if (std::memcmp(packet.data() + 1, s.Letters, letters) != 0) continue;
    bool headOk = false;
    for (uint8_t h : s.Heads) headOk = headOk || (h != 0 && h == head);
    if (headOk) return &s;
  }
  return nullptr;
}

}  // namespace wire
