#pragma once
// A drawing surface over a device context. The canvas borrows the DC: binding
// saves the DC's state and unbinding restores it, so whatever the canvas
// selected (font, brush, pen, colours, modes) is gone from the DC afterwards.
#include <windows.h>

#include <string>

#include "widgets/TFont.h"

namespace vcl {

class TGraphic;

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle();
  // Binds a borrowed DC (nullptr unbinds). The caller keeps the DC alive.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void Ellipse(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& rect, int x, int y, const std::string& text);
  // DrawTextA with the canvas's font; returns the text height.
  int DrawText(const std::string& text, RECT& rect, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const RECT& rect, TGraphic& graphic);
  // Copies `source` of another canvas into `dest`, stretching when sizes differ.
  void CopyRect(const RECT& dest, TCanvas& canvas, const RECT& source);
  DWORD CopyMode() const { return FCopyMode; }
  void SetCopyMode(DWORD rop) { FCopyMode = rop; }

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

 protected:
  // Called when a DC is needed and none is bound (a bitmap's canvas makes one).
  virtual void CreateHandle() {}

 private:
  enum State : unsigned { kFont = 1, kBrush = 2, kPen = 4 };
  void Require(unsigned state);

  HDC FHandle = nullptr;
  int FSavedState = 0;
  unsigned FState = 0;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  DWORD FCopyMode = SRCCOPY;
  POINT FPenPos{0, 0};
};

}  // namespace vcl
