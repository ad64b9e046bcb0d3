#pragma once
// A drawing surface shared by owner-drawn panels and the printer.
#include <string>

#include "platform/ui/Controls.h"

struct TFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;        // points
  int Height = 0;      // device units; when non-zero it wins over Size
  TColor Color = clBlack;
  bool Bold = false;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;
  TFont Font;
  TColor BrushColor = clWhite;
  TColor PenColor = clBlack;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void FillRect(const TRect& r) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
};
