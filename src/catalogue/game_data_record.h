// GameDataRecord: the last-used launch selections of one game, 4536 bytes, one file per slot.
#pragma once

#include "catalogue/record_image.h"

namespace catalogue {

struct GameDataTag {
  static constexpr size_t kSize = 4536;
};

// X(Tag, Kind, Name, Offset, Size, Count)
//
// SelectedFile is the full path of the file last picked in the file manager and
// SelectedFileTemplate the load template of that file's kind (a FileKindLoadCommand copy).
// ExtraOptions holds up to 125 typed characters, DemoName up to 50. WeaponOrder is ten digits
// without a terminator, each naming a weapon (a zero byte for an unused position). The index bytes
// count from 1 with 0 meaning "not chosen" (VideoModeIndex, RespawnIndex, SavedGameSlot,
// FewerPacketIndex) or from the game's minimum (SkillIndex, LevelIndex, EpisodeIndex).
// SoundOption[0..3] are "No Sound", "No Music", "No Sound Affects 1" and "2"; MiscOption is the
// always greyed "Misc" box of the demo options.
//
// Second names and second meanings:
// - ConfigFileCopy[2] and [3] are read by the content tools as GameGroupFile (the game's
//   group file) and GameRtsFile (its RTS file).
// - RespawnIndex is the spawn option carried by the LAN announcement.
// - AutoBackupEditMap is the launch option AutoBackupEditFile.
#define QF_GAME_DATA_FIELDS(X, T)              \
  X(T, Int, CreatedStamp, 4, 4, 1)             \
  X(T, Text, SelectedFile, 16, 51, 1)          \
  X(T, Text, SelectedFileTemplate, 67, 100, 1) \
  X(T, Text, OwnerGameDir, 2499, 128, 1)       \
  X(T, Text, WorkDir, 2627, 128, 4)            \
  X(T, Text, ExtraOptions, 3139, 128, 1)       \
  X(T, Text, ConfigFileName, 3267, 14, 5)      \
  X(T, Text, ConfigFileDir, 3337, 128, 5)      \
  X(T, Text, DemoName, 3977, 51, 1)            \
  X(T, Text, ConfigFileCopy, 4028, 51, 5)      \
  X(T, Chars, WeaponOrder, 4283, 10, 1)        \
  X(T, Byte, VideoModeIndex, 4293, 1, 1)       \
  X(T, Byte, SkillIndex, 4294, 1, 1)           \
  X(T, Byte, LevelIndex, 4295, 1, 1)           \
  X(T, Byte, EpisodeIndex, 4296, 1, 1)         \
  X(T, Byte, BotCount, 4297, 1, 1)             \
  X(T, Byte, PantsColorIndex, 4298, 1, 1)      \
  X(T, Byte, ShirtColorIndex, 4299, 1, 1)      \
  X(T, Byte, RespawnIndex, 4300, 1, 1)         \
  X(T, Byte, MemoryIndex, 4301, 1, 1)          \
  X(T, Byte, SavedGameSlot, 4302, 1, 1)        \
  X(T, Byte, FewerPacketIndex, 4303, 1, 1)     \
  X(T, Int, UseAiPlayers, 4304, 4, 1)          \
  X(T, Int, SelectionFlag, 4316, 4, 1)         \
  X(T, Int, RecordDemo, 4320, 4, 1)            \
  X(T, Int, PlayDemo, 4324, 4, 1)              \
  X(T, Int, SoundOption, 4328, 4, 4)           \
  X(T, Int, NoMonsters, 4344, 4, 1)            \
  X(T, Int, MiscOption, 4348, 4, 1)            \
  X(T, Int, GodMode, 4352, 4, 1)               \
  X(T, Int, WeaponsAll, 4356, 4, 1)            \
  X(T, Int, PauseBeforeReturn, 4360, 4, 1)     \
  X(T, Int, BypassBuildPrompt, 4368, 4, 1)     \
  X(T, Int, AutoBackupEditMap, 4372, 4, 1)     \
  X(T, Int, CreatedFlag, 4376, 4, 1)           \
  X(T, Int, PromptRunAfterEditor, 4380, 4, 1)  \
  X(T, Float, Marker, 4532, 4, 1)

namespace game_data {
QF_GAME_DATA_FIELDS(QF_FIELD_DECLARE, GameDataTag)
inline constexpr std::array<FieldInfo, 0 QF_GAME_DATA_FIELDS(QF_FIELD_COUNT, GameDataTag)> kFields{
    {QF_GAME_DATA_FIELDS(QF_FIELD_DESCRIBE, GameDataTag)}};
static_assert(isValidLayout(kFields, GameDataTag::kSize));
}  // namespace game_data

using GameDataRecord = Record<GameDataTag>;

}  // namespace catalogue
