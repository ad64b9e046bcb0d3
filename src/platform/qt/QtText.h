#pragma once
// The boundary between the model's Windows-1252 byte strings and Qt's Unicode, plus colours and
// fonts.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>

#include "platform/ui/Canvas.h"
#include "platform/ui/Controls.h"

namespace qtb {

// Every byte becomes one UTF-16 unit (the five undefined bytes map to the C1 controls of the
// same number), so positions in the model's text and in the widget's text agree.
QString ToQ(const std::string& cp1252);
// Characters outside the code page become '?'.
std::string FromQ(const QString& s);
char FromQChar(QChar c);
// Message text: CR LF, LF CR, lone CR and lone LF each become one line break.
QString ToQMessage(const std::string& cp1252);
// A caption without its accelerator marks ("&File" -> "File", "&&" -> "&").
QString StripAccel(const QString& s);

// clDefault and clNone give an invalid colour (keep the style's own); negative values are the
// system colours, taken from `palette`.
QColor ToQColor(TColor c, const QPalette& palette);
inline bool IsSet(TColor c) { return c != clDefault && c != clNone; }

// The model's font names mapped onto faces this system has. A font height in device units is
// the character height when negative (without internal leading, as the classic fonts take it)
// and the cell height when positive.
QFont ToQFont(const TFont& f);
void InstallFontSubstitutes();

}  // namespace qtb
