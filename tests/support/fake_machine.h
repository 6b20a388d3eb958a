// A pretend machine for the composition root: the in-memory file system with drives C: and D:
// and the program in C:\QF95\ with the built factory definitions, recorded processes, an
// in-memory registry, a clock that moves only when told and a network layer that starts.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_native_programs.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_registry.h"
#include "system/system_services.h"

namespace testsupport {

inline std::vector<uint8_t> builtFactoryDefinitions() {
  std::ifstream in(QF95_SIG_PATH, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct FakeMachine : qf95::SystemServices {
  static constexpr const char* kStartup = "C:\\QF95\\";

  FakeMachine() {
    fs.addDrive('D');
    fs.putFile(std::string(kStartup) + catalogue::kDefaultRecordsFile, builtFactoryDefinitions());
    fs.setCurrentDirectory(kStartup);
  }

  platform::FileSystem& fileSystem() override { return fs; }
  platform::Processes& processes() override { return fakeProcesses; }
  platform::Registry& registry() override { return fakeRegistry; }
  platform::Clock& clock() override { return fakeClock; }
  platform::Network& network() override { return fakeNetwork; }
  const platform::NativePrograms* nativePrograms() override { return &fakeNativePrograms; }

  platform::FakeFileSystem fs;
  platform::FakeProcesses fakeProcesses;
  platform::FakeRegistry fakeRegistry;
  platform::FakeClock fakeClock;
  platform::FakeNetwork fakeNetwork;
  platform::FakeNativePrograms fakeNativePrograms;
};

}  // namespace testsupport
