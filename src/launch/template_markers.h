// The markers of the template language of the game definitions: what the command-line and
// configuration passes replace, what the launch looks for, and the editor markers of a file
// kind. The launch and the definitions' lint both take them from here.
#pragma once

#include <array>
#include <string_view>

namespace launch::markers {

inline constexpr std::string_view kCml = "<cml>";  // the piece goes to the command line
inline constexpr std::string_view kMisc = "<misc>";
inline constexpr std::string_view kMap = "<map>";
inline constexpr std::string_view kNextValue = "<p>";
inline constexpr std::string_view kEpisode = "<e>", kEpisodeUpper = "<E>";
inline constexpr std::string_view kLevel = "<l>", kLevelUpper = "<L>";
inline constexpr std::string_view kNumber = "<n>", kNumberUpper = "<N>";
inline constexpr std::string_view kHex = "<x>", kHexUpper = "<X>";
inline constexpr std::string_view kFileOnly = "<fileonly>";
inline constexpr std::string_view kFileOnlyName = "<fileonly_name>";
inline constexpr std::array<std::string_view, 4> kValue = {"<var>", "<VAR>", "<Var>", "<V>"};
inline constexpr std::string_view kPath = "<path>";
inline constexpr std::string_view kPathBelowGame = "<path_s>";
inline constexpr std::string_view kRegEdit = "<RegEdit>", kSubKey = "<SubKey>", kDWord = "<DWord>";
inline constexpr std::string_view kMoveToMainDir = "<MoveToMainDir>";

// The numbered forms: "<fileonly 1>" … "<fileonly 5>", "<fileonly_name N>", "<Default FileN>".
inline constexpr std::string_view kFileOnlyNumbered = "<fileonly ";
inline constexpr std::string_view kFileOnlyNameNumbered = "<fileonly_name ";
inline constexpr std::string_view kDefaultFileNumbered = "<Default File";
inline constexpr int kHighestNumbered = 5;
// "<path = X>": where "<fileonly_name>" puts the file.
inline constexpr std::string_view kPathOf = "<path = ";

// Every marker without a number, for the lint.
inline constexpr std::array<std::string_view, 24> kPlain = {
    kCml,         kMisc,          kMap,       kNextValue, kEpisode,       kEpisodeUpper,
    kLevel,       kLevelUpper,    kNumber,    kNumberUpper, kHex,         kHexUpper,
    kFileOnly,    kFileOnlyName,  kValue[0],  kValue[1],  kValue[2],      kValue[3],
    kPath,        kPathBelowGame, kRegEdit,   kSubKey,    kDWord,         kMoveToMainDir};

}  // namespace launch::markers
