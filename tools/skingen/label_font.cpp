#include <cctype>
#include <cstring>

#include "preview.h"

namespace skinart {
namespace {

// Each glyph: five rows of three pixels, row bits 4 (left), 2, 1.
struct Glyph3x5 {
  char ch;
  unsigned char rows[5];
};
constexpr Glyph3x5 kFont[] = {
    {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
    {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
    {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}},
    {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}},
    {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}},
    {'6', {3, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}}, {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 6}},
    {'_', {0, 0, 0, 0, 7}}, {'.', {0, 0, 0, 0, 2}}, {':', {0, 2, 0, 2, 0}}, {'-', {0, 0, 7, 0, 0}},
    {',', {0, 0, 0, 2, 4}}, {'/', {1, 1, 2, 4, 4}}, {'(', {1, 2, 2, 2, 1}}, {')', {4, 2, 2, 2, 4}},
};

const Glyph3x5* Find(char c) {
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const Glyph3x5& g : kFont)
    if (g.ch == c) return &g;
  return nullptr;
}

}  // namespace

void Label(Raster& r, int x, int y, const std::string& text, Rgba c, int scale) {
  for (char ch : text) {
    if (const Glyph3x5* g = Find(ch))
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (g->rows[row] & (4 >> col)) r.Fill(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, c);
    x += 4 * scale;
  }
}

int LabelWidth(const std::string& text, int scale) { return static_cast<int>(text.size()) * 4 * scale - scale; }

}  // namespace skinart
