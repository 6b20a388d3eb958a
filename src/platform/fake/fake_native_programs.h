// Native programs of a pretend machine: the programs and data files a test says are there.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/native_programs.h"

namespace platform {

class FakeNativePrograms : public NativePrograms {
 public:
  void addProgram(const std::string& name, const std::string& path) { programs_[name] = path; }
  void addDataFile(const std::string& path) { files_.push_back(path); }

  std::optional<std::string> findProgram(const std::string& name) const override {
    auto at = programs_.find(name);
    if (at == programs_.end()) return std::nullopt;
    return at->second;
  }
  std::vector<std::string> dataFiles() const override { return files_; }

 private:
  std::map<std::string, std::string> programs_;
  std::vector<std::string> files_;
};

}  // namespace platform
