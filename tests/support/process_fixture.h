// A temporary prefix with drives C: and D: for the process service tests, files on them, PIF
// images and the launch log.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/host/dosbox_session.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_processes.h"
#include "platform/pif_fields.h"
#include "support/temp_dir.h"

namespace testsupport {

class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest() {
    std::filesystem::create_directories(dir / "d");
    std::filesystem::create_directories(dir / "home");
    fs = std::make_unique<platform::HostFileSystem>(dir / "prefix");
    std::filesystem::create_directory_symlink(dir / "d", dir / "prefix/dosdevices/d:");
    options.runtimeDir = dir / "run";
    options.launchLog = dir / "launch.log";
    options.outputFile = dir / "output.txt";
    options.timeout = std::chrono::seconds(60);
    options.environment = {{"HOME", dir / "home"},
                           {"SDL_VIDEODRIVER", "dummy"},
                           {"SDL_AUDIODRIVER", "dummy"},
                           {"OUT", dir.path()}};
  }
  ~ProcessTest() override { std::filesystem::current_path(cwd_); }

  // A host file under the temporary directory ("d/GAMES/TEST/X.COM" is D:\GAMES\TEST\X.COM).
  void put(const std::string& relative, const std::string& content, bool executable = false) {
    std::filesystem::path path = dir / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    if (executable) std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }
  std::string read(const std::string& relative) const {
    std::ifstream in(dir / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool exists(const std::string& relative) const { return std::filesystem::exists(dir / relative); }
  // A 967-byte PIF with the program, the working directory and the close-on-exit bit.
  void putPif(const std::string& relative, const std::string& program, const std::string& workDir,
              bool closeOnExit = true) {
    std::string bytes(platform::pif::kFileSize, '\0');
    bytes.replace(platform::pif::kProgram, program.size(), program);
    bytes.replace(platform::pif::kWorkDir, workDir.size(), workDir);
    bytes[platform::pif::kFlags] = closeOnExit ? 0x10 : 0;
    put(relative, bytes);
  }
  std::string logText() const { return read("launch.log"); }
  size_t filesIn(const std::string& relative) const {
    std::error_code ec;
    auto it = std::filesystem::directory_iterator(dir / relative, ec);
    return ec ? 0 : static_cast<size_t>(std::distance(it, {}));
  }
  // The host path of drive D:, as the session mounts it.
  std::string driveD() const { return std::filesystem::canonical(dir / "d").string(); }

  TempDir dir;
  std::unique_ptr<platform::HostFileSystem> fs;
  platform::HostProcessOptions options;

 private:
  std::filesystem::path cwd_ = std::filesystem::current_path();
};

}  // namespace testsupport
