// GameInfoRecord: one game definition, 12255 bytes, one per slot of the game file.
#pragma once

#include "catalogue/record_image.h"

namespace catalogue {

struct GameInfoTag {
  static constexpr size_t kSize = 12255;
};

// X(Tag, Kind, Name, Offset, Size, Count)
//
// Second names and second meanings:
// - KahnExecuteFile is the launch program of the Kahn/Kali connection type, which the
//   multiplayer setup also calls KaliExecuteFile.
// - InternetAddressCommand is read by the option-line builder as MultiplayerCommand.
// - The seven connect texts from SerialConnectCommand are indexed by connection type t at
//   1648 + 51 * t; KahnConnectCommand is the text of type 3 (Kahn/Kali) and has no edit
//   field in the definition dialogs.
// - ContentToolField[0] names the art editor and [1] the group-file extractor (each at most
//   12 characters); RtsToolName, at the start of the RTS editor's area, names the RTS tool
//   (at most 12 characters too).
// - GameKind holds the built-in game type number (slot + 1); the "Game Type =" list of the
//   definition dialog stores its own index 0-3 here.
#define QF_GAME_INFO_FIELDS(X, T)                   \
  X(T, Text, GameName, 0, 20, 1)                    \
  X(T, Text, GameDir, 20, 128, 1)                   \
  X(T, Text, ExecuteFile, 148, 13, 1)               \
  X(T, Text, ModemExecuteFile, 161, 13, 1)          \
  X(T, Text, SerialExecuteFile, 174, 13, 1)         \
  X(T, Text, IpxExecuteFile, 187, 13, 1)            \
  X(T, Text, KahnExecuteFile, 200, 13, 1)           \
  X(T, Text, InternetExecuteFile, 213, 13, 1)       \
  X(T, Text, NetServerExecuteFile, 226, 13, 1)      \
  X(T, Text, InternetServerExecuteFile, 239, 13, 1) \
  X(T, Byte, GameKind, 252, 1, 1)                   \
  X(T, Text, GameSetupProgram, 253, 51, 1)          \
  X(T, Text, EditorSetupProgram, 304, 51, 1)        \
  X(T, Text, HelpFile, 355, 51, 10)                 \
  X(T, Text, GameHelpFile, 865, 51, 1)              \
  X(T, Text, EditorHelpFile, 916, 51, 1)            \
  X(T, Text, PlayerNameCommand, 967, 51, 1)         \
  X(T, Text, PlayerQtyCommand, 1018, 51, 1)         \
  X(T, Text, DeathMatchTypeCommand, 1069, 51, 4)    \
  X(T, Text, ShirtColorCommand, 1273, 51, 1)        \
  X(T, Text, PantsColorCommand, 1324, 51, 1)        \
  X(T, Text, ColorValue, 1375, 16, 8)               \
  X(T, Text, FewerPacketCommand, 1503, 13, 3)       \
  X(T, Text, SocketCommand, 1542, 51, 1)            \
  X(T, Int, DefaultSocketNumber, 1593, 4, 1)        \
  X(T, Text, InternetAddressCommand, 1597, 51, 1)   \
  X(T, Text, SerialConnectCommand, 1648, 51, 1)     \
  X(T, Text, ModemConnectCommand, 1699, 51, 1)      \
  X(T, Text, NetConnectCommand, 1750, 51, 1)        \
  X(T, Text, KahnConnectCommand, 1801, 51, 1)       \
  X(T, Text, InternetConnectCommand, 1852, 51, 1)   \
  X(T, Text, NetServerCommand, 1903, 51, 1)         \
  X(T, Text, InternetServerCommand, 1954, 51, 1)    \
  X(T, Text, ModemSetupCommand, 2005, 51, 14)       \
  X(T, Text, TimeLimitCommand, 2719, 51, 1)         \
  X(T, Text, FragLimitCommand, 2770, 51, 1)         \
  X(T, Int, FileKindSetOnly, 2821, 4, 18)           \
  X(T, Text, FileKindEditProgram, 2893, 51, 18)     \
  X(T, Text, FileKindExtension, 3811, 13, 18)       \
  X(T, Text, FileKindLoadCommand, 4045, 100, 18)    \
  X(T, Int, FileKindShortDir, 5845, 4, 18)          \
  X(T, Int, FileKindLongDir, 5917, 4, 18)           \
  X(T, Int, FileKindMisc1Dir, 5989, 4, 18)          \
  X(T, Int, FileKindMisc2Dir, 6061, 4, 18)          \
  X(T, Text, UserPathCommand, 6133, 51, 1)          \
  X(T, Int, LaunchInUserPath, 6184, 4, 1)           \
  X(T, Text, LaunchNameCommand, 6188, 51, 1)        \
  X(T, Int, UseArgPassProgram, 6239, 4, 1)          \
  X(T, Text, ConfigFile, 6243, 51, 6)               \
  X(T, Text, ConfigFileCommand, 6549, 51, 5)        \
  X(T, Chars, ConfigFileFlag, 6855, 1, 5)           \
  X(T, Text, MemoryCommand, 6861, 51, 1)            \
  X(T, Text, RecordDemoCommand, 6912, 51, 1)        \
  X(T, Text, PlayDemoCommand, 6963, 51, 1)          \
  X(T, Text, FakePlayerCommand, 7014, 51, 1)        \
  X(T, Text, AiPlayerCommand, 7065, 51, 1)          \
  X(T, Text, RunSavedGameCommand, 7116, 51, 1)      \
  X(T, Text, SkillCommand, 7167, 51, 1)             \
  X(T, Text, LevelCommand, 7218, 51, 1)             \
  X(T, Text, EpisodeCommand, 7269, 51, 1)           \
  X(T, Byte, SkillMin, 7320, 1, 1)                  \
  X(T, Byte, SkillMax, 7321, 1, 1)                  \
  X(T, Byte, LevelMin, 7322, 1, 1)                  \
  X(T, Byte, LevelMax, 7323, 1, 1)                  \
  X(T, Byte, EpisodeMin, 7324, 1, 1)                \
  X(T, Byte, EpisodeMax, 7325, 1, 1)                \
  X(T, Int, LimitCommandOption, 7326, 4, 1)         \
  X(T, Byte, PlayerQtyMax, 7330, 1, 1)              \
  X(T, Text, SoundOnCommand, 7333, 51, 1)           \
  X(T, Text, MusicOnCommand, 7384, 51, 1)           \
  X(T, Text, SoundEffectsOnCommand, 7435, 51, 1)    \
  X(T, Text, SoundMiscOnCommand, 7486, 51, 1)       \
  X(T, Text, SoundOffCommand, 7537, 51, 1)          \
  X(T, Text, MusicOffCommand, 7588, 51, 1)          \
  X(T, Text, SoundEffectsOffCommand, 7639, 51, 1)   \
  X(T, Text, SoundMiscOffCommand, 7690, 51, 1)      \
  X(T, Text, NoMonstersCommand, 7741, 51, 1)        \
  X(T, Text, RespawnAllCommand, 7792, 51, 1)        \
  X(T, Text, RespawnMonstersCommand, 7843, 51, 1)   \
  X(T, Text, RespawnItemsCommand, 7894, 51, 1)      \
  X(T, Text, RespawnInventoryCommand, 7945, 51, 1)  \
  X(T, Text, VideoModeDescription, 7996, 16, 12)    \
  X(T, Text, VideoModeCommand, 8188, 80, 12)        \
  X(T, Int, NoOverrideMapDir, 9148, 4, 1)           \
  X(T, Int, IsDefined, 9156, 4, 1)                  \
  X(T, Int, PreventOverride, 9164, 4, 1)            \
  X(T, Int, DosModeOnly, 9172, 4, 1)                \
  X(T, Int, WindowsModeOnly, 9176, 4, 1)            \
  X(T, Int, LevelFileFlagA, 9180, 4, 1)             \
  X(T, Int, MapsNeedCopy, 9184, 4, 1)               \
  X(T, Int, LevelFileFlagB, 9188, 4, 1)             \
  X(T, Int, HideWindowsFromGame, 9192, 4, 1)        \
  X(T, Int, CloseOnGameLaunch, 9196, 4, 1)          \
  X(T, Text, DirKindName, 9200, 13, 3)              \
  X(T, Text, ContentToolField, 9239, 13, 2)         \
  X(T, Text, RtsToolName, 9265, 13, 1)              \
  X(T, Bytes, RtsEditorArea, 9278, 2066, 1)         \
  X(T, Text, SavedGamePickCommand, 11344, 51, 1)    \
  X(T, Text, WeaponOrderCommand, 11395, 51, 10)     \
  X(T, Text, GodModeCommand, 11905, 51, 1)          \
  X(T, Text, WeaponsAllCommand, 11956, 51, 1)       \
  X(T, Text, GameDataSubDir, 12097, 13, 1)          \
  X(T, Text, DefaultMapDir, 12110, 25, 1)           \
  X(T, Text, OverrideMapDir, 12135, 17, 1)          \
  X(T, Text, TcDir, 12152, 13, 2)                   \
  X(T, Text, RegKey, 12178, 36, 1)                  \
  X(T, Int, MenuItemEnabled, 12214, 4, 4)           \
  X(T, Int, CommFlag, 12230, 4, 2)                  \
  X(T, Int, LaunchPipelineFlag, 12238, 4, 1)        \
  X(T, Int, MapEditorLaunchFlag, 12242, 4, 1)       \
  X(T, Int, TcSetting, 12246, 4, 1)                 \
  X(T, Float, Marker, 12251, 4, 1)

namespace game_info {
QF_GAME_INFO_FIELDS(QF_FIELD_DECLARE, GameInfoTag)
inline constexpr std::array<FieldInfo, 0 QF_GAME_INFO_FIELDS(QF_FIELD_COUNT, GameInfoTag)> kFields{
    {QF_GAME_INFO_FIELDS(QF_FIELD_DESCRIBE, GameInfoTag)}};
static_assert(isValidLayout(kFields, GameInfoTag::kSize));
}  // namespace game_info

using GameInfoRecord = Record<GameInfoTag>;

}  // namespace catalogue
