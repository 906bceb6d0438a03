#pragma once
// Pictures composed from skin images drawn at 96 dpi, cut the way the skin
// engine cuts them (nine-slice pieces, three-part strips, keyed drawing), for
// the sample windows of the preview sheets.
#include <string>
#include <vector>

#include "art_kit.h"

namespace skinart {

// The image of that name; the first image when there is none.
const SkinImage& Find(const std::vector<SkinImage>& images, const std::string& name);

// Nearest-neighbour copy of src [sx0,sx1) x [sy0,sy1) onto dst [dx0,dx1) x [dy0,dy1).
void Stretch(Raster& dst, int dx0, int dy0, int dx1, int dy1, const Raster& src, int sx0, int sy0, int sx1, int sy1);
// Repeats src [sx0,sx1) x [sy0,sy1) over dst [dx0,dx1) x [dy0,dy1).
void TileInto(Raster& dst, int dx0, int dy0, int dx1, int dy1, const Raster& src, int sx0, int sy0, int sx1, int sy1);

// Frame k of an image at W x H, margins kept, centre stretched or tiled.
Raster Element(const SkinImage& img, int k, int w, int h, bool tile);
// Frame k as a horizontal strip W x H: the left and right margins as end
// caps, the columns between repeated, the full frame height scaled to H.
Raster Strip(const SkinImage& img, int k, int w, int h);

// Copies src onto dst at (x, y), leaving out key pixels when keyed.
void Put(Raster& dst, int x, int y, const Raster& src, bool keyed);
// Element (stretched centre) of frame k at (x, y), keyed unless told not to.
void PutFrame(Raster& dst, int x, int y, const SkinImage& img, int k, int w, int h, bool keyed = true);
// Turns what is left of the key into `background`, as a desktop behind a
// shaped window would show.
void Unkey(Raster& r, Rgba background);

// Tiny capitals (see Label) centred in the box.
void CentredLabel(Raster& dst, int x, int y, int w, int h, const std::string& text, Rgba c);

// Pieces of the preview's sample windows, the same in every skin.
// Four check boxes over four radio buttons from (x, y), one per state frame,
// each with its label.
void SampleChecks(Raster& win, const SkinImage& check, const SkinImage& radio, int x, int y, Rgba ink);
// A combo box w x h at (x, y): the field's rim, the drop-down button
// (buttonWidth wide, one pixel in from the right) and its arrow, an item.
void SampleCombo(Raster& win, const SkinImage& rim, const SkinImage& button, const SkinImage& arrow, int x, int y,
                 int w, int h, int buttonWidth, int arrowTop, Rgba ink);
// Three tabs (the second selected, the third hot) over their page rim, whose
// inside is filled with `face`; the page is w x pageHeight from (x, y + 20).
void SampleTabs(Raster& win, const SkinImage& tabs, const SkinImage& border, int x, int y, int w, int pageHeight,
                Rgba face, Rgba ink, Rgba selectedInk);

}  // namespace skinart
