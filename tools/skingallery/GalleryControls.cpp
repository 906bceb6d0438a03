// Every control the skinners draw, in every state: push buttons, bit buttons
// and speed buttons (normal, hot, pressed, focused, down, disabled); check
// boxes and radio buttons (clear, checked, third state, disabled, text on
// the left) with boxes and panels; edits (a spin edit among them), combo
// boxes, up-down controls, a track bar and progress bars at several
// positions.  States the mouse would make are held on the skinners while
// the page is open, so that a picture shows every frame.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "skin/controls/ControlDispatch.h"
#include "skin/controls/ControlGeometry.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/windows/TSkinForm.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryIcons.h"
#include "widgets/Vcl.h"

using namespace vcl;

namespace gallery {
namespace {

using vex::skin::controls::kHot;
using vex::skin::controls::kPressed;

// A page of controls, laid out in rows under captions.
class TControlsPage : public TForm {
 public:
  TControlsPage(TComponent* owner, const char* name, const char* caption, int width, int height) : TForm(owner) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    Icon().SetHandle(MakeGalleryIcon(RGB(110, 128, 84)));
    const POINT at = NextWindowPosition(width + 10, height + 40);
    SetBounds(at.x, at.y, 0, 0);
    SetClientSize(width, height);
    FTimer = new TTimer(this);
    FTimer->SetInterval(100);
    FTimer->OnTimer = [this](TObject*) { HoldStates(); };
  }

  template <class C>
  C* Put(int left, int top, int width, int height, const char* caption = nullptr, TWinControl* parent = nullptr) {
    auto* c = new C(this);
    c->SetBounds(left, top, width, height);
    if (caption) c->SetCaption(caption);
    c->SetParent(parent ? parent : this);
    return c;
  }
  void Label(int left, int top, const char* text) {
    auto* l = Put<TLabel>(left, top, 0, 0, text);
    l->SetAutoSize(true);
  }
  // Holds skinner state bits on a control while the page is open; `focused`
  // shows it as the focus would (only one control can have the real focus).
  void Hold(TControl* control, unsigned state, bool focused = false) { FHeld.push_back({control, state, focused}); }
  void FocusOn(TWinControl* control) { FFocus = control; }
  // Shows the page as a keyboard user sees it: focus rectangles and
  // underlined access keys (a window used with the mouse hides them).
  void ShowKeyboardCues() { FKeyboardCues = true; }

 private:
  struct Held {
    TControl* control;
    unsigned state;
    bool focused;
  };

  vex::skin::TSkinControl* SkinnerOf(TControl* control) {
    vex::skin::TSkinForm* frame = vex::skin::FrameOf(Handle());
    if (!frame) return nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(control)) return vex::skin::FindSkinner(*frame, w->Handle());
    for (vex::skin::TFrameSkinner* s : frame->ControlSkinners)
      if (auto* speed = dynamic_cast<vex::skin::TSkinSpeedButton*>(s); speed && speed->SpeedButton() == control)
        return speed;
    return nullptr;
  }

  void HoldStates() {
    if (FFocus && GetForegroundWindow() == Handle() && !FFocus->Focused()) FFocus->SetFocus();
    constexpr WORD kCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    if (FKeyboardCues && (SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0) & kCues))
      SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, kCues), 0);
    for (const Held& h : FHeld) {
      vex::skin::TSkinControl* s = SkinnerOf(h.control);
      if (!s || (s->State == h.state && (!h.focused || s->Focused))) continue;
      s->State = h.state;
      if (h.focused) s->Focused = true;
      s->Redraw();
    }
  }

  TTimer* FTimer;
  std::vector<Held> FHeld;
  TWinControl* FFocus = nullptr;
  bool FKeyboardCues = false;
};

void GiveGlyph(TBitmap& glyph, COLORREF colour) { DrawGalleryGlyph(glyph, colour); }

