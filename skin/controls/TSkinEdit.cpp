#include "skin/controls/TSkinEdit.h"

#include <string>

#include "skin/controls/TSkinUpDown.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/Handles.h"

namespace vex::skin {

TSkinEdit::~TSkinEdit() { Detach(); }

void TSkinEdit::ReleaseUpDown() {
  if (TSkinUpDown* upDown = FUpDown) {
    FUpDown = nullptr;
    upDown->Detach();
    upDown->Release();
  }
}

void TSkinEdit::Detach() {
  ReleaseUpDown();
  TSkinControl::Detach();
}

void TSkinEdit::FindUpDown(HWND edit) {
  HWND spin = nullptr;
  for (HWND child = GetTopWindow(edit); child && !spin; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string name = WindowClassName(child);
    if (name == "msctls_updown32" || name == "TSpinButton") spin = child;
  }
  // A spin window destroyed (and perhaps made again) leaves its skinner
  // detached: the new one gets a skinner of its own.
  if (FUpDown && (!FUpDown->Attached() || FUpDown->Handle != spin)) ReleaseUpDown();
  if (spin && !FUpDown) {
    FUpDown = new TSkinUpDown(nullptr);
    FUpDown->AttachHandle(spin, SkinData, Canvas);
  }
}

void TSkinEdit::AfterMessage(vcl::TMessage& m) {
  // The native border comes back with every non-client paint.
  if (m.Msg == WM_NCPAINT) {
    PaintNow();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinEdit::Draw(HDC dc, const RECT& r) {
  if (!SkinData) return;
  FindUpDown(Handle);
  RECT client{};
  GetClientRect(Handle, &client);
  // No border, nothing to redraw.
  if (client.right == r.right - r.left || client.bottom == r.bottom - r.top) return;
  auto field = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, field);
  if (!FUpDown) {
    InflateRect(&ring, -1, -1);
    FrameRect(dc, &ring, field);
  }
  vcl::BrushHandle outline(CreateSolidBrush(vcl::ColorToRGB(SkinData->ButtonShadow)));
  FrameRect(dc, &r, outline.get());
}

}  // namespace vex::skin
