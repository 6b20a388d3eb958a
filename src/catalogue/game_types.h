// The built-in game types (one per slot 0-19) and the directories a game is looked for under.
#pragma once

#include <array>

namespace catalogue {

// `GameKind` of a game record: the number of its built-in game type, slot + 1; 0 for none.
// The launch tests these.
inline constexpr int kKindNone = 0;
inline constexpr int kKindDuke13 = 1;      // Duke Nukem 3D 1.3
inline constexpr int kKindDukeAtomic = 2;  // Duke Nukem 3D 1.4 and 1.5
inline constexpr int kKindBlood = 4;
inline constexpr int kKindShadowWarrior = 5;  // the last of the Build games
inline constexpr int kKindQuake = 6;
inline constexpr int kKindHexen = 11;

inline constexpr bool isDukeNukem(int kind) {
  return kind == kKindDuke13 || kind == kKindDukeAtomic;
}
// The games of the Build engine, Duke Nukem 3D to Shadow Warrior.
inline constexpr bool isBuildGame(int kind) {
  return kind >= kKindDuke13 && kind <= kKindShadowWarrior;
}

struct BuiltInGameType {
  const char* name;
  const char* executablePath;    // relative to a candidate parent directory
  const char* verificationPath;  // must exist too
  const char* exclusionPath;     // must not exist; empty for none
};

// Text as stored; the two Duke Nukem 3D versions are told apart by cdrom.ini, which only the
// later one has. Slot 19 is the generic definition and is never searched for.
inline constexpr std::array<BuiltInGameType, 20> kBuiltInGameTypes{{
    {"Duke3D 1.3 Reg.", "Duke3d\\duke3d.exe", "Duke3d\\duke3d.exe", "Duke3d\\cdrom.ini"},
    {"Duke3D 1.4 && 1.5", "Duke3d\\duke3d.exe", "Duke3d\\cdrom.ini", ""},
    {"RedNeck Rampage", "REDNECK\\rr.exe", "REDNECK\\rr.exe", ""},
    {"Blood", "Blood\\Blood.exe", "Blood\\Blood.exe", ""},
    {"Shadow Warrior", "sw\\sw.exe", "sw\\sw.exe", ""},
    {"Quake", "Quake\\quake.exe", "Quake\\quake.exe", ""},
    {"Descent", "Descent\\descentr.exe", "Descent\\descentr.exe", ""},
    {"Doom II", "Doom2\\doom2.exe", "Doom2\\doom2.exe", ""},
    {"Doom I", "Doom\\doom.exe", "Doom\\doom.exe", ""},
    {"Heretic", "Heretic\\Heretic.exe", "Heretic\\Heretic.exe", ""},
    {"Hexen", "Hexen\\Hexen.exe", "Hexen\\Hexen.exe", ""},
    {"Strife", "Strife\\STRIFE1.exe", "Strife\\STRIFE1.exe", ""},
    {"Terminal Velocity", "tv\\tv.exe", "tv\\tv.exe", ""},
    {"Rise of the Triads", "rott\\rott.exe", "rott\\rott.exe", ""},
    {"Power Slave", "PSlave\\ps.exe", "PSlave\\ps.exe", ""},
    {"WinQuake", "Quake\\winquake.exe", "Quake\\winquake.exe", ""},
    {"Doom I SE", "Doom_se\\doom.exe", "Doom_se\\doom.exe", ""},
    {"Quake2", "Quake2\\Quake2.exe", "Quake2\\Quake2.EXE", ""},
    {"Hexen2", "HEXENI~1\\H2.exe", "HEXENI~1\\H2.exe", ""},
    {"", "", "", ""},
}};

// Tried in this order under the root of each drive; the first is the root itself.
inline constexpr std::array<const char*, 12> kCandidateParents{
    "",         "game\\",    "games\\",    "INTRPLAY\\", "3DGame\\",          "3dgames\\",
    "game3d\\", "games3d\\", "PROGRA~1\\", "Activi~1\\", "games\\INTRPLAY\\", "game\\INTRPLAY\\"};

// Drives searched: C to Y (Z: maps the whole host and is never searched).
inline constexpr char kFirstSearchedDrive = 'C';
inline constexpr char kLastSearchedDrive = 'Y';

}  // namespace catalogue
