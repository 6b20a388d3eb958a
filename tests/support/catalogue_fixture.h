// A fake machine for catalogue tests: drives C: and D:, the program in C:\QF95\ with the
// built factory definitions, a scripted prompter and a recording launch link.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"
#include "support/bare_definition.h"

namespace testsupport {

inline std::vector<uint8_t> builtFactoryDefinitions() {
  std::ifstream in(QF95_SIG_PATH, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline size_t fileSize(platform::FileSystem& fs, const std::string& path) {
  auto bytes = fs.readWhole(path);
  return bytes ? bytes->size() : 0;
}

class CatalogueTest : public ::testing::Test {
 protected:
  static constexpr const char* kStartup = "C:\\QF95\\";

  CatalogueTest() {
    fs.addDrive('D');
    fs.putFile(std::string(kStartup) + catalogue::kDefaultRecordsFile, builtFactoryDefinitions());
    fs.setCurrentDirectory(kStartup);
  }

  catalogue::Catalogue& makeCatalogue() {
    cat = std::make_unique<catalogue::Catalogue>(fs, prompter, kStartup, launch);
    return *cat;
  }

  std::string startupFile(const std::string& name) const { return std::string(kStartup) + name; }

  void useBareDefinition() { testsupport::useBareDefinition(*cat, fs); }

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  catalogue::BasicLaunchLink launch;
  std::unique_ptr<catalogue::Catalogue> cat;
};

}  // namespace testsupport
