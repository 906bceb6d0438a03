// The skinned-window tests share one application object, as a program does.
#include <gtest/gtest.h>

#include "widgets/TApplication.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("SkinWindowTests");
  return RUN_ALL_TESTS();
}
