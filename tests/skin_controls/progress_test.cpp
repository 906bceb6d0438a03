// TSkinProgress: the background frame across the bar, the bar frame as far
// as Position goes of Max.
#include <set>

#include "controls_fixture.h"
#include "skin/controls/TSkinProgress.h"

namespace vex::skin::test {
namespace {

TEST(SkinProgress, BarWidthByPositionOfMax) {
  struct Case {
    const char* name;
    int width, min, max, position;
    int bar;
  };
  const Case cases[] = {
      {"33 of 100 in 100 pixels", 100, 0, 100, 33, 33},
      {"full", 100, 0, 100, 100, 100},
      {"empty", 100, 0, 100, 0, 0},
      {"25 of 50 in 120 pixels", 120, 0, 50, 25, 60},
      {"the minimum plays no part", 100, 20, 100, 60, 60},
  };
  TDataSkinObject& progress = *Skin().Progress;
  std::set<std::uint32_t> barColours;
  for (int y = 0; y < progress.Image.Height(); ++y)
    for (int x = 0; x < progress.Image.Width() / 2; ++x) barColours.insert(ImagePixel(progress.Image, 2, 2, x, y));
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* bar = f.Add<vcl::TProgressBar>(10, 10, c.width, 16);
    bar->SetRange(c.min, c.max);
    bar->SetPosition(c.position);
    auto* skinner = f.Attach<TSkinProgress>(bar);
    EXPECT_EQ(SendMessageA(bar->Handle(), WM_ERASEBKGND, 0, 0), 1);
    const Pixels p = DrawOffscreen(*skinner);
    int columns = 0;
    for (int x = 0; x < p.width; ++x) columns += barColours.count(p.At(x, 8)) != 0;
    EXPECT_EQ(columns, c.bar) << c.name;
  }
}

TEST(SkinProgress, WithoutTheImageNothingIsPainted) {
  SkinnedForm f;
  auto* bar = f.Add<vcl::TProgressBar>(10, 10, 100, 16);
  auto* skinner = f.Attach<TSkinProgress>(bar);
  std::unique_ptr<TDataSkinObject> saved = std::move(Skin().Progress);
  const Pixels p = DrawOffscreen(*skinner, 0x123456);
  Skin().Progress = std::move(saved);
  EXPECT_EQ(CountColour(p, 0x123456), p.width * p.height);
}

}  // namespace
}  // namespace vex::skin::test
