#include "skin/controls/TSkinStatusBar.h"

#include <commctrl.h>

#include <cwchar>
#include <vector>

#include "skin/controls/PanelGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "widgets/Handles.h"
#include "widgets/TStatusBar.h"

namespace vex::skin {

std::string StatusPanelText(HWND bar, int index, unsigned& flags) {
  // The length answers count characters while the ANSI text of a Chinese
  // panel takes two bytes each, and SB_GETTEXT writes without a size: the
  // text is read as UTF-16 into a buffer of exactly its length and converted
  // here.  The length answer also carries the drawing flags, for owner-drawn
  // panels too, whose SB_GETTEXT answer is the application's own value.
  const auto info = static_cast<DWORD>(SendMessageW(bar, SB_GETTEXTLENGTHW, index, 0));
  flags = HIWORD(info);
  if (flags & SBT_OWNERDRAW) return {};
  const std::size_t length = LOWORD(info);
  if (!length) return {};
  std::vector<wchar_t> wide(length + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(wide.data()));
  wide.back() = L'\0';
  const int chars = static_cast<int>(wcslen(wide.data()));
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, text.data(), bytes, nullptr, nullptr);
  return text;
}

namespace {

void FillLine(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const RECT r{left, top, right, bottom};
  vcl::BrushHandle brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

}  // namespace

std::string TSkinStatusBar::SimpleText() const {
  if (auto* bar = dynamic_cast<vcl::TStatusBar*>(Control)) return bar->SimpleText();
  unsigned flags = 0;
  std::string text = StatusPanelText(Handle, SB_SIMPLEID, flags);
  // Wine's status bar answers for its simple text as part 0 only.
  if (text.empty()) text = StatusPanelText(Handle, 0, flags);
  return text;
}

bool TSkinStatusBar::BeforeMessage(vcl::TMessage& m) { return !PaintsItself(m); }

bool TSkinStatusBar::HasEdges() const {
  return SkinData && SkinData->StatusBarEdges && !SkinData->StatusBarEdges->Image.Empty();
}

void TSkinStatusBar::Draw(HDC dc, const RECT& r) {
  TScratchBitmap* buffer = ScratchBitmap();
  if (!SkinData || !buffer || !Handle) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  buffer->SetSize(w, h);
  {
    HDC b = buffer->Dc();
    vcl::DcState saved(b);
    FillFace(b, RECT{0, 0, w, h});
    if (Font) SelectObject(b, Font);
    const vcl::TColor ink = SkinData->StatusBarEdges ? SkinData->StatusBarEdges->NormalColour2
                            : Control                 ? Control->Font().Color()
                                                      : vcl::clBtnText;
    SetTextColor(b, vcl::ColorToRGB(ink));
    const auto paint = [&](const RECT& at, const controls::PanelText& text, int bevel) {
      if (HasEdges())
        DrawEdgePanel(b, at, text.format, text.text, bevel);
      else
        DrawBevelPanel(b, at, text.format, text.text, bevel);
    };
    const int parts = static_cast<int>(SendMessageA(Handle, SB_GETPARTS, 0, 0));
    unsigned flags = 0;
    if (SendMessageA(Handle, SB_ISSIMPLE, 0, 0) || parts <= 0) {
      paint(RECT{0, 0, w, h}, {SimpleText(), 0}, controls::kPanelLowered);
    } else {
      for (int i = 0; i < parts; ++i) {
        RECT at{};
        if (!SendMessageA(Handle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&at))) continue;
        const controls::PanelText text = controls::SplitPanelText(StatusPanelText(Handle, i, flags));
        paint(at, text, controls::StatusPanelBevel(flags));
      }
    }
  }
  BlitBuffer(dc, r);
}

void TSkinStatusBar::DrawEdgePanel(HDC dc, const RECT& p, unsigned format, const std::string& text, int bevel) {
  if (p.right < p.left || p.bottom < p.top) return;
  TDataSkinObject& edges = *SkinData->StatusBarEdges;
  DrawSkinFrame(Pictures(), dc, p, edges, 3, bevel, edges.Tile != 0, false);
  const RECT inner{p.left + controls::kPanelTextInset, p.top, p.right - controls::kPanelTextInset, p.bottom};
  DrawCaption(dc, inner, format, true, text.empty() ? " " : text);
}

void TSkinStatusBar::DrawBevelPanel(HDC dc, const RECT& p, unsigned format, const std::string& text, int bevel) {
  RECT inner = p;
  if (bevel == controls::kPanelLowered || bevel == controls::kPanelRaised) {
    const COLORREF shadow = vcl::ColorToRGB(SkinData->ButtonShadow);
    const COLORREF light = vcl::ColorToRGB(SkinData->ButtonHilight);
    const COLORREF topLeft = bevel == controls::kPanelLowered ? shadow : light;
    const COLORREF bottomRight = bevel == controls::kPanelLowered ? light : shadow;
    FillLine(dc, p.left, p.top, p.right - 1, p.top + 1, topLeft);
    FillLine(dc, p.left, p.top, p.left + 1, p.bottom - 1, topLeft);
    FillLine(dc, p.right - 1, p.top, p.right, p.bottom, bottomRight);
    FillLine(dc, p.left, p.bottom - 1, p.right, p.bottom, bottomRight);
    InflateRect(&inner, -1, -1);
  }
  inner.left = p.left + controls::kPanelTextInset;
  inner.right = p.right - controls::kPanelTextInset;
  DrawCaption(dc, inner, format, true, text.empty() ? " " : text);
}

}  // namespace vex::skin
