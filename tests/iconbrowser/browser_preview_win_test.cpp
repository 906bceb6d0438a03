// Previews, the size control, composite saving and its failures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "browser_fixture.h"
#include "iconbrowser/CompositeSet.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconFileName.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"
#include "win_test_support.h"

using namespace vex::test;
using namespace vex::iconbrowser;

namespace {

// Up, with the folder read to the end.
bool WindowShown(TFormIconExplorer& f) {
  return IsWindowVisible(f.Handle()) && !f.Reading() && f.ListView1->ItemCount() > 0;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string NameAt(const SYSTEMTIME& base, int plusSeconds) {
  FILETIME ft;
  SystemTimeToFileTime(&base, &ft);
  ULARGE_INTEGER u{{ft.dwLowDateTime, ft.dwHighDateTime}};
  u.QuadPart += static_cast<ULONGLONG>(plusSeconds) * 10000000ULL;
  ft = {u.LowPart, u.HighPart};
  SYSTEMTIME t;
  FileTimeToSystemTime(&ft, &t);
  return MakeIconFileName({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

// Screen rectangle of a windowless control.
RECT ScreenRect(vcl::TControl* c) {
  POINT p{c->Left(), c->Top()};
  ClientToScreen(c->Parent()->Handle(), &p);
  return {p.x, p.y, p.x + c->Width(), p.y + c->Height()};
}

}  // namespace

TEST_F(BrowserTest, CompositeOkSavesEverySizeAndTheThirtyTwoMaskIsTheIntersection) {
  TFormIconExplorer& f = Form();
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        Select(0);          // the star of three.exe
        Scroll(SB_BOTTOM);  // S = 32: the star covers the whole folder picture
      }),
      [&] { return f.ScrollBar1->Position() == 32 && !f.FCompositeIcon.Empty(); },
      Do([&] { ClickOk(); }),
  });
  ASSERT_TRUE(f.Execute(target.Path()));
  EXPECT_EQ(f.FResultIndex, 0);
  EXPECT_EQ(f.FResultFile.rfind(program.File("MyIcons\\"), 0), 0u) << f.FResultFile;
  EXPECT_TRUE(IsIcoFile(f.FResultFile));

  const auto bytes = ReadAll(f.FResultFile);
  std::string why;
  const auto info = ParseIco(bytes, &why);
  ASSERT_TRUE(info) << why;
  ASSERT_EQ(info->entries.size(), kCompositeSizes.size());
  for (std::size_t i = 0; i < kCompositeSizes.size(); ++i) {
    EXPECT_EQ(info->entries[i].width, kCompositeSizes[i]);
    EXPECT_EQ(info->entries[i].png, kCompositeSizes[i] == 256);
  }
  const IcoEntry& e = info->entries[3];
  EXPECT_EQ(e.width, 32);
  EXPECT_EQ(e.height, 32);
  EXPECT_EQ(e.dirPlanes, 1);
  EXPECT_EQ(e.dirBitCount, e.bitCount);

  HICON folderIcon = static_cast<HICON>(
      LoadImageA(nullptr, program.File("Folder.ico").c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
  HICON star = ExtractIconAt(target.File("three.exe"), 0);
  const auto g = ReadIconPixels(folderIcon);
  const auto s = ReadIconPixels(star);
  ASSERT_TRUE(g && s);
  int onlyStar = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool expected = g->transparent[g->Index(x, y)] && s->transparent[s->Index(x, y)];
      EXPECT_EQ(IcoMaskBit(bytes, e, x, y), expected) << x << "," << y;
      onlyStar += g->transparent[g->Index(x, y)] && !s->transparent[s->Index(x, y)];
    }
  EXPECT_GT(onlyStar, 0) << "the star must reach where the folder is clear";
  DestroyIcon(folderIcon);
  DestroyIcon(star);
}

TEST_F(BrowserTest, SaveInAnOccupiedSecondGetsACounterAndKeepsTheOldFile) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  // Whatever second the save lands in (within the next few), its name is taken.
  for (int s = 0; s < 5; ++s) program.Write("MyIcons\\" + NameAt(now, s), "in use");
  TFormIconExplorer& f = Form();
  ModalScript script({[&] { return WindowShown(f); }, Do([&] { Select(2); }),
                      [&] { return !f.FCompositeIcon.Empty(); }, Do([&] { ClickOk(); })});
  ASSERT_TRUE(f.Execute(target.Path()));
  const std::string& path = f.FResultFile;
  ASSERT_GT(path.size(), 6u);
  EXPECT_EQ(path.substr(path.size() - 6), "_2.ico") << path;
  const std::string taken = path.substr(0, path.size() - 6) + ".ico";
  EXPECT_EQ(ReadAll(taken), (std::vector<std::uint8_t>{'i', 'n', ' ', 'u', 's', 'e'}));
  EXPECT_TRUE(ParseIco(ReadAll(path)));
  // Saved whole under a temporary name first: none is left behind.
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(program.File("MyIcons\\*.tmp").c_str(), &found);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(BrowserTest, MissingMyIconsReportsCreateErrorAndTheWindowStaysOpen) {
  RemoveDirectoryA(program.File("MyIcons").c_str());
  TFormIconExplorer& f = Form();
  std::string text;
  bool stillShown = false;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        Select(0);
        ClickOk();
      }),
      [&] { return FindMessageBox(&text) != nullptr; },
      Do([&] { PostMessageA(FindMessageBox(), WM_COMMAND, IDOK, 0); }),
      [&] { return FindMessageBox() == nullptr; },
      Do([&] {
        stillShown = IsWindowVisible(f.Handle()) != FALSE;
        ClickCancel();
      }),
  });
  EXPECT_FALSE(f.Execute(target.Path()));
  EXPECT_TRUE(stillShown);
  EXPECT_NE(text.find("Cannot create file \"" + program.File("MyIcons\\")), std::string::npos) << text;
  EXPECT_FALSE(f.FAccepted);
}

