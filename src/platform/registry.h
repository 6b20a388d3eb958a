// The registry as the games see it: keys below HKEY_CURRENT_USER with named values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // Opens an existing subkey (one component); nothing when it does not exist.
  virtual std::unique_ptr<RegistryKey> openSubKey(const std::string& name) = 0;
  // An empty name is the key's default value.
  virtual bool setString(const std::string& name, const std::string& value) = 0;
  virtual bool setDword(const std::string& name, uint32_t value) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens a key directly below HKEY_CURRENT_USER; nothing when it does not exist.
  virtual std::unique_ptr<RegistryKey> openCurrentUserKey(const std::string& name) = 0;
};

}  // namespace platform
