#include "VexskinCommands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include "skin/data/SkinCheck.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TLZH.h"
#include "skin/data/TSkinReader.h"

namespace vex::vexskin {
namespace {

namespace fs = std::filesystem;
using skin::TSkinReader;

constexpr const char* kUsage =
    "usage: vexskin list PKG\n"
    "       vexskin unpack PKG DIR\n"
    "       vexskin pack DIR PKG [--order LIST]\n"
    "       vexskin check PKG\n"
    "       vexskin --help\n";

constexpr const char* kHelp =
    "vexskin: tool for Vexilo skin packages (.skn).\n"
    "\n"
    "  list PKG                   show the format version, sizes and members\n"
    "  unpack PKG DIR             write every member as a file in DIR (created if\n"
    "                             missing); names are lower case, as the program\n"
    "                             sees them\n"
    "  pack DIR PKG [--order LIST]\n"
    "                             pack every file of DIR (not its subfolders) into\n"
    "                             PKG; LIST is a text file naming members one per\n"
    "                             line, packed first in that order; the other files\n"
    "                             follow in name order\n"
    "  check PKG                  load PKG as Vexilo does and report every problem:\n"
    "                             missing description, images named but absent or\n"
    "                             not 24-bit BMPs, widths not divisible by frame\n"
    "                             counts, frames smaller than their margins\n"
    "\n"
    "Exit status: 0 success, 1 bad input (one line on stderr; check prints one\n"
    "line per problem), 2 wrong usage.\n";

// A problem with the files named on the command line.
struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw BadInput("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) throw BadInput("cannot read " + path.string());
  return bytes;
}

void WriteFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) throw BadInput("cannot create " + path.string());
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) throw BadInput("cannot write " + path.string());
}

// Loads a package or explains in one line why it cannot be used.
TSkinReader LoadOrThrow(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  TSkinReader reader;
  try {
    reader.LoadPackage(bytes);
  } catch (const skin::ElzhException& e) {
    throw BadInput(path + ": " + e.what());
  }
  switch (reader.Status()) {
    case skin::PackageStatus::kOk:
      return reader;
    case skin::PackageStatus::kWrongVersion:
      throw BadInput(path + ": format version " + std::to_string(reader.Header().version) + ", expected " +
                     std::to_string(skin::kPackageVersion));
    default:
      throw BadInput(path + ": " + reader.Problem());
  }
}

int List(const std::string& pkg, std::ostream& out) {
  const TSkinReader reader = LoadOrThrow(pkg);
  const auto sizes = reader.Sizes();
  out << "version " << reader.Header().version << "\n";
  out << "archive " << reader.ArchiveSize() << " bytes, package " << fs::file_size(pkg) << " bytes\n";
  out << "name list " << reader.Header().nameListLength << " bytes, " << reader.Names().size() << " members\n";
  for (std::size_t i = 0; i < reader.Names().size(); ++i) out << sizes[i] << "\t" << reader.Names()[i] << "\n";
  return kExitOk;
}

int Unpack(const std::string& pkg, const std::string& dir, std::ostream& out) {
  const TSkinReader reader = LoadOrThrow(pkg);
  // Every name is checked before the first file is written.
  std::set<std::string> seen;
  for (const std::string& name : reader.Names()) {
    if (!IsPlainFileName(name)) throw BadInput("member name \"" + name + "\" is not a plain file name");
    if (!seen.insert(name).second) throw BadInput("member name \"" + name + "\" occurs twice");
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir)) throw BadInput("cannot create folder " + dir);
  for (std::size_t i = 0; i < reader.Names().size(); ++i) WriteFile(fs::path(dir) / reader.Names()[i], reader.Member(i));
  out << "unpacked " << reader.Names().size() << " members into " << dir << "\n";
  return kExitOk;
}

