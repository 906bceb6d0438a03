#pragma once
// Font, brush and pen descriptions with their GDI objects made on demand.
// A change first tells the user (OnChange: a control passes the new font to
// its window, a canvas selects it) and only then deletes the old object, so
// no window or DC is ever left holding a deleted handle.
#include <windows.h>

#include <functional>
#include <string>

#include "widgets/Colors.h"
#include "widgets/Handles.h"
#include "widgets/TObject.h"

namespace vcl {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TObject {
 public:
  TFont();
  HFONT Handle();
  void Assign(const TFont& source);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  int Height() const { return FHeight; }
  void SetHeight(int height);
  int Size() const;  // points, at the screen's resolution
  void SetSize(int points);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  BYTE Charset() const { return FCharset; }
  void SetCharset(BYTE charset);

  std::function<void()> OnChange;

 private:
  void Changed(bool handleChanges);

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TColor FColor = clWindowText;
  TFontStyles FStyle = 0;
  BYTE FCharset = DEFAULT_CHARSET;
  FontHandle FHandle;
  FontHandle FRetired;  // kept alive until OnChange has moved users off it
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TObject {
 public:
  HBRUSH Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  void Assign(const TBrush& source);
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  BrushHandle FHandle;
  BrushHandle FRetired;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TObject {
 public:
  HPEN Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  PenHandle FHandle;
  PenHandle FRetired;
};

}  // namespace vcl
