#pragma once
// Pure geometry of aligned children: where alTop/alBottom/alLeft/alRight/
// alClient controls go inside a client rectangle, and which client size an
// AutoSize container needs. No Win32 here, so the rules are tested natively.
#include <vector>

namespace vcl {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

namespace layout {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Box&, const Box&) = default;
};

struct Item {
  TAlign align = alNone;
  Box bounds;
  bool visible = true;
};

struct Extent {
  int width = 0, height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

// New bounds for every item, in input order. Hidden and unaligned items keep
// theirs. Items of one alignment stack in the order of their current position
// (top edge for alTop, and so on), ties broken by list order, so a panel that
// is shown again returns to its old place in the stack.
std::vector<Box> AlignItems(const std::vector<Item>& items, Box client);

// Client size that holds the visible items: the stacked heights of top and
// bottom aligned items, the widths of left and right aligned ones, and the far
// edges of unaligned ones. A dimension that no item constrains keeps `current`
// (top-aligned panels take the width they are given, they do not ask for one).
Extent AutoSizeExtent(const std::vector<Item>& items, Extent current);

}  // namespace layout
}  // namespace vcl
