// What a picked file is, told from its name alone: the view describes a CON or INI file by its
// episodes and levels and an archive by its entries.
#pragma once

#include <string_view>

namespace files {

enum class FileCategory : int {
  kNone = 0,
  kGameCon = 1,   // ".CON" with "GAME" in the name
  kGroup = 2,     // ".GRP"
  kUserCon = 3,   // ".CON" with "USER" in the name
  kBloodIni = 4,  // ".INI" with "BLOOD" in the name
  kWad = 5,       // ".WAD"
  kZip = 6,       // ".ZIP"
  kPak = 7,       // ".PAK"
  kLevel = 8,     // ".LEV"
};

// Substring tests on the upper-cased name, first hit wins: USERGAME.CON is a game CON file.
// Give it the file name only; a directory such as "C:\GAMES\" would otherwise count.
FileCategory classify(std::string_view fileName);

}  // namespace files
