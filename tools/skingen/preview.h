#pragma once
// The preview sheet: every image of the skin at twice its size with its frames
// pulled apart and its margins ticked, and two sample windows composed from
// the images, so a person can judge the skin without running the program.
#include <string>
#include <vector>

#include "art_kit.h"

namespace skinart {

// The sheet of `images` with the skin's sample windows (`samples`) on top.
Raster RenderPreview(const std::vector<SkinImage>& images, const Raster& samples);

// Tiny 3 x 5 capitals for labels, drawn `scale` times larger.
void Label(Raster& r, int x, int y, const std::string& text, Rgba c, int scale = 2);
int LabelWidth(const std::string& text, int scale = 2);

}  // namespace skinart
