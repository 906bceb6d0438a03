#include "menu_win_support.h"

#include <gtest/gtest.h>

#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/TApplication.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

constexpr char kWindowClass[] = "VexMenuTestWindow";

std::map<HMENU, std::string>& MenuNames() {
  static std::map<HMENU, std::string> names;
  return names;
}
std::map<UINT, std::string>& ItemNames() {
  static std::map<UINT, std::string> names;
  return names;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITMENUPOPUP: {
      auto it = MenuNames().find(reinterpret_cast<HMENU>(wParam));
      if (it != MenuNames().end()) Log().push_back("open " + it->second);
      break;
    }
    case WM_COMMAND: {
      auto it = ItemNames().find(LOWORD(wParam));
      if (it != ItemNames().end()) Log().push_back("command " + it->second);
      return 0;
    }
    case WM_ENTERMENULOOP:
      Log().push_back("enter menu loop");
      break;
    case WM_MENUSELECT:
      if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
        skin::TSkinForm* frame = skin::FrameOf(window);
        Log().push_back(std::string("closed tracking=") + (frame && frame->FTracking ? "1" : "0"));
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

// One application object and the built-in skin for the whole executable,
// as a program has them.
class MenuEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    app_ = std::make_unique<vcl::TApplication>();
    app_->SetTitle("MenuTests");
    skin_ = std::make_unique<skin::TSkinData>(nullptr);
    skin_->BeginLoading();
    skin_->SetActive(true);
    skin_->ReadSkinStreamResource(GetModuleHandleA(nullptr));
    skin_->Loaded();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);
  }
  void TearDown() override {
    skin_.reset();
    app_.reset();
  }
  skin::TSkinData* Skin() const { return skin_.get(); }

 private:
  std::unique_ptr<vcl::TApplication> app_;
  std::unique_ptr<skin::TSkinData> skin_;
};

MenuEnvironment* gEnvironment =
    static_cast<MenuEnvironment*>(testing::AddGlobalTestEnvironment(new MenuEnvironment));

}  // namespace

skin::TSkinData& Skin() { return *gEnvironment->Skin(); }

bool IsWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}
void NameMenu(HMENU menu, const std::string& name) { MenuNames()[menu] = name; }
void NameItem(UINT id, const std::string& name) { ItemNames()[id] = name; }

HWND CreateMenuWindow(HMENU menu, int width, int height, int x, int y) {
  HWND window = CreateWindowExA(0, kWindowClass, "menu test", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr,
                                menu, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  return window;
}

skin::TSkinForm* WaitForFrame(HWND window) {
  skin::TSkinForm* frame = nullptr;
  PumpUntil([&] {
    frame = skin::FrameOf(window);
    return frame && frame->FSkinState == skin::kSkinActive;
  });
  PumpPending();
  return frame;
}

skin::TSkinMenuBar* BarOf(skin::TSkinForm& frame) { return dynamic_cast<skin::TSkinMenuBar*>(frame.FMenuBar.get()); }

HMENU MakeMenu(const std::vector<std::string>& items, UINT firstId) {
  HMENU menu = CreatePopupMenu();
  UINT id = firstId;
  for (const std::string& item : items) {
    if (item == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const bool grayed = !item.empty() && item[0] == '!';
    const std::string text = grayed ? item.substr(1) : item;
    AppendMenuA(menu, MF_STRING | (grayed ? MF_GRAYED : 0), id, text.c_str());
    NameItem(id, text);
    ++id;
  }
  return menu;
}

std::uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

int CountColour(const Pixels& pixels, const RECT& area, std::uint32_t rgb) {
  int n = 0;
  for (int y = std::max<int>(0, area.top); y < std::min<int>(pixels.height, area.bottom); ++y)
    for (int x = std::max<int>(0, area.left); x < std::min<int>(pixels.width, area.right); ++x)
      if (pixels.At(x, y) == rgb) ++n;
  return n;
}

HBITMAP MakeFrames(int frames, int frameWidth, int height, const std::function<COLORREF(int, int, int)>& colour) {
  return skin::test::MakeBitmap(frames * frameWidth, height, [&](int x, int y) {
    return Rgb(colour(x / frameWidth + 1, x % frameWidth, y));
  });
}

std::unique_ptr<skin::TSkinData> MakeTestSkin() {
  auto skin = std::make_unique<skin::TSkinData>(nullptr);
  skin->SkinFormtype = skin::sfOnlyThisForm;
  skin->NoSkin = false;
  skin->Menu = RGB(230, 230, 200);
  skin->MenuText = RGB(0, 0, 160);
  skin->HilightText = RGB(255, 255, 0);
  skin->ButtonShadow = RGB(150, 0, 150);
  skin->ButtonFace = RGB(200, 210, 180);
  skin->Hilight = RGB(0, 100, 0);
  return skin;
}

namespace {
LoopScript* gScript = nullptr;
}  // namespace

LoopScript::LoopScript(std::function<bool()> step) : step_(std::move(step)) {
  gScript = this;
  timer_ = SetTimer(nullptr, 0, 30, &LoopScript::Tick);
}

LoopScript::~LoopScript() {
  KillTimer(nullptr, timer_);
  if (gScript == this) gScript = nullptr;
}

void CALLBACK LoopScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  LoopScript* script = gScript;
  if (!script || script->done_) return;
  if (script->step_()) script->done_ = true;
}

HWND VisiblePopup() {
  for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
       popup = FindWindowExA(nullptr, popup, "#32768", nullptr)) {
    if (IsWindowVisible(popup)) return popup;
  }
  return nullptr;
}

bool QueueIdle() { return HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_INPUT)) == 0; }

RECT WindowWithMenus(HWND window) {
  RECT shot{};
  GetWindowRect(window, &shot);
  for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
       popup = FindWindowExA(nullptr, popup, "#32768", nullptr)) {
    RECT r{};
    if (IsWindowVisible(popup) && GetWindowRect(popup, &r)) UnionRect(&shot, &shot, &r);
  }
  return shot;
}

}  // namespace vex::test::menus
