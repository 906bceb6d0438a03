#pragma once
// Pictures that depend on nothing but a skin, their key and their size (a
// push button's face of one state, a check box's glyph), shared by every
// skinner drawing with that skin: the buttons of one size on a form build
// their picture once between them instead of once each.  A skinner copies
// the shared picture into its own cache (TPictureCache), so repaints never
// come here.  A skin's pictures go when the skin changes (its images may be
// new bitmaps with old handle values), when it is freed, and when the last
// skinner that used them lets go, so nothing outlives the windows.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace vcl {
class TComponent;
}

namespace vex::skin {

// Copies the picture `key`, width x height, of `skin` to `dc` at (x, y),
// painting it with `paint` first when `skin` has none yet; `user` (a
// skinner) keeps the skin's pictures alive until ReleaseSharedPictures.
void DrawSharedPicture(const void* user, vcl::TComponent* skin, std::uint64_t key, int width, int height, HDC dc,
                       int x, int y, const std::function<void(HDC)>& paint);
// The skin's images changed: its pictures are painted anew when next asked.
void ForgetSharedPictures(vcl::TComponent* skin);
// `user` draws no more: skins no other skinner uses drop their pictures.
void ReleaseSharedPictures(const void* user);
// How many pictures `skin` holds (tests).
std::size_t SharedPictureCount(vcl::TComponent* skin);

}  // namespace vex::skin