std::vector<std::string> ReadOrderList(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  std::vector<std::string> names;
  std::string line;
  auto flush = [&] {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    const std::size_t start = line.find_first_not_of(" \t");
    if (start != std::string::npos && line[start] != '#') names.push_back(line.substr(start));
    line.clear();
  };
  for (const std::uint8_t b : bytes) {
    if (b == '\r' || b == '\n') {
      flush();
    } else {
      line.push_back(static_cast<char>(b));
    }
  }
  flush();
  return names;
}

int Pack(const std::string& dir, const std::string& pkg, const std::string& orderList, std::ostream& out) {
  if (!fs::is_directory(dir)) throw BadInput(dir + " is not a folder");
  std::vector<std::string> files;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) files.push_back(e.path().filename().string());
  }
  std::sort(files.begin(), files.end());

  std::vector<std::string> order;
  if (!orderList.empty()) {
    for (const std::string& name : ReadOrderList(orderList)) {
      if (std::find(order.begin(), order.end(), name) != order.end())
        throw BadInput(orderList + ": " + name + " is listed twice");
      if (!std::binary_search(files.begin(), files.end(), name))
        throw BadInput(orderList + ": " + name + " is not a file in " + dir);
      order.push_back(name);
    }
  }
  for (const std::string& name : files) {
    if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
  }

  std::vector<skin::PackageMember> members;
  std::set<std::string> lowered;
  for (const std::string& name : order) {
    if (!lowered.insert(skin::LowerAscii(name)).second)
      throw BadInput(name + ": another file has the same name in other letter case");
    members.push_back({name, ReadFile(fs::path(dir) / name)});
  }
  std::vector<std::uint8_t> package;
  try {
    package = skin::WritePackage(members);
  } catch (const std::invalid_argument& e) {
    throw BadInput(e.what());
  }
  WriteFile(pkg, package);
  out << "packed " << members.size() << " members into " << pkg << " (" << package.size() << " bytes)\n";
  return kExitOk;
}

int Check(const std::string& pkg, std::ostream& out, std::ostream& err) {
  const TSkinReader reader = LoadOrThrow(pkg);
  const std::vector<std::string> problems = skin::CheckSkin(reader);
  for (const std::string& p : problems) err << "vexskin: " << pkg << ": " << p << "\n";
  if (!problems.empty()) return kExitBadInput;
  out << pkg << ": ok\n";
  return kExitOk;
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return false;
    if (std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos) return false;
  }
  // Windows drops trailing dots and blanks, so such a name lands elsewhere.
  if (name.back() == '.' || name.back() == ' ') return false;
  // Device names stay reserved with any extension ("nul.bmp" is the device).
  std::string stem = skin::LowerAscii(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static const char* const kDevices[] = {"con", "prn", "aux", "nul"};
  for (const char* d : kDevices) {
    if (stem == d) return false;
  }
  if (stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '0' && stem[3] <= '9')
    return false;
  return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kHelp << "\n" << kUsage;
    return kExitOk;
  }
  const std::string cmd = args.empty() ? "" : args[0];
  const std::size_t n = args.size();
  try {
    if (cmd == "list" && n == 2) return List(args[1], out);
    if (cmd == "unpack" && n == 3) return Unpack(args[1], args[2], out);
    if (cmd == "pack" && n == 3) return Pack(args[1], args[2], "", out);
    if (cmd == "pack" && n == 5 && args[3] == "--order") return Pack(args[1], args[2], args[4], out);
    if (cmd == "check" && n == 2) return Check(args[1], out, err);
  } catch (const BadInput& e) {
    err << "vexskin: " << e.what() << "\n";
    return kExitBadInput;
  } catch (const fs::filesystem_error& e) {
    err << "vexskin: " << e.what() << "\n";
    return kExitBadInput;
  } catch (const std::bad_alloc&) {
    err << "vexskin: out of memory\n";
    return kExitBadInput;
  }
  err << kUsage;
  return kExitUsage;
}

}  // namespace vex::vexskin
