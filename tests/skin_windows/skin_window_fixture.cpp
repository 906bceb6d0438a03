#include "skin_window_fixture.h"

#include "skin/data/SkinPackageWriter.h"
#include "win_test_support.h"

namespace vex::skin::test {

Bytes BmpFile(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
  Bytes out(54 + imageSize, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  out[26] = 1;
  out[28] = 24;
  put32(34, imageSize);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = out.data() + 54 + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      row[x * 3] = static_cast<std::uint8_t>(c);
      row[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return out;
}

Bytes PackageStream(const std::string& ini, const std::vector<std::pair<std::string, Bytes>>& images) {
  std::vector<PackageMember> members;
  for (const auto& [name, bytes] : images) members.push_back({name, bytes});
  members.push_back({"test.ini", Bytes(ini.begin(), ini.end())});
  return Stream(WritePackage(members));
}

Bytes FrameSkinStream(const FrameSkin& s) {
  constexpr std::uint32_t kFace = 0x7090B0, kKey = 0xFF00FF;
  // One frame per side; a keyed side has its outer corner pixels magenta.
  auto side = [&](int w, int h, bool keyed) {
    return BmpFile(w, h, [=](int x, int y) {
      const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
      return keyed && corner ? kKey : kFace;
    });
  };
  std::string ini = "[Personality]\nLeft=l.bmp\nRight=r.bmp\nTop=t.bmp\nBottom=b.bmp\n";
  ini += "LeftFrame=1\nRightFrame=1\nTopFrame=1\nBottomFrame=1\n";
  ini += std::string("LeftTrans=") + (s.leftKeyed ? "1" : "0") + "\nRightTrans=" + (s.rightKeyed ? "1" : "0") +
         "\nTopTrans=" + (s.topKeyed ? "1" : "0") + "\nBottomTrans=" + (s.bottomKeyed ? "1" : "0") + "\n";
  ini += s.extraPersonality;
  ini += "\n[Colours]\nButtonFace=176 144 112\n";
  ini += s.extraSections;
  std::vector<std::pair<std::string, Bytes>> images = {{"l.bmp", side(s.side, 40, s.leftKeyed)},
                                                       {"r.bmp", side(s.side, 40, s.rightKeyed)},
                                                       {"t.bmp", side(60, s.title, s.topKeyed)},
                                                       {"b.bmp", side(60, s.bottom, s.bottomKeyed)}};
  images.insert(images.end(), s.extraImages.begin(), s.extraImages.end());
  return PackageStream(ini, images);
}

std::unique_ptr<TSkinData> MakeSkin(const Bytes& stream, TSkinFormType type) {
  auto skin = std::make_unique<TSkinData>(nullptr);
  skin->SkinFormtype = type;
  skin->BeginLoading();
  skin->SetActive(true);
  skin->ReadSkinStream(stream);
  skin->Loaded();
  return skin;
}

bool WaitSkinning(bool on) {
  return vex::test::PumpUntil([&] { return SkinManager() && SkinManager()->FSkinning == on; });
}

LogWindow::LogWindow(DWORD style, DWORD exStyle, RECT b, HWND parent, const char* className) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(GetModuleHandleA(nullptr), className, &wc)) {
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
  }
  FHandle = CreateWindowExA(exStyle, className, "Log window", style, b.left, b.top, b.right - b.left,
                            b.bottom - b.top, parent, nullptr, GetModuleHandleA(nullptr), this);
}

LogWindow::~LogWindow() {
  if (IsWindow(FHandle)) {
    SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }
}

LRESULT CALLBACK LogWindow::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<LogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    if (self->onMessage) self->onMessage(window, msg, wParam, lParam);
    self->log.push_back({msg, wParam, lParam});
    for (UINT s : self->swallow)
      if (s == msg) return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

int LogWindow::Count(UINT msg) const {
  int n = 0;
  for (const Seen& s : log) n += s.msg == msg;
  return n;
}

bool LogWindow::Saw(UINT msg, WPARAM wParam) const {
  for (const Seen& s : log)
    if (s.msg == msg && s.wParam == wParam) return true;
  return false;
}

TSkinForm* ActiveFrame(HWND window, int timeoutMs) {
  TSkinForm* frame = nullptr;
  vex::test::PumpUntil(
      [&] {
        frame = FrameOf(window);
        return frame && frame->FSkinState == kSkinActive;
      },
      std::chrono::milliseconds(timeoutMs));
  frame = FrameOf(window);
  return frame && frame->FSkinState == kSkinActive ? frame : nullptr;
}

TSkinForm* ShowSkinned(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return ActiveFrame(window);
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

std::vector<RECT> WindowRegionRects(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  std::vector<RECT> rects;
  if (GetWindowRgn(window, region) != ERROR) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> data(size);
    auto* rd = reinterpret_cast<RGNDATA*>(data.data());
    if (size && GetRegionData(region, size, rd)) {
      const auto* r = reinterpret_cast<const RECT*>(rd->Buffer);
      rects.assign(r, r + rd->rdh.nCount);
    }
  }
  DeleteObject(region);
  return rects;
}

LPARAM ScreenPoint(HWND window, int x, int y) {
  RECT r{};
  GetWindowRect(window, &r);
  return MAKELPARAM(r.left + x, r.top + y);
}

}  // namespace vex::skin::test
