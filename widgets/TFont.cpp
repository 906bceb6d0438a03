#include "widgets/TFont.h"

#include <cstring>

namespace vcl {

namespace {
int ScreenDpi() {
  WindowDc dc(nullptr);
  return GetDeviceCaps(dc.get(), LOGPIXELSY);
}
}  // namespace

TFont::TFont() = default;

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTA lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (FStyle & fsItalic) ? 1 : 0;
    lf.lfUnderline = (FStyle & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (FStyle & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = FCharset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    FHandle.reset(CreateFontIndirectA(&lf));
  }
  return FHandle.get();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  const bool handleChanges = FName != source.FName || FHeight != source.FHeight || FStyle != source.FStyle ||
                             FCharset != source.FCharset;
  const bool colorChanges = FColor != source.FColor;
  FName = source.FName;
  FHeight = source.FHeight;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  FColor = source.FColor;
  if (handleChanges || colorChanges) Changed(handleChanges);
}

void TFont::SetName(const std::string& name) {
  if (name == FName) return;
  FName = name;
  Changed(true);
}
void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed(true);
}
int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenDpi()); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenDpi(), 72)); }
void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed(false);
}
void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed(true);
}
void TFont::SetCharset(BYTE charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  Changed(true);
}

void TFont::Changed(bool handleChanges) {
  if (handleChanges) FRetired = std::move(FHandle);
  if (OnChange) OnChange();
  FRetired.reset();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    if (FStyle == bsClear) {
      LOGBRUSH lb{BS_NULL, 0, 0};
      FHandle.reset(CreateBrushIndirect(&lb));
    } else {
      FHandle.reset(CreateSolidBrush(ColorToRGB(FColor)));
    }
  }
  return FHandle.get();
}
void TBrush::SetColor(TColor color) {
  if (color == FColor && FStyle == bsSolid) return;
  FColor = color;
  FStyle = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}
void TBrush::Assign(const TBrush& source) {
  if (&source == this || (source.FColor == FColor && source.FStyle == FStyle)) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  Changed();
}
void TBrush::Changed() {
  FRetired = std::move(FHandle);
  if (OnChange) OnChange();
  FRetired.reset();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle.reset(CreatePen(kStyles[FStyle], FWidth, ColorToRGB(FColor)));
  }
  return FHandle.get();
}
void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}
void TPen::SetWidth(int width) {
  if (width == FWidth) return;
  FWidth = width;
  Changed();
}
void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}
void TPen::Changed() {
  FRetired = std::move(FHandle);
  if (OnChange) OnChange();
  FRetired.reset();
}

}  // namespace vcl
