#pragma once
// Skin objects: one skin image cut into equal state frames, with the margins,
// flags and text colours its description section gives.  TSkinData owns
// them; the skinned windows and controls only read them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "widgets/Colors.h"
#include "widgets/TBitmap.h"

namespace vex::skin {

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject() = default;

  // The four margins as the bitmap helpers take them.
  RECT Margins() const { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }

  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  vcl::TBitmap Image;
  std::int32_t Trans = 0;
  // Non-zero: the inner part is tiled.  The four frame borders keep their
  // "Stretch" key here instead, where 1 means stretch.
  std::int32_t Tile = 0;
  std::string Name;
  std::int32_t FrameCount = 0;
  std::int32_t NormalColour = -1;
  std::int32_t MouseOverColour = -1;
  std::int32_t PressedColour = -1;
  vcl::TColor NormalColour2 = 0;
  vcl::TColor MouseOverColour2 = 0;
  vcl::TColor PressedColour2 = 0;
};

// The four frame borders, and Tabs (whose Border key fills BorderImage).
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  vcl::TBitmap BorderImage;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  vcl::TBitmap CheckImage;
  vcl::TBitmap RadioImage;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
};

// The caption text's background.  LeftWidth, TopHeight and RightWidth hold
// TextShift, TextShiftVert and TextRightClip; Image is the TextBack image.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 14;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  vcl::TColor ActiveText = vcl::clNone;
  vcl::TColor InActiveText = vcl::clNone;
};

// A caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = -1;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

}  // namespace vex::skin
