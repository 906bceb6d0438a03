// The dispatch on real controls: which skinner each widget class gets on a
// form, with and without its member of SkinControls, by Tag, once only; and
// which skinner each child window of a plain window gets by class and style.
#include <functional>

#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/controls/TSkinSpeedButton.h"

namespace vex::skin::test {
namespace {

// The class of the skinner the frame has for a control, or "".
std::string SkinnerOf(SkinnedForm& f, vcl::TControl* control) {
  for (TFrameSkinner* s : f.frame->ControlSkinners) {
    if (auto* speed = dynamic_cast<TSkinSpeedButton*>(s); speed && speed->SpeedButton() == control)
      return s->ClassName();
    auto* w = dynamic_cast<vcl::TWinControl*>(control);
    if (w && static_cast<TSkinControl*>(s)->Handle == w->Handle()) return s->ClassName();
  }
  return "";
}

using Make = std::function<vcl::TControl*(SkinnedForm&)>;
template <class C>
Make Of(int w = 100, int h = 22) {
  return [w, h](SkinnedForm& f) { return f.Add<C>(10, 10, w, h); };
}

class SkinControlsScope {
 public:
  explicit SkinControlsScope(TSkinControls set) : saved_(Skin().SkinControls) { Skin().SkinControls = set; }
  ~SkinControlsScope() { Skin().SkinControls = saved_; }

