// The native ports of DOS games this program knows, and the game data they play: which
// built-in definition each pair starts from and the name it is defined under.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace catalogue {

struct NativePort {
  const char* program;  // the program's name on the program path
  const char* package;  // the Debian package that provides it
};

struct NativeGameData {
  const char* dataFile;  // the main data file (IWAD), any letter case
  const char* name;      // the game's name in the catalogue
  int builtInSlot;       // the built-in definition it starts from
  const char* program;   // the port that plays it
};

inline constexpr std::array<NativePort, 4> kNativePorts{{
    {"chocolate-doom", "chocolate-doom"},
    {"chocolate-heretic", "chocolate-doom"},
    {"chocolate-hexen", "chocolate-doom"},
    {"chocolate-strife", "chocolate-doom"},
}};

inline constexpr std::array<NativeGameData, 13> kNativeGameData{{
    {"freedoom2.wad", "Freedoom: Phase 2", 7, "chocolate-doom"},
    {"freedoom1.wad", "Freedoom: Phase 1", 8, "chocolate-doom"},
    {"freedm.wad", "FreeDM", 7, "chocolate-doom"},
    {"doom2.wad", "Doom II", 7, "chocolate-doom"},
    {"plutonia.wad", "Plutonia Experiment", 7, "chocolate-doom"},
    {"tnt.wad", "TNT: Evilution", 7, "chocolate-doom"},
    {"doom.wad", "Doom I", 8, "chocolate-doom"},
    {"doom1.wad", "Doom I Shareware", 8, "chocolate-doom"},
    {"heretic.wad", "Heretic", 9, "chocolate-heretic"},
    {"heretic1.wad", "Heretic Shareware", 9, "chocolate-heretic"},
    {"hexen.wad", "Hexen", 10, "chocolate-hexen"},
    {"strife1.wad", "Strife", 11, "chocolate-strife"},
    {"strife0.wad", "Strife Demo", 11, "chocolate-strife"},
}};

// The game data a file of that name is, by its name in any letter case.
const NativeGameData* nativeGameDataNamed(const std::string& fileName);
// The package that provides the port `program` (a name or a path ending in its name); empty
// for a program this list does not know.
std::string nativePortPackage(const std::string& program);

}  // namespace catalogue
