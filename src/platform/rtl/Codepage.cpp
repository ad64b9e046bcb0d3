#include "platform/rtl/Codepage.h"

namespace {

// Unicode of bytes 0x80..0x9F; the rest of the code page is Latin-1.
// clang-format off
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

char32_t ToUnicode(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b; }

char FromUnicode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Win1252ToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToWin1252(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra;
    char32_t cp;
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      cp = b & 0x07;
    } else {
      out += '?';
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool ok = true;
    for (int k = 0; k < extra; ++k, ++j) {
      if (j >= n || (static_cast<unsigned char>(s[j]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    if (ok && ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
               (cp >= 0xD800 && cp <= 0xDFFF)))
      ok = false;
    if (!ok) {
      out += '?';
      ++i;  // resynchronise on the next byte
      continue;
    }
    out += FromUnicode(cp);
    i = j;
  }
  return out;
}

std::string Utf16ToWin1252(const std::u16string& s) {
  std::string out;
  out.reserve(s.size());
  const size_t n = s.size();
  for (size_t i = 0; i < n; ++i) {
    const char16_t u = s[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
      ++i;  // a pair: outside the code page either way
    out += (u >= 0xD800 && u <= 0xDFFF) ? '?' : FromUnicode(u);
  }
  return out;
}

std::u16string Win1252ToUtf16(const std::string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (char c : s) out += static_cast<char16_t>(ToUnicode(static_cast<unsigned char>(c)));
  return out;
}
