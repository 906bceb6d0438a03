// The control layer: the two dispatch walks and what their rows do.
#include "skin/controls/ControlDispatch.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/TSkinBitButton.h"
#include "skin/controls/TSkinBox.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinComBox.h"
#include "skin/controls/TSkinEdit.h"
#include "skin/controls/TSkinListView.h"
#include "skin/controls/TSkinProgress.h"
#include "skin/controls/TSkinRadioButton.h"
#include "skin/controls/TSkinScControl.h"
#include "skin/controls/TSkinScrollBar.h"
#include "skin/controls/TSkinSizer.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/controls/TSkinStatusBar.h"
#include "skin/controls/TSkinTab.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/controls/TSkinUpDown.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/Vcl.h"

namespace vex::skin {

using controls::ChildEffect;
using controls::FormEffect;

static_assert(int{controls::kXcTab} == int{xcTab} && int{controls::kXcButton} == int{xcButton} &&
                  int{controls::kXcCheckBox} == int{xcCheckBox} && int{controls::kXcScrollbar} == int{xcScrollbar} &&
                  int{controls::kXcCombo} == int{xcCombo},
              "the dispatch table counts the skin's control kinds in the same order");

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}
std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

template <class T>
bool Is(vcl::TComponent& c) {
  return dynamic_cast<T*>(&c) != nullptr;
}

std::uint32_t KindsOf(vcl::TComponent& c) {
  using namespace controls;
  struct Test {
    bool (*is)(vcl::TComponent&);
    std::uint32_t kind;
  };
  static const Test kTests[] = {
      {Is<vcl::TTabControl>, kTabControl}, {Is<vcl::TCheckBox>, kCheckBox},       {Is<vcl::TPanel>, kPanelOrGroupBox},
      {Is<vcl::TGroupBox>, kPanelOrGroupBox}, {Is<vcl::TRadioButton>, kRadioButton}, {Is<vcl::TStatusBar>, kStatusBar},
      {Is<vcl::TProgressBar>, kProgressBar}, {Is<vcl::TScrollBar>, kScrollBar},   {Is<vcl::TComboBox>, kComboBox},
      {Is<vcl::TBitBtn>, kBitBtn},           {Is<vcl::TSpeedButton>, kSpeedButton}, {Is<vcl::TListView>, kListView},
      {Is<vcl::TMemo>, kMemo},               {Is<vcl::TButton>, kButton},         {Is<vcl::TEdit>, kEdit},
      {Is<vcl::TForm>, kForm},
  };
  std::uint32_t kinds = 0;
  for (const Test& t : kTests)
    if (t.is(c)) kinds |= t.kind;
  return kinds;
}

// Creates a skinner of the frame and attaches it to a control object; a
// skinner that could not attach is freed again.
void AttachTo(TSkinForm& frame, TSkinControl* skinner, vcl::TWinControl* control, bool setColour) {
  if (!skinner) return;
  if (control) skinner->AttachControl(control, frame.SkinData(), setColour, &frame.Canvas());
  if (!skinner->Attached()) skinner->Free();
}

void AttachByHandle(TSkinForm& frame, TSkinControl* skinner, HWND window) {
  if (!skinner) return;
  skinner->AttachHandle(window, frame.SkinData(), &frame.Canvas());
  if (!skinner->Attached()) {
    skinner->Free();
    return;
  }
  frame.ControlSkinners.push_back(skinner);
}

// A radio group: a box on the group, a radio skinner on each child.
void SkinRadioGroup(TSkinForm& frame, vcl::TWinControl& group) {
  AttachTo(frame, new TSkinBox(&frame), &group, true);
  for (int i = 0; i < group.ControlCount(); ++i) {
    auto* child = dynamic_cast<vcl::TWinControl*>(group.Controls(i));
    if (child && !IsControlSkinned(frame, *child)) AttachTo(frame, new TSkinRadioButton(&frame), child, true);
  }
}

