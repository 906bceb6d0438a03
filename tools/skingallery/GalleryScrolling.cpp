// Controls made of several parts: a report list view with a header narrower
// than the list and many items, a memo with both scroll bars, scroll bar
// controls (an arrow and a thumb held pressed, a bar too short for its
// arrows); tab controls with their tabs along each side, one with images and
// one with more tabs than fit; status bars with raised, lowered and flat
// panels and with a simple text only.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/ControlDispatch.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TSkinScControl.h"
#include "skin/windows/TSkinForm.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryIcons.h"
#include "widgets/Vcl.h"

using namespace vcl;

namespace gallery {
namespace {

class TPartsPage : public TForm {
 public:
  TPartsPage(TComponent* owner, const char* name, const char* caption, int width, int height) : TForm(owner) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    Icon().SetHandle(MakeGalleryIcon(RGB(96, 120, 150)));
    const POINT at = NextWindowPosition(width + 10, height + 40);
    SetBounds(at.x, at.y, 0, 0);
    SetClientSize(width, height);
    auto* timer = new TTimer(this);
    timer->SetInterval(100);
    timer->OnTimer = [this](TObject*) { HoldPressed(); };
  }

  template <class C>
  C* Put(int left, int top, int width, int height) {
    auto* c = new C(this);
    c->SetBounds(left, top, width, height);
    c->SetParent(this);
    return c;
  }
  void Caption(int left, int top, const char* text) {
    auto* l = Put<TLabel>(left, top, 0, 0);
    l->SetCaption(text);
    l->SetAutoSize(true);
  }
  // Shows a part of a scroll bar control pressed while the page is open.
  void HoldPressed(TScrollBar* bar, int part) { FHeld.push_back({bar, part}); }

 private:
  void HoldPressed() {
    vex::skin::TSkinForm* frame = vex::skin::FrameOf(Handle());
    if (!frame) return;
    for (const auto& [bar, part] : FHeld) {
      auto* s = dynamic_cast<vex::skin::TSkinScControl*>(vex::skin::FindSkinner(*frame, bar->Handle()));
      if (!s || s->PressedPart == part) continue;
      s->PressedPart = part;
      s->PaintNow();
    }
  }
  std::vector<std::pair<TScrollBar*, int>> FHeld;
};

void AddColumn(HWND list, int index, const char* text, int width, int format) {
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  col.fmt = format;
  col.cx = width;
  col.pszText = const_cast<char*>(text);
  SendMessageA(list, index == 0 ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&col));
}

void SetSubItem(HWND list, int item, int sub, const std::string& text) {
  LVITEMA lv{};
  lv.iSubItem = sub;
  lv.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lv));
}

TPartsPage* MakeScrollingPage() {
  auto* p = New<TPartsPage>(Application, "GalleryScrolling", "滚动条 Scroll bars", 600, 300);
  p->Caption(8, 6, "list view with a header");
  auto* list = p->Put<TListView>(8, 24, 280, 170);
  list->SetViewStyle(vsReport);
  list->SetReadOnly(true);
  for (int i = 1; i <= 60; ++i) list->AddItem("图标 icon " + std::to_string(i));
  HWND lv = list->Handle();
  // Columns narrower than the list: the header's rest is background.
  AddColumn(lv, 0, "名称 Name", 110, LVCFMT_LEFT);
  AddColumn(lv, 1, "Size", 60, LVCFMT_RIGHT);
  AddColumn(lv, 2, "Kind", 70, LVCFMT_CENTER);
  for (int i = 0; i < 60; ++i) {
    SetSubItem(lv, i, 1, std::to_string((i + 1) * 766 % 9000) + " KB");
    SetSubItem(lv, i, 2, i % 3 ? "dll" : "exe");
  }
  p->Caption(300, 6, "memo with both bars");
  auto* memo = p->Put<TMemo>(300, 24, 290, 170);
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  std::vector<std::string> lines;
  for (int i = 1; i <= 80; ++i)
    lines.push_back("第 " + std::to_string(i) + " 行 line of a memo that runs on well past the right edge " +
                    std::string(static_cast<std::size_t>(i % 7) * 6, '-') + " end");
  memo->SetLines(lines);

  p->Caption(8, 204, "scroll bar controls: normal, arrow held, thumb held");
  const int held[] = {vex::skin::controls::kNoPart, vex::skin::controls::kLeftArrow,
                      vex::skin::controls::kHorzThumb};
  for (int i = 0; i < 3; ++i) {
    auto* bar = p->Put<TScrollBar>(8, 222 + i * 24, 280, 17);
    bar->SetParams(20 + i * 30, 0, 100);
    bar->SetPageSize(i == 2 ? 30 : 0);
    p->HoldPressed(bar, held[i]);
  }
  p->Caption(310, 204, "vertical; 30 pixels high");
  auto* vertical = new TScrollBar(p);
  vertical->SetKind(sbVertical);
  vertical->SetBounds(320, 222, 17, 70);
  vertical->SetParams(60, 0, 100);
  vertical->SetParent(p);
  auto* down = new TScrollBar(p);
  down->SetKind(sbVertical);
  down->SetBounds(360, 222, 17, 70);
  down->SetParams(10, 0, 100);
  down->SetParent(p);
  p->HoldPressed(down, vex::skin::controls::kDownArrow);
  auto* shortBar = new TScrollBar(p);
  shortBar->SetKind(sbVertical);
  shortBar->SetBounds(400, 222, 17, 30);
  shortBar->SetParent(p);
  return p;
}

