// A program started through the composition root on a pretend machine (FakeMachine), with a
// scripted prompter; makeCatalogue() starts it again as the next start of the program would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/fake/scripted_prompter.h"
#include "support/bare_definition.h"
#include "support/fake_machine.h"
#include "system/quillfen_system.h"

namespace testsupport {

inline size_t fileSize(platform::FileSystem& fs, const std::string& path) {
  auto bytes = fs.readWhole(path);
  return bytes ? bytes->size() : 0;
}

class CatalogueTest : public ::testing::Test {
 protected:
  static constexpr const char* kStartup = FakeMachine::kStartup;

  // The program started (again) on the machine as it is now; its catalogue, not yet loaded.
  catalogue::Catalogue& makeCatalogue() {
    program.reset();
    program = std::make_unique<qf95::QuillfenSystem>(machine, prompter, kStartup);
    cat = &program->catalogue();
    return *cat;
  }
  catalogue::BasicLaunchLink& launchLink() { return program->launchLink(); }

  std::string startupFile(const std::string& name) const { return std::string(kStartup) + name; }

  void useBareDefinition() { testsupport::useBareDefinition(*cat, fs); }

  FakeMachine machine;
  platform::FakeFileSystem& fs = machine.fs;
  platform::ScriptedPrompter prompter;
  std::unique_ptr<qf95::QuillfenSystem> program;
  catalogue::Catalogue* cat = nullptr;
};

}  // namespace testsupport
