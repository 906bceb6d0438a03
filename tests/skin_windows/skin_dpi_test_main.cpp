// The DPI tests run DPI-aware, as Vexilo does through its manifest: an
// unaware process would be told 96 dpi whatever the display.
#include <gtest/gtest.h>

#include "widgets/TApplication.h"
#include "win_test_support.h"

int main(int argc, char** argv) {
  vex::test::BecomeDpiAware();
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("SkinDpiTests");
  return RUN_ALL_TESTS();
}
