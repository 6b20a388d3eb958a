// Any bytes as a Wine prefix's user.reg: the parser never leaves the text, a write that succeeds
// reads back as written and leaves the key in place, and the file-backed registry opens and
// writes without harm whatever the file holds.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/host/wine_registry.h"

namespace {

namespace reg = platform::wine_reg;

// A private directory for the file-backed pass, removed when the run ends.
struct ScratchDir {
  std::string dir;
  ScratchDir() {
    char pattern[] = "/tmp/qf95-fuzz-reg-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    dir = made ? made : "";
  }
  ~ScratchDir() {
    if (dir.empty()) return;
    ::unlink(file().c_str());
    ::rmdir(dir.c_str());
  }
  std::string file() const { return dir + "/user.reg"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  // Half the inputs get the header, so the parser proper sees most of them.
  const std::string file =
      (size > 0 && (data[0] & 1) != 0) ? "WINE REGISTRY Version 2\n" + text : text;

  const std::vector<reg::KeyPath> keys = {
      {"Software", "Maker", "Game"}, {"Software"}, {}, {"A]\"[", "\xE9\x80"}};
  const std::string name = text.substr(0, std::min<size_t>(size, 12));
  for (const reg::KeyPath& key : keys) {
    bool exists = reg::hasKey(file, key);
    for (const std::string& value : {reg::dwordData(uint32_t(size)), reg::stringData(name)}) {
      auto out = reg::setValue(file, key, name, value, 1700000000);
      if (out.has_value() != exists) __builtin_trap();
      if (!out) continue;
      if (!reg::hasKey(*out, key) || reg::valueData(*out, key, name) != value) __builtin_trap();
    }
    (void)reg::valueData(file, key, "");
  }
  if (auto s = reg::valueData(file, keys[0], "Player")) (void)reg::parseStringData(*s);
  if (auto d = reg::valueData(file, keys[0], "Detail")) (void)reg::parseDwordData(*d);

  // The same through the file for one input in sixteen: each write waits for the disk.
  static ScratchDir scratch;
  if (scratch.dir.empty() || size == 0 || (data[0] & 0x1E) != 0x1E) return 0;
  std::ofstream(scratch.file(), std::ios::binary | std::ios::trunc) << file;
  platform::WineRegistry registry(scratch.file());
  if (auto software = registry.openCurrentUserKey("Software")) {
    if (auto game = software->openSubKey("Maker\\Game")) game->setDword("Detail", 3);
    software->setString("", name);
  }
  return 0;
}
