// Any bytes as a Wine prefix's user.reg: the parser never leaves the text, a write that succeeds
// reads back as written and leaves the key in place, and the file-backed registry opens and
// writes without harm whatever the file holds.
//
// Input: one byte of switches, then the file.
//   bit 0     the file gets Wine's header line in front, so the parser proper sees most inputs
//   bits 1-2  which key the edit goes to
//   bit 3     the value written: a number, else a text
// One input in sixteen, picked by a checksum of the whole input so that every mutation draws
// again, goes through a file as well: each write of the file-backed registry is a synced file
// replacement. Seeds (fuzz/corpus/wine_registry/): user.reg files as Wine writes them.
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "input_parts.h"
#include "platform/host/wine_registry.h"

namespace {

namespace reg = platform::wine_reg;

// A private directory for the file-backed pass, removed when the run ends; in memory where the
// machine offers it, as every write is synced.
struct ScratchDir {
  std::string dir;
  ScratchDir() {
    for (std::string pattern : {"/dev/shm/qf95-fuzz-reg-XXXXXX", "/tmp/qf95-fuzz-reg-XXXXXX"}) {
      if (const char* made = ::mkdtemp(pattern.data())) {
        dir = made;
        return;
      }
    }
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
  if (size == 0) return 0;
  const uint8_t switches = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string file = (switches & 1) ? "WINE REGISTRY Version 2\n" + text : text;

  static const std::array<reg::KeyPath, 4> kKeys = {reg::KeyPath{"Software", "Maker", "Game"},
                                                    reg::KeyPath{"Software"}, reg::KeyPath{},
                                                    reg::KeyPath{"A]\"[", "\xE9\x80"}};
  const reg::KeyPath& key = kKeys[(switches >> 1) & 3];
  const std::string name = text.substr(0, std::min<size_t>(text.size(), 12));
  const bool exists = reg::hasKey(file, key);
  const std::string value = (switches & 8) ? reg::dwordData(uint32_t(size)) : reg::stringData(name);
  auto out = reg::setValue(file, key, name, value, 1700000000);
  if (out.has_value() != exists) __builtin_trap();
  // Reading the value back also finds the key it is in.
  if (out && reg::valueData(*out, key, name) != value) __builtin_trap();
  if (auto s = reg::valueData(file, key, "Player")) (void)reg::parseStringData(*s);
  if (auto d = reg::valueData(file, key, "Detail")) (void)reg::parseDwordData(*d);

  static ScratchDir scratch;
  if (scratch.dir.empty() || fuzzinput::checksum(data, size) % 16 != 0) return 0;
  std::ofstream(scratch.file(), std::ios::binary | std::ios::trunc) << file;
  platform::WineRegistry registry(scratch.file());
  if (auto software = registry.openCurrentUserKey("Software")) {
    if (auto game = software->openSubKey("Maker\\Game")) game->setDword("Detail", 3);
    software->setString("", name);
  }
  return 0;
}