TControlsPage* MakeButtonsPage() {
  auto* p = New<TControlsPage>(Application, "GalleryButtons", "按钮 Buttons", 560, 250);
  static const char* const kStates[] = {"normal", "hot", "pressed", "focused", "disabled"};
  for (int i = 0; i < 5; ++i) p->Label(100 + i * 92, 8, kStates[i]);
  p->ShowKeyboardCues();
  p->Label(8, 34, "TButton");
  p->Label(8, 74, "TBitBtn");
  p->Label(8, 116, "TSpeedButton");
  const unsigned holds[] = {0, kHot, kPressed, 0, 0};
  for (int i = 0; i < 5; ++i) {
    auto* b = p->Put<TButton>(100 + i * 92, 28, 84, 25, "确定(&O)");
    auto* bit = p->Put<TBitBtn>(100 + i * 92, 68, 84, 25, "还原 Back");
    GiveGlyph(bit->Glyph(), RGB(0, 128, 0));
    auto* speed = p->Put<TSpeedButton>(100 + i * 92, 108, 40, 26);
    GiveGlyph(speed->Glyph(), RGB(0, 90, 220));
    auto* plain = p->Put<TSpeedButton>(144 + i * 92, 108, 40, 26, ">>");
    for (TControl* c : std::vector<TControl*>{b, bit, speed, plain}) p->Hold(c, holds[i]);
    if (i == 3) {
      p->FocusOn(b);
      p->Hold(bit, 0, true);
    }
    if (i == 4) {
      b->SetEnabled(false);
      bit->SetEnabled(false);
      speed->SetEnabled(false);
      plain->SetEnabled(false);
    }
  }
  p->Label(8, 156, "down / red caption / group");
  auto* down = p->Put<TSpeedButton>(100, 150, 40, 26);
  GiveGlyph(down->Glyph(), RGB(200, 0, 0));
  down->SetGroupIndex(1);
  down->SetDown(true);
  auto* up = p->Put<TSpeedButton>(144, 150, 40, 26);
  GiveGlyph(up->Glyph(), RGB(200, 0, 0));
  up->SetGroupIndex(1);
  auto* red = p->Put<TSpeedButton>(192, 150, 40, 26, "↓");
  red->SetParentFont(false);
  red->Font().SetColor(clRed);
  p->Label(8, 196, "glyph right / top / bottom");
  const TButtonLayout layouts[] = {blGlyphRight, blGlyphTop, blGlyphBottom};
  for (int i = 0; i < 3; ++i) {
    auto* b = p->Put<TBitBtn>(192 + i * 100, 186, 92, 52, "Layout");
    GiveGlyph(b->Glyph(), RGB(0, 128, 0));
    b->SetLayout(layouts[i]);
  }
  return p;
}

TControlsPage* MakeChecksPage() {
  auto* p = New<TControlsPage>(Application, "GalleryChecks", "选择框 Check boxes", 520, 250);
  struct Box {
    const char* caption;
    TCheckBoxState state;
    bool enabled, leftText;
  };
  const Box boxes[] = {{"clear", cbUnchecked, true, false},        {"checked", cbChecked, true, false},
                       {"third state", cbGrayed, true, false},     {"disabled", cbUnchecked, false, false},
                       {"disabled, checked", cbChecked, false, false}, {"text on the left", cbChecked, true, true}};
  for (int i = 0; i < 6; ++i) {
    auto* c = p->Put<TCheckBox>(8, 8 + i * 22, 150, 17, boxes[i].caption);
    c->SetAllowGrayed(true);
    c->SetState(boxes[i].state);
    c->SetEnabled(boxes[i].enabled);
    if (boxes[i].leftText)
      SetWindowLongPtrA(c->Handle(), GWL_STYLE, GetWindowLongPtrA(c->Handle(), GWL_STYLE) | BS_LEFTTEXT);
  }
  struct Radio {
    const char* caption;
    bool checked, enabled;
  };
  const Radio radios[] = {{"clear", false, true}, {"checked", true, true}};
  auto* group = p->Put<TGroupBox>(180, 8, 150, 80, "合成 Group box");
  for (int i = 0; i < 2; ++i) {
    auto* r = p->Put<TRadioButton>(10, 20 + i * 24, 130, 17, radios[i].caption, group);
    r->SetChecked(radios[i].checked);
  }
  auto* panel = p->Put<TPanel>(180, 96, 150, 70, nullptr);
  const Radio disabled[] = {{"disabled", false, false}, {"disabled, checked", true, false}};
  for (int i = 0; i < 2; ++i) {
    auto* r = p->Put<TRadioButton>(10, 10 + i * 24, 130, 17, disabled[i].caption, panel);
    r->SetChecked(disabled[i].checked);
    r->SetEnabled(false);
  }
  auto* captioned = p->Put<TPanel>(350, 8, 160, 60, "Panel");
  captioned->SetBevelOuter(bvLowered);
  auto* plain = p->Put<TPanel>(350, 80, 160, 86, "Raised panel");
  (void)plain;
  p->Label(8, 190, "Check boxes and radio buttons keep their text and focus; the skin draws the glyph.");
  return p;
}

