#pragma once
// The items of a drop-down menu (and of its submenus at any depth) that the
// skin made owner-drawn so that it measures and draws them.  Each one is
// remembered, and Restore gives it its own type back: a menu handed back to
// the system must draw itself again, or it shows empty items.
#include <windows.h>

#include <vector>

namespace vex::skin {

class TOwnerDrawnItems {
 public:
  TOwnerDrawnItems() = default;
  TOwnerDrawnItems(const TOwnerDrawnItems&) = delete;
  TOwnerDrawnItems& operator=(const TOwnerDrawnItems&) = delete;
  ~TOwnerDrawnItems() { Restore(); }

  // Makes every item of `menu` and its submenus owner-drawn that is not
  // yet; items the application draws itself are left alone.
  void MakeOwnerDrawn(HMENU menu);
  // Takes the owner-drawn type off the items MakeOwnerDrawn gave it to.
  // An item that is gone, or was replaced meanwhile, is skipped.
  void Restore();
  // The skin made items of `menu` owner-drawn (and has not restored them).
  bool Contains(HMENU menu) const;
  // The item `id` of `menu` (any menu with null) is one the skin made owner-drawn.
  bool Contains(HMENU menu, UINT id) const;
  // Where the skin found item `id` of `menu` (-1: it did not make it owner-drawn).
  int PositionOf(HMENU menu, UINT id) const;
  std::size_t Count() const { return FItems.size(); }

 private:
  struct Item {
    HMENU menu;
    int position;
    UINT id;
  };
  void Walk(HMENU menu, int depth);
  std::vector<Item> FItems;
};

}  // namespace vex::skin
