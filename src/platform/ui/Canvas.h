#pragma once
// A drawing surface shared by owner-drawn panels and the printer.
#include <string>

#include "platform/ui/Controls.h"

struct TFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;    // points
  int Height = 0;  // device units; when non-zero it wins over Size
  TColor Color = clBlack;
  bool Bold = false;
};

// The height in device units of a font of the given point size on a surface of the given
// resolution: negative (character height without internal leading), points/72 of the resolution
// rounded to the nearest unit, halves away from zero (-83 for 10 points at 600 dpi, -42 at 300).
inline int FontHeightForSize(int points, int pixelsPerInch) {
  const long long num = static_cast<long long>(points) * pixelsPerInch;
  const long long mag = ((num < 0 ? -num : num) * 2 + 72) / 144;
  return static_cast<int>(num < 0 ? mag : -mag);
}

class TCanvas {
 public:
  virtual ~TCanvas() = default;
  TFont Font;
  // The vertical resolution that point sizes scale to; a printer canvas gives the printer's.
  virtual int PixelsPerInch() const { return 96; }
  // Sets the font's size in points and its height in this canvas's device units.
  void SetFontSize(int points) {
    Font.Size = points;
    Font.Height = FontHeightForSize(points, PixelsPerInch());
  }
  TColor BrushColor = clWhite;
  TColor PenColor = clBlack;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void FillRect(const TRect& r) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
};
