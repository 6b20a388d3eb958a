// An in-memory HKEY_CURRENT_USER for tests: keys are made by the test, values are written by
// the code under test and inspected afterwards. Names compare without regard to case.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace platform {

class FakeRegistry : public Registry {
 public:
  enum class Type { kString, kDword };
  struct Value {
    Type type = Type::kString;
    std::string text;    // kString
    uint32_t dword = 0;  // kDword
  };

  FakeRegistry();
  ~FakeRegistry() override;

  // Creates the key and every key above it; "\" separates the components.
  void addKey(const std::string& path);
  bool hasKey(const std::string& path) const;
  // A value of a key; an empty name is the default value. Nothing when either is missing.
  std::optional<Value> value(const std::string& key, const std::string& name) const;
  // Number of values in the whole registry.
  size_t valueCount() const;
  // Every write fails from now on (or again succeeds).
  void failWrites(bool fail);
  // Number of calls that opened a key, successful or not.
  size_t openCalls() const;

  // `name` may hold several components; an empty name opens the root itself, as
  // RegOpenKeyExA does.
  std::unique_ptr<RegistryKey> openCurrentUserKey(const std::string& name) override;

  struct State;  // shared with the open keys, so a key may outlive the registry

 private:
  std::shared_ptr<State> state_;
};

}  // namespace platform
