// The control skinner tests share one application object and the built-in
// skin, as a program does.
#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "widgets/TApplication.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("SkinControlTests");
  vex::skin::test::Skin();
  return RUN_ALL_TESTS();
}