void ApplyFormRow(TSkinForm& frame, vcl::TComponent& component, const controls::FormRow& row) {
  auto* windowed = dynamic_cast<vcl::TWinControl*>(&component);
  TSkinData* skin = frame.SkinData();
  switch (row.effect) {
    case FormEffect::kNone:
    case FormEffect::kFlatToolBar:  // the widget layer has no tool bar to switch
      return;
    case FormEffect::kTab:
      if (windowed) AttachByHandle(frame, new TSkinTab(&frame), windowed->Handle());
      return;
    case FormEffect::kCheckBox: AttachTo(frame, new TSkinCheckBox(&frame), windowed, row.setColour); return;
    case FormEffect::kTrackBar: AttachTo(frame, new TSkinTrackBar(&frame), windowed, false); return;
    case FormEffect::kUpDown: AttachTo(frame, new TSkinUpDown(&frame), windowed, false); return;
    case FormEffect::kRadioGroup:
      if (windowed) SkinRadioGroup(frame, *windowed);
      return;
    case FormEffect::kBox: AttachTo(frame, new TSkinBox(&frame), windowed, true); return;
    case FormEffect::kRadioButton: AttachTo(frame, new TSkinRadioButton(&frame), windowed, true); return;
    case FormEffect::kStatusBar:
      // The grip would sit in the skinned frame's corner.  Switching it off
      // makes the window again: the skinner attaches to the new one.
      if (auto* bar = dynamic_cast<vcl::TStatusBar*>(&component)) bar->SetSizeGrip(false);
      AttachTo(frame, new TSkinStatusBar(&frame), windowed, false);
      return;
    case FormEffect::kProgress: AttachTo(frame, new TSkinProgress(&frame), windowed, false); return;
    case FormEffect::kScrollControl: AttachTo(frame, new TSkinScControl(&frame), windowed, false); return;
    case FormEffect::kComboBox: AttachTo(frame, new TSkinComBox(&frame), windowed, false); return;
    case FormEffect::kScrollBarNcClicks: AttachTo(frame, new TSkinScrollBar(&frame, true), windowed, false); return;
    case FormEffect::kScrollBarColoured:
      AttachTo(frame, new TSkinScrollBar(&frame, true), windowed, false);
      if (windowed && skin) windowed->SetColor(skin->ButtonFace);
      return;
    case FormEffect::kBitButton: AttachTo(frame, new TSkinBitButton(&frame), windowed, false); return;
    case FormEffect::kSpeedButton:
      if (auto* speed = dynamic_cast<vcl::TSpeedButton*>(&component)) {
        auto* skinner = new TSkinSpeedButton(&frame);
        skinner->AttachSpeedButton(speed, skin, &frame.Canvas());
      }
      return;
    case FormEffect::kListView: AttachTo(frame, new TSkinListView(&frame), windowed, false); return;
    case FormEffect::kButton: AttachTo(frame, new TSkinButton(&frame), windowed, false); return;
    case FormEffect::kEdit: AttachTo(frame, new TSkinEdit(&frame), windowed, false); return;
    case FormEffect::kWalk: SkinFormControls(frame, component); return;
    case FormEffect::kWalkForm:
      if (auto* form = dynamic_cast<vcl::TForm*>(&component)) {
        if (skin) form->SetColor(skin->ButtonFace);
        SkinFormControls(frame, *form);
      }
      return;
  }
}

class TControlDispatch : public TControlLayer {
 public:
  void SkinFormControls(TSkinForm& frame, vcl::TComponent& container) override {
    vex::skin::SkinFormControls(frame, container);
  }
  void SkinChildWindows(TSkinForm& frame) override { vex::skin::SkinChildWindows(frame); }
};

TControlDispatch gDispatch;
[[maybe_unused]] const bool gRegistered = (SetControlLayer(&gDispatch), true);

}  // namespace

