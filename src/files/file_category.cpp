#include "files/file_category.h"

#include <string>

#include "platform/dos_path.h"

namespace files {

FileCategory classify(std::string_view fileName) {
  const std::string name = platform::dos::toUpper(fileName);
  auto has = [&name](std::string_view part) { return name.find(part) != std::string::npos; };
  if (has(".CON") && has("GAME")) return FileCategory::kGameCon;
  if (has(".GRP")) return FileCategory::kGroup;
  if (has(".CON") && has("USER")) return FileCategory::kUserCon;
  if (has(".INI") && has("BLOOD")) return FileCategory::kBloodIni;
  if (has(".WAD")) return FileCategory::kWad;
  if (has(".ZIP")) return FileCategory::kZip;
  if (has(".PAK")) return FileCategory::kPak;
  if (has(".LEV")) return FileCategory::kLevel;
  return FileCategory::kNone;
}

}  // namespace files
