// The program's texts, drawn in the fonts its windows ask for, give every
// character a legible glyph of its own.  Under Wine that rests on the fonts and
// font settings scripts/setup gives the prefix, as on Windows it rests on the
// system's fonts; a broken set-up shows here as missing boxes, bars or glyphs
// that look alike.  The strip it saves (design-fonts.png) is for a person to read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/AppTexts.h"
#include "win_test_support.h"

namespace {

namespace text = vex::app::text;

struct DesignFont {
  const char* face;
  int height;
  std::vector<std::string> texts;
};

// The faces and heights the windows use: the main window and the icon browser
// ("MS Sans Serif" -11, the widgets' default font), the download link ("MS Serif"),
// and the faces the built-in skin names for its title and menu texts.
const DesignFont kDesignFonts[] = {
    {"MS Sans Serif", -11,
     {text::kApplyButton, text::kRestoreButton, text::kMenuOption, text::kOptionsShow, text::kOptionsHide}},
    {"MS Serif", -11, {text::kDownloadLink}},
    {"SimSun", -12, {text::kApplyButton, text::kOptionsShow}},
    {"宋体", -12, {text::kRestoreButton}},
    {"Tahoma", -13, {text::kMenuOption, text::kDownloadLink}},
};

// The font as the widgets' TFont makes it.
HFONT CreateDesignFont(const DesignFont& font) {
  LOGFONTA lf{};
  lf.lfHeight = font.height;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(lf.lfFaceName, font.face, LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

struct Bitmap {
  HBITMAP handle = nullptr;
  ~Bitmap() { if (handle) DeleteObject(handle); }
};

// A white bitmap with `paint` drawn on it: black text, transparent background.
void Paint(Bitmap& bitmap, int width, int height, HFONT font, const std::function<void(HDC)>& paint) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap.handle = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap.handle, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap.handle);
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  paint(dc);
  if (oldFont) SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
}

// Which pixels of a character cell the glyph inked.
struct Glyph {
  int width = 0, height = 0;
  std::vector<bool> ink;
  int left = 0, top = 0, right = -1, bottom = -1;  // inked bounds, empty when right < left

  bool operator==(const Glyph& other) const { return ink == other.ink; }
  bool Blank() const { return right < left; }
  bool At(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x]; }
  // One or two columns of ink: what a face without the character draws for an
  // arrow, and what no Chinese character looks like.
  bool Bar() const { return !Blank() && right - left < 2; }
  // A plain rectangle outline with nothing inside: the missing-glyph box.
  bool HollowBox() const {
    if (Blank() || right - left < 2 || bottom - top < 2) return false;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) {
        const bool edge = x == left || x == right || y == top || y == bottom;
        if (At(x, y) != edge) return false;
      }
    return true;
  }
};

constexpr int kCell = 28;

Glyph DrawGlyph(HFONT font, const std::function<void(HDC)>& draw) {
  Bitmap bitmap;
  Paint(bitmap, kCell, kCell, font, draw);
  const vex::Pixels pixels = vex::ReadBitmap(bitmap.handle);
  Glyph g;
  g.width = pixels.width;
  g.height = pixels.height;
  g.left = g.width;
  g.top = g.height;
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x) {
      const bool inked = (pixels.At(x, y) & 0xFFFFFF) != 0xFFFFFF;
      g.ink.push_back(inked);
      if (!inked) continue;
      if (x < g.left) g.left = x;
      if (x > g.right) g.right = x;
      if (y < g.top) g.top = y;
      if (y > g.bottom) g.bottom = y;
    }
  return g;
}

// The characters of a GBK text, one or two bytes each.
std::vector<std::string> Characters(const std::string& gbk) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < gbk.size();) {
    const std::size_t n = IsDBCSLeadByteEx(936, static_cast<BYTE>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
    out.push_back(gbk.substr(i, n));
    i += n;
  }
  return out;
}

// A GBK text as UTF-8, for messages (gtest prints UTF-8).
std::string Utf8(const std::string& gbk) {
  std::wstring wide(gbk.size(), L'\0');
  wide.resize(MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(),
                                  static_cast<int>(wide.size())));
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                  static_cast<int>(utf8.size()), nullptr, nullptr));
  return utf8;
}

// "U+4E2D 中"
std::string Describe(const std::string& gbk) {
  wchar_t first = 0;
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &first, 1);
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X ", static_cast<unsigned>(first));
  return code + Utf8(gbk);
}

