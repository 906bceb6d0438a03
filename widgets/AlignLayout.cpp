#include "widgets/AlignLayout.h"

#include <algorithm>
#include <numeric>

namespace vcl::layout {
namespace {

// Indices of visible items with the given alignment, in stacking order.
std::vector<std::size_t> Stack(const std::vector<Item>& items, TAlign align) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].visible && items[i].align == align) order.push_back(i);
  }
  auto key = [&](std::size_t i) {
    const Box& b = items[i].bounds;
    switch (align) {
      case alTop: return b.top;
      case alBottom: return -b.bottom;
      case alLeft: return b.left;
      case alRight: return -b.right;
      default: return 0;
    }
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}

}  // namespace

std::vector<Box> AlignItems(const std::vector<Item>& items, Box client) {
  std::vector<Box> out;
  out.reserve(items.size());
  for (const Item& it : items) out.push_back(it.bounds);
  Box rest = client;
  for (std::size_t i : Stack(items, alTop)) {
    const int h = items[i].bounds.Height();
    out[i] = {rest.left, rest.top, rest.right, rest.top + h};
    rest.top += h;
  }
  for (std::size_t i : Stack(items, alBottom)) {
    const int h = items[i].bounds.Height();
    out[i] = {rest.left, rest.bottom - h, rest.right, rest.bottom};
    rest.bottom -= h;
  }
  for (std::size_t i : Stack(items, alLeft)) {
    const int w = items[i].bounds.Width();
    out[i] = {rest.left, rest.top, rest.left + w, rest.bottom};
    rest.left += w;
  }
  for (std::size_t i : Stack(items, alRight)) {
    const int w = items[i].bounds.Width();
    out[i] = {rest.right - w, rest.top, rest.right, rest.bottom};
    rest.right -= w;
  }
  for (std::size_t i : Stack(items, alClient)) {
    out[i] = {rest.left, rest.top, std::max(rest.left, rest.right), std::max(rest.top, rest.bottom)};
  }
  return out;
}

Extent AutoSizeExtent(const std::vector<Item>& items, Extent current) {
  int stackH = 0, stackW = 0;
  bool constrainsH = false, constrainsW = false;
  int freeRight = 0, freeBottom = 0;
  int sideH = 0;
  for (const Item& it : items) {
    if (!it.visible) continue;
    switch (it.align) {
      case alTop:
      case alBottom:
        stackH += it.bounds.Height();
        constrainsH = true;
        break;
      case alLeft:
      case alRight:
        stackW += it.bounds.Width();
        sideH = std::max(sideH, it.bounds.Height());
        constrainsW = true;
        break;
      case alClient:
        break;
      case alNone:
        freeRight = std::max(freeRight, it.bounds.right);
        freeBottom = std::max(freeBottom, it.bounds.bottom);
        constrainsW = constrainsH = true;
        break;
    }
  }
  Extent e = current;
  if (constrainsH) e.height = std::max({stackH, freeBottom, sideH > 0 ? stackH + sideH : 0});
  if (constrainsW) e.width = std::max(stackW, freeRight);
  return e;
}

}  // namespace vcl::layout