TControlsPage* MakeFieldsPage() {
  auto* p = New<TControlsPage>(Application, "GalleryFields", "输入框 Fields", 560, 260);
  p->Label(8, 10, "edit");
  p->Put<TEdit>(100, 6, 120, 21)->SetText("C:\\文件夹");
  auto* off = p->Put<TEdit>(230, 6, 120, 21);
  off->SetText("disabled");
  off->SetEnabled(false);
  // A spin edit: an up-down control inside the edit, along its right edge
  // and as high as its client area, 16 design pixels wide.  The control
  // makes itself 16 pixels wide when it is created, whatever the DPI, so its
  // width is set again afterwards.
  auto* spin = p->Put<TEdit>(360, 6, 80, 21);
  spin->SetText("32");
  RECT inside{};
  GetClientRect(spin->Handle(), &inside);
  const int arrowsWidth = spin->Scale(16);
  HWND arrows = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, inside.right - arrowsWidth, 0,
                                arrowsWidth, inside.bottom, spin->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowPos(arrows, nullptr, 0, 0, arrowsWidth, inside.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  p->Label(8, 44, "combo box");
  static const char* const kStates[] = {"normal", "hot", "pressed", "focused", "disabled"};
  const unsigned holds[] = {0, kHot, kPressed, 0, 0};
  for (int i = 0; i < 5; ++i) {
    auto* c = p->Put<TComboBox>(100 + i * 92, 60, 86, 21);
    c->SetStyle(csDropDownList);
    c->SetItems({kStates[i], "Folder.ico"});
    c->SetItemIndex(0);
    p->Hold(c, holds[i]);
    if (i == 3) p->FocusOn(c);
    if (i == 4) c->SetEnabled(false);
  }
  auto* typed = p->Put<TComboBox>(100, 90, 130, 21);
  typed->SetItems({"文件夹", "Folder.ico"});
  typed->SetItemIndex(1);
  p->Label(8, 126, "up-down");
  p->Put<TUpDown>(100, 122, 17, 22);
  auto* pressed = p->Put<TUpDown>(130, 122, 17, 22);
  p->Hold(pressed, kPressed);
  auto* disabled = p->Put<TUpDown>(160, 122, 17, 22);
  disabled->SetEnabled(false);
  auto* horizontal = p->Put<TUpDown>(190, 122, 32, 17);
  SetWindowLongPtrA(horizontal->Handle(), GWL_STYLE, GetWindowLongPtrA(horizontal->Handle(), GWL_STYLE) | UDS_HORZ);
  auto* number = p->Put<TEdit>(240, 122, 50, 21);
  auto* buddy = p->Put<TUpDown>(290, 122, 17, 21);
  buddy->SetRange(0, 48);
  buddy->SetPosition(16);
  buddy->SetAssociate(number);
  p->Label(8, 164, "track bar");
  auto* track = p->Put<TTrackBar>(100, 156, 200, 36);
  track->SetRange(0, 10);
  track->SetPosition(3);
  p->Label(8, 210, "progress");
  const int positions[] = {0, 33, 66, 100};
  for (int i = 0; i < 4; ++i) p->Put<TProgressBar>(100 + i * 112, 210, 100, 16)->SetPosition(positions[i]);
  p->Label(100, 232, "0");
  p->Label(212, 232, "33");
  p->Label(324, 232, "66");
  p->Label(436, 232, "100");
  return p;
}

const PageRegistrar gButtons{{"buttons", 20, [] { return ShowPage(MakeButtonsPage()); }, nullptr}};
const PageRegistrar gChecks{{"checks", 21, [] { return ShowPage(MakeChecksPage()); }, nullptr}};
const PageRegistrar gFields{{"fields", 22, [] { return ShowPage(MakeFieldsPage()); }, nullptr}};

}  // namespace
}  // namespace gallery
