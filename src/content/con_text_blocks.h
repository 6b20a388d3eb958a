// The texts the 1.3 to 1.4/1.5 conversion writes: the blocks that comment out the old
// "gamestartup" statement of a USER file and the settings file "plut.con" it then includes.
// Every line the conversion adds to a USER file carries "***REMOVE ME***", so deleting those
// lines gives the 1.3 file back.
#pragma once

#include <string>
#include <string_view>

namespace content {

inline constexpr std::string_view kGameStartup = "gamestartup";
inline constexpr std::string_view kFreezeSettings = "NUMFREEZEBOUNCES FREEZERHURTOWNER";
inline constexpr std::string_view kEndSequenceSound = "definesound ENDSEQVOL3SND1";
// Only files written for 1.4/1.5 (and files this conversion wrote) name this setting.
inline constexpr std::string_view kVersion15Marker = "MAXXSTRETCH";
inline constexpr std::string_view kPlutName = "plut.con";
// What turns the first line of "plut.con" into a comment.
inline constexpr std::string_view kPlutFirstLineOff = "//     ";

// Replaces the first "gamestartup": opens a comment that the closing block ends.
const std::string& conHeaderBlock();
// Replaces the first "NUMFREEZEBOUNCES FREEZERHURTOWNER": closes the comment.
const std::string& conClosingBlock();
// What goes before "definesound ENDSEQVOL3SND1".
inline constexpr std::string_view kSoundLineOff = "// ";

// The first piece of "plut.con": the nine strengths a stock main file lacks when the main file
// was made from the game's own, else the one define of the space shuttle.
const std::string& plutStockDefines();
const std::string& plutShuttleDefine();
// The rest of "plut.con": the new limits, the new "gamestartup", the fourth volume's names.
const std::string& plutSettings();

}  // namespace content
