#include "wire/AnswerShapes.h"

#include <cstring>

namespace wire {

bool DigitAnswer(ParserId p, const std::string& answer) {
  if (static_cast<int>(answer.size()) != AnswerLength(p)) return false;
  for (int pos = FirstFieldPos(p); pos <= LastFieldPos(p); ++pos) {
    const char c = answer[static_cast<size_t>(pos - 1)];
    if (c < '0' || c > '9') return false;
  }
  return true;
}

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
