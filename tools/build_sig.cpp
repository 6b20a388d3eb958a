// qf95-build-sig <definitions-dir> <output-file>
//
// Builds the factory game definitions file from the readable definitions in a directory (one
// *.txt file per built-in slot, see definition_file.h). Problems are reported as
// "file:line: message"; the output is then left untouched and the exit status is 1. The file
// is written under a temporary name and renamed into place, so a reader never sees half of it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "tools/definition_file.h"

namespace {

bool writeWhole(const std::filesystem::path& target, const std::vector<uint8_t>& image) {
  namespace fs = std::filesystem;
  fs::path temp = target;
  temp += ".partial";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    out.close();
    if (!out) {
      std::cerr << temp.string() << ": cannot write the file\n";
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::cerr << target.string() << ": cannot replace the file: " << ec.message() << "\n";
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qf95-build-sig <definitions-dir> <output-file>\n";
    return 2;
  }
  definitions::Build build = definitions::buildFromDirectory(argv[1]);
  for (const definitions::Diagnostic& d : build.errors) std::cerr << definitions::format(d) << "\n";
  if (!build.errors.empty()) return 1;
  return writeWhole(argv[2], build.image) ? 0 : 1;
}
