#pragma once
// Where the shrunk icon sits inside the 32 x 32 composite folder icon.
// Win32-free.
namespace vex::iconbrowser {

constexpr int kCompositeSize = 32;   // the folder picture and the result
constexpr int kMinInnerSize = 1;     // range of the size scroll bar
constexpr int kMaxInnerSize = 32;
constexpr int kDefaultInnerSize = 16;

// Left and top of an S x S icon centred in the composite.  The odd leftover
// pixel of an odd S falls to the right and below.  S outside 1..32 is
// clamped: the scroll bar never gives one, but a negative offset would draw
// outside the bitmap.
constexpr int CompositeOffset(int size) {
  if (size < kMinInnerSize) size = kMinInnerSize;
  if (size > kMaxInnerSize) size = kMaxInnerSize;
  return (kCompositeSize - size) / 2;
}

}  // namespace vex::iconbrowser
