#include "tools/skingallery/GallerySkins.h"

#include <windows.h>

#include <algorithm>

#include "skin/windows/TSkinManage.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryForms.h"
#include "widgets/TApplication.h"

namespace gallery {
namespace {

std::string BaseName(const std::string& path) {
  std::string name = path.substr(path.find_last_of("\\/:") + 1);
  return name.substr(0, name.rfind('.'));
}

std::span<const std::uint8_t> StoredSkin() {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(self, vex::skin::kSkinStreamResource, MAKEINTRESOURCEA(10));
  if (!info) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, info)));
  return {bytes, SizeofResource(self, info)};
}

}  // namespace

std::vector<SkinChoice> SkinChoices() {
  std::vector<SkinChoice> choices{{SkinChoice::kBuiltIn, "builtin", ""}};
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((vcl::ProgramFolder() + "*.skn").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do files.push_back(vcl::ProgramFolder() + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
  }
  std::sort(files.begin(), files.end());
  const std::string& named = CurrentOptions().skinFile;
  if (!named.empty() && std::find(files.begin(), files.end(), named) == files.end()) files.push_back(named);
  for (const std::string& file : files) choices.push_back({SkinChoice::kFile, BaseName(file), file});
  choices.push_back({SkinChoice::kNone, "none", ""});
  return choices;
}

void UseSkin(const SkinChoice& choice) {
  vex::skin::TSkinData* skin = Skin();
  if (!skin) return;
  switch (choice.kind) {
    case SkinChoice::kNone:
      skin->SetActive(false);
      return;
    case SkinChoice::kBuiltIn:
      skin->UseSkinStream(StoredSkin());
      break;
    case SkinChoice::kFile:
      skin->SetSkinFile(choice.file);
      break;
  }
  skin->SetActive(true);
}

bool SkinSwitchDone() {
  vex::skin::TSkinManage* manager = vex::skin::SkinManager();
  return !manager || !manager->TimerEnabled();
}

void AddSkinMenu(TGalleryForm& form) {
  auto* menu = new vcl::TMainMenu(&form);
  auto* top = new vcl::TMenuItem(&form);
  top->SetCaption("皮肤(&S)");
  menu->Items()->Add(top);
  for (const SkinChoice& choice : SkinChoices()) {
    auto* item = new vcl::TMenuItem(&form);
    item->SetCaption(choice.kind == SkinChoice::kBuiltIn ? "内置皮肤 built-in"
                     : choice.kind == SkinChoice::kNone  ? "无皮肤 no skin"
                                                         : choice.name);
    item->SetRadioItem(true);
    item->SetChecked(choice.kind == SkinChoice::kBuiltIn && CurrentOptions().skinFile.empty());
    item->OnClick = [choice, item](vcl::TObject*) {
      item->SetChecked(true);
      UseSkin(choice);
    };
    top->Add(item);
  }
  auto* line = new vcl::TMenuItem(&form);
  line->SetCaption("-");
  top->Add(line);
  auto* open = new vcl::TMenuItem(&form);
  open->SetCaption("打开皮肤文件(&O)...");
  open->OnClick = [&form](vcl::TObject*) {
    vcl::TOpenDialog dialog(nullptr);
    dialog.Title = "皮肤文件";
    dialog.Filter = "皮肤 (*.skn)|*.skn|所有文件 (*.*)|*.*";
    if (dialog.Execute()) UseSkin({SkinChoice::kFile, BaseName(dialog.FileName), dialog.FileName});
  };
  top->Add(open);
  form.SetMenu(menu);
}

}  // namespace gallery
