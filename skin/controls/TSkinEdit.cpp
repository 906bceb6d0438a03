#include "skin/controls/TSkinEdit.h"

#include <string>

#include "skin/controls/TSkinUpDown.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/Handles.h"

namespace vex::skin {

TSkinEdit::~TSkinEdit() { Detach(); }

void TSkinEdit::Detach() {
  if (TSkinUpDown* upDown = FUpDown) {
    FUpDown = nullptr;
    upDown->Detach();
    upDown->Release();
  }
  TSkinControl::Detach();
}

void TSkinEdit::FindUpDown(HWND edit) {
  for (HWND child = GetTopWindow(edit); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string name = WindowClassName(child);
    if (name != "msctls_updown32" && name != "TSpinButton") continue;
    FUpDown = new TSkinUpDown(nullptr);
    FUpDown->AttachHandle(child, SkinData, Canvas);
    return;
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
  if (!FUpDown) FindUpDown(Handle);
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