void PrintTo(const DesignFont& font, std::ostream* os) { *os << '"' << Utf8(font.face) << "\" " << font.height; }

class DesignFontGlyphs : public ::testing::TestWithParam<DesignFont> {};

TEST_P(DesignFontGlyphs, EveryCharacterDrawsAGlyphOfItsOwn) {
  const DesignFont& font = GetParam();
  HFONT handle = CreateDesignFont(font);
  ASSERT_NE(handle, nullptr);
  // What this font draws for a character it lacks.
  const Glyph missing = DrawGlyph(handle, [](HDC dc) {
    const WORD notdef = 0;
    ExtTextOutW(dc, 2, 2, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<LPCWSTR>(&notdef), 1, nullptr);
  });

  std::map<std::string, Glyph> glyphs;
  for (const std::string& t : font.texts)
    for (const std::string& ch : Characters(t)) {
      if (glyphs.count(ch)) continue;
      const Glyph g = DrawGlyph(handle, [&](HDC dc) { TextOutA(dc, 2, 2, ch.data(), static_cast<int>(ch.size())); });
      const std::string what = Describe(ch);
      EXPECT_FALSE(g.Blank()) << what << " draws nothing";
      EXPECT_FALSE(g.HollowBox()) << what << " draws the missing-glyph box";
      if (!missing.Blank()) {
        EXPECT_FALSE(g == missing) << what << " draws the font's missing glyph";
      }
      // Narrow Latin letters and quotes are rightly one or two columns wide.
      if (ch.size() == 2) {
        EXPECT_FALSE(g.Bar()) << what << " draws a bar";
      }
      glyphs.emplace(ch, g);
    }
  for (auto a = glyphs.begin(); a != glyphs.end(); ++a)
    for (auto b = std::next(a); b != glyphs.end(); ++b)
      EXPECT_FALSE(a->second == b->second) << Describe(a->first) << " and " << Describe(b->first) << " draw alike";
  DeleteObject(handle);
}

std::string FontName(const ::testing::TestParamInfo<DesignFont>& info) {
  std::string name;
  for (const char* c = info.param.face; *c; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  if (name.empty()) name = "font" + std::to_string(info.index);  // a name in Chinese
  return name + std::to_string(-info.param.height);
}

INSTANTIATE_TEST_SUITE_P(Windows, DesignFontGlyphs, ::testing::ValuesIn(kDesignFonts), FontName);

// Every design font's texts on one strip, at their size and three times
// enlarged, saved for a look.
TEST(DesignFontStrip, SavedForALook) {
  constexpr int kRowHeight = 18, kWidth = 420, kZoom = 3;
  std::vector<std::pair<const DesignFont*, std::string>> rows;
  for (const DesignFont& font : kDesignFonts) {
    std::string line = std::string(font.face) + " " + std::to_string(font.height) + ":";
    for (const std::string& t : font.texts) line += "  " + t;
    rows.emplace_back(&font, line);
  }
  const int stripHeight = static_cast<int>(rows.size()) * kRowHeight;

  Bitmap strip;
  Paint(strip, kWidth * kZoom, stripHeight * (1 + kZoom), nullptr, [&](HDC dc) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      HFONT font = CreateDesignFont(*rows[i].first);
      HGDIOBJ old = SelectObject(dc, font);
      const std::string& line = rows[i].second;
      TextOutA(dc, 2, static_cast<int>(i) * kRowHeight + 2, line.data(), static_cast<int>(line.size()));
      SelectObject(dc, old);
      DeleteObject(font);
    }
    StretchBlt(dc, 0, stripHeight, kWidth * kZoom, stripHeight * kZoom, dc, 0, 0, kWidth, stripHeight, SRCCOPY);
  });
  ASSERT_FALSE(HasFatalFailure());

  const vex::Pixels pixels = vex::ReadBitmap(strip.handle);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    int inked = 0;
    for (int y = static_cast<int>(i) * kRowHeight; y < static_cast<int>(i + 1) * kRowHeight; ++y)
      for (int x = 0; x < kWidth; ++x) inked += (pixels.At(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 0) << rows[i].first->face << " drew nothing";
  }
  const std::string path = vex::test::SaveBitmapPng(strip.handle, "design-fonts");
  EXPECT_NE(vex::test::ReadFileText(path), "<missing>");
}

}  // namespace
