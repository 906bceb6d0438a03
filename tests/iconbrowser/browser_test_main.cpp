// The browser tests share one application object, as the program does.
#include <gtest/gtest.h>

#include "widgets/TApplication.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("Vexilo");
  return RUN_ALL_TESTS();
}
