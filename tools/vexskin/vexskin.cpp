// vexskin: lists, unpacks, packs and checks skin packages.  See --help.
#include <iostream>
#include <string>
#include <vector>

#include "VexskinCommands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return vex::vexskin::Run(args, std::cout, std::cerr);
}
