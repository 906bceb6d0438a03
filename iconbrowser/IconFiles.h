#pragma once
// What the shell and the file system give the icon browser: icons inside
// files, and the names in a folder.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "iconbrowser/IconSources.h"
#include "iconbrowser/PeIcons.h"
#include "widgets/Handles.h"

namespace vex::iconbrowser {

// Number of icons the shell finds in the file (an .ico file counts as one);
// 0 for a missing file, a directory or a file without icons.
int IconCount(const std::string& path);

// Icon `index` of the file at the large icon size, owned by the caller; null
// when the shell gives no usable icon.
HICON ExtractIconAt(const std::string& path, int index);
// The same at `size` x `size` pixels, made from the file's own image nearest
// that size (a 48-pixel image for 48, not the 32-pixel one stretched).  At
// the large icon size, or when the system cannot read the file that way,
// ExtractIconAt's icon.
HICON ExtractIconAt(const std::string& path, int index, int size);

struct IndexedIcon {
  int index = 0;  // within its file
  vcl::IconHandle icon;
};

// Every icon of the file at the large icon size, in index order, as
// ExtractIconAt gives them one by one, but from one read of the file: the
// shell maps and parses a file once per call, and one call takes a whole
// range.  Icons the shell could not make are left out; nothing for a file
// without icons.  Safe on any thread.
std::vector<IndexedIcon> ExtractAllIcons(const std::string& path, int size = 0);

// The icons ExtractAllIcons would give, as the resource images they are made
// of, when every one is a plain image of `size` pixels (IsPlainIconImage):
// such images need no icon made of them at all.  Chosen among each group's
// images by the system, as the shell chooses.  Nothing when any is not
// plain, or the file is anything but a program or library whose icon
// resources are in order: ExtractAllIcons reads those.  Safe on any thread.
struct PlainIcons {
  PeIcons file;  // holds the images' bytes
  std::vector<std::pair<int, std::span<const std::uint8_t>>> images;  // index within the file, image
};
std::optional<PlainIcons> ReadPlainIcons(const std::string& path, int size = 0);

// The directory listing FindIconSources uses: FindFirstFileA/FindNextFileA.
void ListDirectoryWin32(const std::string& pattern, const std::function<void(const std::string& name)>& each);

}  // namespace vex::iconbrowser
