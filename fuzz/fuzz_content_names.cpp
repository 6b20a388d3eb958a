// Any bytes as every kind of content file the file manager describes: a USER CON text, a group
// file, a Blood episode INI, a WAD, a ZIP, a PAK and a LEV list, and as the USER file a GAME CON
// file includes (through the file system). The readers never read outside the bytes, keep to
// their 100 volumes and 8 x 32 levels, and give names only from the bytes.
//
// Input: the file. Its first byte, when odd, reads it as Hexen's WAD.
// Seeds (fuzz/corpus/content_names/): a USER CON, a group file with a CON member, a WAD with map
// markers, a ZIP with maps, a PAK with maps and a bot map, a Blood INI.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "content/content_names.h"
#include "platform/fake/fake_file_system.h"

namespace {

using content::ContentKind;
using content::ContentNames;

void check(const std::optional<ContentNames>& names) {
  if (!names) return;
  if (names->volumeCount() > ContentNames::kMaxVolumes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  content::ContentOptions options;
  options.hexen = size > 0 && (data[0] & 1) != 0;
  for (ContentKind kind :
       {ContentKind::kUserCon, ContentKind::kGroup, ContentKind::kBloodIni, ContentKind::kWad,
        ContentKind::kZip, ContentKind::kPak, ContentKind::kLevelList})
    check(content::contentNamesOf(bytes, kind, options));

  platform::FakeFileSystem fs;
  fs.putFile("C:\\ADDON\\GAME.CON", "include defs.con\r\ninclude user.con\r\n");
  fs.putFile("C:\\ADDON\\USER.CON", bytes);
  check(content::readContentNames(fs, "C:\\ADDON\\GAME.CON", ContentKind::kGameCon, options));
  fs.putFile("C:\\ADDON\\ANY.GRP", bytes);
  check(content::readContentNames(fs, "C:\\ADDON\\ANY.GRP", ContentKind::kGroup, options));
  return 0;
}
