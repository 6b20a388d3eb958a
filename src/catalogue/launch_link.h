// What the catalogue hands to and takes from the launch object: the stamp of a new game data
// record, the error codes of the configuration pass, and the working copies of the current
// game's configuration file names and directories.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace catalogue {

// The launch error of a file that could not be opened or made (the game data file, a
// configuration file).
inline constexpr int kErrorFileOpen = 15;

inline constexpr size_t kConfigFiles = 5;

struct ConfigWorkingCopies {
  std::array<std::string, kConfigFiles> names;  // 8.3 names, at most 13 characters
  std::array<std::string, kConfigFiles> dirs;   // directories, at most 127 characters
};

class LaunchLink {
 public:
  virtual ~LaunchLink() = default;
  // The launch object of `slot` is made (before its game data record is loaded).
  virtual void prepareForSlot(int slot) = 0;
  // The value stored in a newly created game data record.
  virtual int32_t createdStamp() = 0;
  // An error code of the configuration pass (15: a file could not be opened or created).
  virtual void recordError(int code) = 0;
  virtual ConfigWorkingCopies& workingCopies() = 0;
};

// The launch state as far as the catalogue needs it; the launch engine builds on it.
class BasicLaunchLink : public LaunchLink {
 public:
  void prepareForSlot(int slot) override { slot_ = slot; }
  int32_t createdStamp() override { return stamp_; }
  void recordError(int code) override { lastError_ = code; }
  ConfigWorkingCopies& workingCopies() override { return copies_; }

  void setCreatedStamp(int32_t stamp) { stamp_ = stamp; }
  int slot() const { return slot_; }
  int lastError() const { return lastError_; }

 private:
  int slot_ = -1;
  int32_t stamp_ = 0;
  int lastError_ = 0;
  ConfigWorkingCopies copies_;
};

}  // namespace catalogue
