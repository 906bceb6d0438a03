#pragma once
// The skins the gallery switches between while its windows are open: the
// built-in skin, every skin package beside the program, the package named
// with --skin, and no skin at all.
#include <string>
#include <vector>

namespace gallery {

class TGalleryForm;

struct SkinChoice {
  enum Kind { kBuiltIn, kFile, kNone };
  Kind kind = kBuiltIn;
  std::string name;  // for menus and picture names
  std::string file;
};

std::vector<SkinChoice> SkinChoices();
// Switches every open window to the choice (carried out at the skin
// manager's next tick, as any change of skin is).
void UseSkin(const SkinChoice& choice);
// True once the last switch has been carried out.
bool SkinSwitchDone();
// The main form's "皮肤 Skin" menu: one radio item per choice and a file
// chooser.
void AddSkinMenu(TGalleryForm& form);

}  // namespace gallery
