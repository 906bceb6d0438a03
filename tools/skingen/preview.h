#pragma once
// The preview sheet: every image of the skin at twice its size with its frames
// pulled apart and its margins ticked, and two sample windows composed from
// the images, so a person can judge the skin without running the program.
#include <string>
#include <vector>

#include "sedge_kit.h"

namespace sedge {

Raster RenderPreview(const std::vector<SkinImage>& images);

// Tiny 3 x 5 capitals for labels, drawn `scale` times larger.
void Label(Raster& r, int x, int y, const std::string& text, Rgba c, int scale = 2);
int LabelWidth(const std::string& text, int scale = 2);

}  // namespace sedge
