#include "platform/qt/QtText.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace qtb {
namespace {

// 0x80..0x9F of Windows-1252; the undefined five map to the C1 control of the same number.
// clang-format off
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};
// clang-format on

}  // namespace

QString ToQ(const std::string& s) {
  QString out;
  out.resize(static_cast<qsizetype>(s.size()));
  QChar* d = out.data();
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    d[i] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
  }
  return out;
}

char FromQChar(QChar qc) {
  const char16_t u = qc.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return static_cast<char>(0x80 + i);
  return '?';
}

std::string FromQ(const QString& s) {
  std::string out;
  out.reserve(static_cast<size_t>(s.size()));
  for (qsizetype i = 0; i < s.size(); ++i) {
    // A surrogate pair is one character outside the code page: one '?'.
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
      out += '?';
      ++i;
      continue;
    }
    out += FromQChar(s[i]);
  }
  return out;
}

QString ToQMessage(const std::string& s) {
  std::string t;
  t.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\r' || c == '\n') {
      const char other = c == '\r' ? '\n' : '\r';
      if (i + 1 < s.size() && s[i + 1] == other) ++i;
      t += '\n';
    } else {
      t += c;
    }
  }
  return ToQ(t);
}

QString StripAccel(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] == u'&') {
      if (i + 1 < s.size() && s[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += s[i];
  }
  return out;
}

QColor ToQColor(TColor c, const QPalette& pal) {
  if (!IsSet(c)) return QColor();
  if (c < 0) {
    // System colour indexes of the classic palette.
    switch (c & 0xFF) {
      case 0:
        return pal.color(QPalette::Mid);  // scroll bar
      case 1:
      case 2:
      case 3:
        return pal.color(QPalette::Window);  // desktop, captions
      case 4:
        return pal.color(QPalette::Window);  // menu
      case 5:
        return pal.color(QPalette::Base);  // window
      case 6:
        return pal.color(QPalette::Shadow);  // window frame
      case 7:
        return pal.color(QPalette::WindowText);  // menu text
      case 8:
        return pal.color(QPalette::Text);  // window text
      case 9:
        return pal.color(QPalette::HighlightedText);  // caption text
      case 13:
        return pal.color(QPalette::Highlight);
      case 14:
        return pal.color(QPalette::HighlightedText);
      case 15:
        return pal.color(QPalette::Button);  // button face
      case 16:
        return pal.color(QPalette::Dark);  // button shadow
      case 17:
        return pal.color(QPalette::Disabled, QPalette::Text);  // gray text
      case 18:
        return pal.color(QPalette::ButtonText);
      case 20:
        return pal.color(QPalette::Light);  // button highlight
      case 21:
        return pal.color(QPalette::Shadow);  // 3D dark shadow
      case 22:
        return pal.color(QPalette::Midlight);  // 3D light
      case 23:
        return pal.color(QPalette::ToolTipText);
      case 24:
        return pal.color(QPalette::ToolTipBase);
      default:
        return pal.color(QPalette::Window);
    }
  }
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void InstallFontSubstitutes() {
  // fonts-liberation supplies metric-compatible faces for the classic Windows ones.
  QFont::insertSubstitution("Courier New", "Liberation Mono");
  QFont::insertSubstitution("Courier", "Liberation Mono");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Microsoft Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Tahoma", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

QFont ToQFont(const TFont& f) {
  QFont q(ToQ(f.Name));
  q.setBold(f.Bold);
  if (f.Height < 0) {
    // The character height, without internal leading: the em, which is Qt's pixel size.
    q.setPixelSize(-f.Height);
  } else if (f.Height > 0) {
    // The cell height, ascent plus descent: the em scaled by the face's proportions.
    QFont probe = q;
    probe.setPixelSize(1000);
    const QFontMetricsF fm(probe);
    const double cell = fm.ascent() + fm.descent();
    q.setPixelSize(
        std::max(1, static_cast<int>(std::lround(f.Height * 1000.0 / (cell > 0 ? cell : 1000)))));
  } else {
    q.setPointSize(f.Size > 0 ? f.Size : 8);
  }
  return q;
}

}  // namespace qtb