TEST_F(BrowserTest, WithoutFolderIcoTheBrowserWorksButTheCompositeIsRefused) {
  DeleteFileA(program.File("Folder.ico").c_str());
  std::string createError, okError;
  {
    ModalScript closeBox({[&] { return FindMessageBox(&createError) != nullptr; },
                          Do([&] { PostMessageA(FindMessageBox(), WM_COMMAND, IDOK, 0); })});
    Form();
    EXPECT_TRUE(closeBox.Finished());
  }
  TFormIconExplorer& f = Form();
  EXPECT_NE(createError.find("Cannot open file"), std::string::npos) << createError;
  EXPECT_TRUE(f.OpenDialog1->InitialDir.empty());
  bool emptyComposite = false;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] { Select(0); }),
      [&] { return f.Button1->Enabled(); },
      Do([&] {
        emptyComposite = f.FCompositeIcon.Empty() && f.Image2->Picture().Graphic() == nullptr;
        ClickOk();
      }),
      [&] { return FindMessageBox(&okError) != nullptr; },
      Do([&] { PostMessageA(FindMessageBox(), WM_COMMAND, IDOK, 0); }),
      [&] { return FindMessageBox() == nullptr; },
      Do([&] { ClickCancel(); }),
  });
  EXPECT_FALSE(f.Execute(target.Path()));
  EXPECT_TRUE(emptyComposite);
  EXPECT_NE(okError.find("Icon image is not valid"), std::string::npos) << okError;
}

TEST_F(BrowserTest, SizeFollowsTheArrowKeysAndNoSelectionClearsThePreviews) {
  TFormIconExplorer& f = Form();
  int afterDown = 0, afterUp = 0;
  bool clearedAndDisabled = false;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        Select(1);
        SetFocus(H(f.ScrollBar1));
        SendMessageA(H(f.ScrollBar1), WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(H(f.ScrollBar1), WM_KEYUP, VK_DOWN, 0);
      }),
      [&] { return f.ScrollBar1->Position() != 16; },
      Do([&] {
        afterDown = f.ScrollBar1->Position();
        SelectNone();
        SendMessageA(H(f.ScrollBar1), WM_KEYDOWN, VK_UP, 0);
        SendMessageA(H(f.ScrollBar1), WM_KEYUP, VK_UP, 0);
      }),
      [&] { return f.ScrollBar1->Position() != afterDown; },
      Do([&] {
        afterUp = f.ScrollBar1->Position();
        clearedAndDisabled = !f.Button1->Enabled() && f.Image1->Picture().Graphic() == nullptr &&
                             f.Image2->Picture().Graphic() == nullptr;
        ClickCancel();
      }),
  });
  f.Execute(target.Path());
  EXPECT_EQ(afterDown, 17);
  EXPECT_EQ(afterUp, 16);
  EXPECT_TRUE(clearedAndDisabled);
}