 private:
  TSkinControls saved_;
};

struct Row {
  const char* name;
  Make make;
  const char* skinner;           // with every kind in SkinControls
  TSkinControlType without;      // this kind taken out of the set ...
  const char* skinnerWithout;    // ... gives this
};

TEST(ControlDispatch, EveryWidgetClassWithAndWithoutItsMember) {
  const Row rows[] = {
      {"TButton", Of<vcl::TButton>(), "TSkinButton", xcButton, ""},
      {"TBitBtn", Of<vcl::TBitBtn>(), "TSkinBitButton", xcBitBtn, "TSkinButton"},
      {"TSpeedButton", Of<vcl::TSpeedButton>(), "TSkinSpeedButton", xcSpeedButton, ""},
      {"TCheckBox follows xcButton", Of<vcl::TCheckBox>(), "TSkinCheckBox", xcButton, ""},
      {"TCheckBox ignores xcCheckBox", Of<vcl::TCheckBox>(), "TSkinCheckBox", xcCheckBox, "TSkinCheckBox"},
      {"TRadioButton", Of<vcl::TRadioButton>(), "TSkinRadioButton", xcRadioButton, ""},
      {"TPanel", Of<vcl::TPanel>(), "TSkinBox", xcPanel, ""},
      {"TGroupBox follows xcPanel", Of<vcl::TGroupBox>(100, 60), "TSkinBox", xcPanel, ""},
      {"TGroupBox ignores xcGroupBox", Of<vcl::TGroupBox>(100, 60), "TSkinBox", xcGroupBox, "TSkinBox"},
      {"TEdit", Of<vcl::TEdit>(), "TSkinEdit", xcEdit, ""},
      {"TComboBox (then its scroll style asks for a scroll bar skinner)", Of<vcl::TComboBox>(), "TSkinComBox",
       xcCombo, ""},
      {"TTrackBar follows xcCheckBox", Of<vcl::TTrackBar>(150, 36), "TSkinTrackBar", xcCheckBox, ""},
      {"TUpDown follows xcCheckBox", Of<vcl::TUpDown>(17, 22), "TSkinUpDown", xcCheckBox, ""},
      {"TProgressBar", Of<vcl::TProgressBar>(), "TSkinProgress", xcProgress, ""},
      {"TMemo (without xcScrollbar an edit)", Of<vcl::TMemo>(100, 60), "TSkinScrollBar", xcScrollbar, "TSkinEdit"},
      {"TListView", Of<vcl::TListView>(100, 60), "TSkinListView", xcScrollbar, ""},
      {"TScrollBar", Of<vcl::TScrollBar>(100, 17), "TSkinScControl", xcScrollbar, ""},
      {"TTabControl", Of<vcl::TTabControl>(100, 60), "TSkinTab", xcTab, ""},
      {"TStatusBar", Of<vcl::TStatusBar>(), "TSkinStatusBar", xcStatusBar, ""},
      {"TLabel", Of<vcl::TLabel>(), "", xcButton, ""},
  };
  for (const Row& r : rows) {
    for (const bool all : {true, false}) {
      SkinControlsScope scope(all ? kAllSkinControls : kAllSkinControls & ~SkinControlBit(r.without));
      SkinnedForm f;
      vcl::TControl* c = r.make(f);
      SkinFormControls(*f.frame, *f.form);
      EXPECT_EQ(SkinnerOf(f, c), all ? r.skinner : r.skinnerWithout) << r.name << (all ? "" : " without its member");
    }
  }
}

TEST(ControlDispatch, TagsAgainstDisableTagAndTheTagRows) {
  struct Case {
    const char* name;
    Make make;
    int tag;
    const char* skinner;
  };
  const Case cases[] = {
      {"Tag 199 with DisableTag 99", Of<vcl::TButton>(), 199, ""},
      {"Tag 99", Of<vcl::TButton>(), 99, ""},
      {"Tag -99: the remainder is -99", Of<vcl::TButton>(), -99, "TSkinButton"},
      {"Tag 56 makes an edit a combo box", Of<vcl::TEdit>(), 56, "TSkinComBox"},
      {"Tag 57 does not outrank an earlier row", Of<vcl::TCheckBox>(), 57, "TSkinCheckBox"},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    vcl::TControl* control = c.make(f);
    control->SetTag(c.tag);
    SkinFormControls(*f.frame, *f.form);
    EXPECT_EQ(SkinnerOf(f, control), c.skinner) << c.name;
  }
}

TEST(ControlDispatch, AControlIsSkinnedOnceWhenTheFrameWalksAgain) {
  SkinnedForm f;
  f.Add<vcl::TButton>(10, 10, 80, 25);
  f.Add<vcl::TSpeedButton>(100, 10, 25, 25);
  f.Add<vcl::TEdit>(10, 40, 80, 21);
  SkinFormControls(*f.frame, *f.form);
  const auto first = f.frame->ControlSkinners.size();
  EXPECT_EQ(first, 3u);
  SkinFormControls(*f.frame, *f.form);
  EXPECT_EQ(f.frame->ControlSkinners.size(), first);
}

TEST(ControlDispatch, ChildWindowsOfAPlainWindowByClassAndStyle) {
  struct Case {
    const char* name;
    const char* windowClass;
    DWORD style;
    const char* skinner;
  };
  const Case cases[] = {
      {"group box", "BUTTON", BS_GROUPBOX, ""},
      {"auto radio button", "BUTTON", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
      {"auto check box", "BUTTON", BS_AUTOCHECKBOX, "TSkinCheckBox"},
      {"push button", "BUTTON", BS_PUSHBUTTON, "TSkinButton"},
      {"default push button", "BUTTON", BS_DEFPUSHBUTTON, "TSkinButton"},
      {"simple combo box", "COMBOBOX", CBS_SIMPLE, ""},
      {"drop-down list", "COMBOBOX", CBS_DROPDOWNLIST, "TSkinComBox"},
      {"edit", "EDIT", WS_BORDER, "TSkinEdit"},
      {"size grip", "SCROLLBAR", SBS_SIZEGRIP, "TSkinSizer"},
      {"scroll bar: a real one", "SCROLLBAR", SBS_HORZ, "TSkinScControl"},
      {"tab control", "SysTabControl32", 0, "TSkinTab"},
      {"owner-drawn tab control", "SysTabControl32", TCS_OWNERDRAWFIXED, ""},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    HWND child = f.RawChild(c.windowClass, c.style, 10, 10, 120, 60);
    SkinChildWindows(*f.frame);
    TSkinControl* s = FindSkinner(*f.frame, child);
    EXPECT_EQ(s ? s->ClassName() : std::string(), c.skinner) << c.name;
    if (s) {
      EXPECT_EQ(f.frame->ControlSkinners.size(), 1u) << c.name;
      SkinChildWindows(*f.frame);
      EXPECT_EQ(f.frame->ControlSkinners.size(), 1u) << c.name << ": once";
    }
  }
}

}  // namespace
}  // namespace vex::skin::test
