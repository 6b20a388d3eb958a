// Any bytes as an add-on's USER and main CON files through the step before a 1.4/1.5 launch:
// no read outside a buffer, the player's USER file is never changed, and a conversion that
// failed leaves no USER twin behind.
//
// Input: one byte of switches (which file is picked, whether the add-on lies in "maps\"), then
// the main file and the USER file, separated by the first "\x01\x02" (all main file without it).
// Seeds (fuzz/corpus/con_conversion/): a 1.3 add-on, a 1.5 one, one whose main file includes
// only a definitions file, and one without line ends.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "content/con_conversion.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/scripted_prompter.h"

namespace {

constexpr const char* kGameDir = "D:\\GAMES\\DUKE3D\\";
constexpr const char* kAddOn = "C:\\ADDON\\";
constexpr std::string_view kSeparator = "\x01\x02";
constexpr const char* kPicks[] = {"GAME.CON", "USER.CON", "CITY.MAP", "", "ADDON.CON", "GAME.V15"};

std::string text(platform::FakeFileSystem& fs, const std::string& path) {
  auto bytes = fs.readWhole(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t switches = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t cut = rest.find(kSeparator);
  const std::string main(rest.substr(0, cut));
  const std::string user(cut == std::string_view::npos ? std::string_view()
                                                       : rest.substr(cut + kSeparator.size()));

  platform::FakeFileSystem fs;
  platform::ScriptedPrompter prompter;
  fs.addDrive('D');
  fs.makeDirectories(kGameDir);
  fs.makeDirectories(std::string(kAddOn) + "MAPS\\");
  fs.putFile(std::string(kGameDir) + "GAME.CON", "include USER.CON\r\n");
  if (switches & 0x10) fs.putFile(std::string(kGameDir) + "VER13.CON", "include USER.CON\r\n");
  const std::string mainName = (switches & 0x20) ? "ADDON.CON" : "GAME.CON";
  if (!(switches & 0x40)) fs.putFile(std::string(kAddOn) + mainName, main);
  fs.putFile(std::string(kAddOn) + "USER.CON", user);
  if (switches & 0x80) fs.putFile(std::string(kAddOn) + "DEFS.CON", "define X 1\r\n");

  content::ConTools tools{fs, prompter, kGameDir, 2};
  content::ConLaunchContext context;
  context.conDirectory = std::string(kAddOn) + ((switches & 0x08) ? "MAPS\\" : "");
  context.selectedCon = context.launchFile = kPicks[(switches & 0x07) % 6];
  context.makeV15 = switches & 0x01;
  const bool ok = content::prepareConLaunch(tools, context);

  if (text(fs, std::string(kAddOn) + "USER.CON") != user) __builtin_trap();
  if (!ok && fs.exists(std::string(kAddOn) + "USER.V15")) __builtin_trap();
  return 0;
}
