// HKEY_CURRENT_USER as a Wine prefix keeps it: the text file user.reg. Every open and every
// write reads the file afresh, so keys never see stale content; a write changes the one value
// line (or adds it, and its section when needed), keeps every other byte of the file, and
// replaces the file through a temporary file and a rename.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform {

class WineRegistry : public Registry {
 public:
  explicit WineRegistry(std::string userRegPath);

  // `name` may hold several components separated by "\"; an empty name is the root itself.
  // Nothing when the file is missing, is not a registry file, or has no such key.
  std::unique_ptr<RegistryKey> openCurrentUserKey(const std::string& name) override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The text format of user.reg, apart from the file itself. Key and value names are the
// program's 8-bit (Windows-1252) texts; the file holds them escaped, non-ASCII as \x escapes.
// A key exists when a section names it or lies below it, since keys that only hold subkeys get
// no section of their own. Names compare without regard to case.
namespace wine_reg {

using KeyPath = std::vector<std::string>;

// The components of a key path written with "\" separators; empty components are dropped.
KeyPath splitPath(std::string_view path);

// Whether `text` starts with the registry file header.
bool isRegistryText(std::string_view text);

bool hasKey(std::string_view text, const KeyPath& key);

// Value data as it follows the "=" of a value line.
std::string stringData(std::string_view value);  // "text", escaped
std::string dwordData(uint32_t value);           // dword:00000003

// The data of a value as the file holds it, the text after "=" with blanks and a final "\r"
// dropped; a value carried over several lines is given with its line breaks. Nothing when the
// key or the value is missing.
std::optional<std::string> valueData(std::string_view text, const KeyPath& key,
                                     std::string_view name);
// The 8-bit text of string data, nothing for other data or characters beyond Windows-1252.
std::optional<std::string> parseStringData(std::string_view data);
std::optional<uint32_t> parseDwordData(std::string_view data);

// The file text with value `name` of `key` set to `data`: an existing value of that name is
// replaced in place, otherwise the line is added to the key's section, and a key without a
// section gets one stamped with `now` (seconds since 1970). Nothing when the key does not exist
// or the text is not a registry file.
std::optional<std::string> setValue(std::string_view text, const KeyPath& key,
                                    std::string_view name, std::string_view data, int64_t now);

}  // namespace wine_reg
}  // namespace platform