// A tab control with its tabs along one side.
class TSideTabs : public TTabControl {
 public:
  TSideTabs(TComponent* owner, DWORD side) : TTabControl(owner), FSide(side) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TTabControl::CreateParams(params);
    params.Style |= FSide;
    // Tabs along the left or right stand in rows of their own.
    if (FSide & TCS_VERTICAL) params.Style |= TCS_MULTILINE;
  }

 private:
  DWORD FSide;
};

TSideTabs* PutTabs(TPartsPage* p, DWORD side, int left, int top, int width, int height,
                   const std::vector<std::string>& tabs, int selected) {
  auto* t = new TSideTabs(p, side);
  t->SetBounds(left, top, width, height);
  t->SetParent(p);
  t->SetTabs(tabs);
  t->SetTabIndex(selected);
  return t;
}

HIMAGELIST TabImages() {
  static HIMAGELIST images = [] {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    for (const COLORREF c : {RGB(200, 60, 40), RGB(40, 140, 60), RGB(40, 90, 200)}) {
      HICON icon = MakeGalleryIcon(c);
      ImageList_AddIcon(list, icon);
      DestroyIcon(icon);
    }
    return list;
  }();
  return images;
}

TPartsPage* MakeTabsPage() {
  auto* p = New<TPartsPage>(Application, "GalleryTabs", "选项卡 Tabs and status bars", 600, 380);
  auto* top = PutTabs(p, 0, 8, 8, 280, 110, {"常规 General", "Icons", "Skin"}, 1);
  SendMessageA(top->Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(TabImages()));
  for (int i = 0; i < 3; ++i) {
    TCITEMA item{};
    item.mask = TCIF_IMAGE;
    item.iImage = i;
    SendMessageA(top->Handle(), TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  PutTabs(p, TCS_BOTTOM, 300, 8, 290, 110, {"Bottom", "tabs", "here"}, 0);
  PutTabs(p, TCS_VERTICAL, 8, 126, 180, 130, {"Left", "side"}, 0);
  PutTabs(p, TCS_VERTICAL | TCS_BOTTOM, 200, 126, 180, 130, {"Right", "side"}, 1);
  std::vector<std::string> many;
  for (int i = 1; i <= 12; ++i) many.push_back("页 Page " + std::to_string(i));
  PutTabs(p, 0, 392, 126, 198, 130, many, 2);

  auto* panels = new TStatusBar(p);
  panels->SetAlign(alNone);
  panels->SetBounds(8, 296, 584, 22);
  panels->SetParent(p);
  panels->SetPanels({150, 150, 150, 134});
  const char* const texts[] = {"raised", "lowered, centred", "flat, right", ""};
  const TStatusPanelBevel bevels[] = {pbRaised, pbLowered, pbNone, pbLowered};
  const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify, taLeftJustify};
  for (int i = 0; i < 4; ++i) {
    panels->SetPanelText(i, texts[i]);
    panels->SetPanelBevel(i, bevels[i]);
    panels->SetPanelAlignment(i, alignments[i]);
  }
  p->Caption(8, 276, "status bar panels: raised, lowered, flat, empty");
  auto* simple = p->Put<TStatusBar>(0, 0, 600, 20);
  simple->SetSimpleText("就绪 Ready: a status bar with a simple text only");
  return p;
}

const PageRegistrar gScrolling{{"scrolling", 30, [] { return ShowPage(MakeScrollingPage()); }, nullptr}};
const PageRegistrar gTabs{{"tabs", 31, [] { return ShowPage(MakeTabsPage()); }, nullptr}};

}  // namespace
}  // namespace gallery