TEST_F(BrowserTest, DoubleClickOnAPreviewConfirmsItsMode) {
  TFormIconExplorer& f = Form();
  const auto doubleClick = [&](vcl::TControl* image) {
    HWND parent = H(f.GroupBox1);
    const LPARAM at = MAKELPARAM(image->Left() + 10, image->Top() + 10);
    PostMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(parent, WM_LBUTTONUP, 0, at);
    PostMessageA(parent, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(parent, WM_LBUTTONUP, 0, at);
  };
  {
    ModalScript left({[&] { return WindowShown(f); }, Do([&] { Select(3); }), [&] { return f.Button1->Enabled(); },
                      Do([&] { doubleClick(f.Image1); })});
    ASSERT_TRUE(f.Execute(target.Path()));
    EXPECT_TRUE(f.RadioButton1->Checked());
    EXPECT_EQ(f.FResultFile, target.File("two.dll"));
    EXPECT_EQ(f.FResultIndex, 0);
  }
  {
    ModalScript right({[&] { return WindowShown(f); }, Do([&] { Select(3); }), [&] { return f.Button1->Enabled(); },
                       Do([&] { doubleClick(f.Image2); })});
    ASSERT_TRUE(f.Execute(target.Path()));
    EXPECT_TRUE(f.RadioButton2->Checked());
    EXPECT_EQ(f.FResultFile.rfind(program.File("MyIcons\\"), 0), 0u) << f.FResultFile;
  }
}

TEST_F(BrowserTest, RestingOnTheCompositeShowsItLarge) {
  TFormIconExplorer& f = Form();
  // The mouse as the group box sees it: over the composite, then beside it.
  const auto moveTo = [&](int x, int y) { PostMessageA(H(f.GroupBox1), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); };
  // A wait that gives up (and fails the test) rather than hang the modal loop.
  const DWORD deadline = GetTickCount() + 10000;
  bool gaveUp = false;
  const auto within = [&](bool done) {
    if (!done && GetTickCount() > deadline) gaveUp = true;
    return done || gaveUp;
  };
  vex::Pixels zoom;
  RECT zoomRect{};
  std::uint32_t centre = 0;
  bool hidden = false;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] { Select(1); }),  // the heart
      [&] { return within(!f.FCompositeSet.empty()); },
      Do([&] { moveTo(f.Image2->Left() + 16, f.Image2->Top() + 16); }),
      [&] { return within(f.FZoom.Visible()); },
      [&] {
        if (gaveUp) return true;
        // Painted once the middle of the large picture is no longer the background.
        GetWindowRect(f.FZoom.Window(), &zoomRect);
        zoom = vex::ReadScreen(zoomRect);
        const std::uint32_t window = GetSysColor(COLOR_WINDOW);
        const std::uint32_t windowRgb = ((window & 0xFF) << 16) | (window & 0xFF00) | ((window >> 16) & 0xFF);
        centre = zoom.At(zoom.width / 2, zoom.height / 2);
        return within(centre != windowRgb);
      },
      Do([&] {
        if (!zoom.rgb.empty()) vex::SavePng(zoom, vex::test::OutputDir() + "composite-zoom.png");
        moveTo(f.Image1->Left() + 4, f.Image1->Top() + 4);
      }),
      [&] { return within(!f.FZoom.Visible()); },
      Do([&] {
        hidden = !f.FZoom.Visible();
        ClickCancel();
      }),
  });
  f.Execute(target.Path());
  ASSERT_TRUE(script.Finished());
  ASSERT_FALSE(gaveUp) << "the large preview did not come and go";
  EXPECT_TRUE(hidden);
  // 128 pixels and the padding inside a one-pixel border.
  EXPECT_EQ(zoomRect.right - zoomRect.left, TFormIconExplorer::kZoomSize + 2 * CompositeZoom::kPadding + 2);
  // The large composite is drawn: its middle is the heart's (opaque there).
  const RgbaImage* large = nullptr;
  for (const auto& c : f.FCompositeSet)
    if (c.image.width == TFormIconExplorer::kZoomSize) large = &c.image;
  ASSERT_NE(large, nullptr);
  const int mid = TFormIconExplorer::kZoomSize / 2;
  EXPECT_EQ(AlphaOf(large->At(mid, mid)), 255);
  EXPECT_EQ(centre, large->At(mid, mid) & 0xFFFFFF);  // border 1 + padding 6 + 64 = 71, the middle
}

TEST_F(BrowserTest, PreviewsShowTheIconAloneAndOverTheFolder) {
  TFormIconExplorer& f = Form();
  vex::Pixels left, right;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] { Select(1); }),  // the heart
      [&] {
        left = vex::ReadScreen(ScreenRect(f.Image1));
        right = vex::ReadScreen(ScreenRect(f.Image2));
        // Painted once the heart's red shows in both.
        const auto red = [](std::uint32_t c) { return (c >> 16) > 0xA0 && ((c >> 8) & 0xFF) < 0x80; };
        return red(left.At(16, 14)) && red(right.At(16, 16));
      },
      Do([&] {
        vex::test::SaveWindowPng(f.Handle(), "icon-browser");
        ClickCancel();
      }),
  });
  f.Execute(target.Path());
  ASSERT_TRUE(script.Finished());
  const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
  EXPECT_EQ(left.At(0, 0), faceRgb);      // the icon alone: its corner is clear
  EXPECT_NE(right.At(4, 20), faceRgb);    // the folder around the shrunk icon
  EXPECT_NE(right.At(4, 20), left.At(16, 14));
  EXPECT_EQ(right.At(31, 0), faceRgb);    // above the folder's back, clear
}