bool HasScrollBars(vcl::TControl& control) {
  if (dynamic_cast<vcl::TMemo*>(&control)) return true;
  auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  return (GetWindowLongPtrA(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

TSkinControl* FindSkinner(TSkinForm& frame, HWND window) {
  if (!window) return nullptr;
  for (TFrameSkinner* s : frame.ControlSkinners) {
    auto* skinner = dynamic_cast<TSkinControl*>(s);
    if (skinner && skinner->Handle == window) return skinner;
  }
  return nullptr;
}

bool IsControlSkinned(TSkinForm& frame, vcl::TComponent& component) {
  for (TFrameSkinner* s : frame.ControlSkinners) {
    if (auto* speed = dynamic_cast<TSkinSpeedButton*>(s); speed && speed->SpeedButton() == &component) return true;
  }
  auto* windowed = dynamic_cast<vcl::TWinControl*>(&component);
  return windowed && windowed->HandleAllocated() && FindSkinner(frame, windowed->Handle());
}

controls::FormFacts FormFactsOf(TSkinForm& frame, vcl::TComponent& component, bool& usable) {
  controls::FormFacts facts;
  usable = true;
  facts.kinds = KindsOf(component);
  facts.tag = component.Tag();
  facts.skinHasTabs = frame.SkinData() && frame.SkinData()->Tabs;
  if (auto* windowed = dynamic_cast<vcl::TWinControl*>(&component)) {
    HWND window = nullptr;
    try {
      window = windowed->Handle();
    } catch (...) {
      window = nullptr;
    }
    if (!window) {
      usable = false;
      return facts;
    }
    facts.style = static_cast<std::uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
    facts.className = Upper(WindowClassName(window));
  }
  if (auto* control = dynamic_cast<vcl::TControl*>(&component)) facts.hasScrollBars = HasScrollBars(*control);
  return facts;
}

void SkinFormControls(TSkinForm& frame, vcl::TComponent& container) {
  TSkinData* skin = frame.SkinData();
  if (!skin) return;
  for (int i = 0; i < container.ComponentCount(); ++i) {
    vcl::TComponent& component = *container.Components(i);
    if (controls::TagDisables(component.Tag(), skin->DisableTag)) continue;
    if (IsControlSkinned(frame, component)) continue;
    bool usable = false;
    const controls::FormFacts facts = FormFactsOf(frame, component, usable);
    if (!usable || facts.className == "TDBCOMBOBOXEH") continue;
    try {
      ApplyFormRow(frame, component, controls::ChooseFormRow(facts, skin->SkinControls));
    } catch (...) {
      // A control that cannot be skinned keeps its look; the walk goes on.
    }
  }
}

void SkinChildWindows(TSkinForm& frame) {
  for (HWND child = GetTopWindow(frame.Handle()); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(frame, child);
  }
}

void SkinChildWindow(TSkinForm& frame, HWND window) {
  if (!window || FindSkinner(frame, window)) return;
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
  switch (controls::ChooseChildWindow(Lower(WindowClassName(window)), style)) {
    case ChildEffect::kNone: return;
    case ChildEffect::kCheckBox: AttachByHandle(frame, new TSkinCheckBox(&frame), window); return;
    case ChildEffect::kRadioButton: AttachByHandle(frame, new TSkinRadioButton(&frame), window); return;
    case ChildEffect::kButton: AttachByHandle(frame, new TSkinButton(&frame), window); return;
    case ChildEffect::kComboBox: AttachByHandle(frame, new TSkinComBox(&frame), window); return;
    case ChildEffect::kComboBoxOfChild:
      if (HWND inner = GetTopWindow(window); inner && !FindSkinner(frame, inner))
        AttachByHandle(frame, new TSkinComBox(&frame), inner);
      return;
    case ChildEffect::kSizer: AttachByHandle(frame, new TSkinSizer(&frame), window); return;
    case ChildEffect::kScrollBar: AttachByHandle(frame, new TSkinScControl(&frame), window); return;
    case ChildEffect::kTab: AttachByHandle(frame, new TSkinTab(&frame), window); return;
    case ChildEffect::kEdit: AttachByHandle(frame, new TSkinEdit(&frame), window); return;
  }
}

}  // namespace vex::skin
