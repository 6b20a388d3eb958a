// UnivInfoRecord: the program-wide settings, 7346 bytes, one per installation.
#pragma once

#include "catalogue/record_image.h"

namespace catalogue {

struct UnivInfoTag {
  static constexpr size_t kSize = 7346;
};

// X(Tag, Kind, Name, Offset, Size, Count)
//
// The number lists hold 50 NUL-terminated 32-byte texts each; entry i of a list pairs name i
// with number i. PlayerNameList holds ten names of at most 20 characters, newest first.
// SocketNumbers[0] mirrors the game's DefaultSocketNumber, [1..9] are numbers the user typed;
// [5..9] start with the factory values 0x4455, 0x5566, 0x7777, 0x8888 and 0x99AA.
// ModemString holds the dial, start, hang-up and clear strings. UnzipProgram is the path of
// the unzip program ("pkunzip.exe" by default). MapSocket is the map socket number as decimal
// text. LanStartupCheck, when non-zero, makes the start-up test Winsock and open the LAN
// coordination socket. AutoTextTab chooses automatic or manual text-tab selection;
// FileManagerMode is set to 4 whenever defaults are installed.
//
// Second names and second meanings:
// - The option-line builder calls the lists PlayerNames, PhoneNumbers and SocketNumbers. It
//   takes its InterNet number (InternetNumbers) from the entries at 5050, which the number
//   list keeps as InterNet names; the number list files InterNet numbers at 3450.
// - PhoneIndex is the selected entry of the number list shown (phone or InterNet); the
//   option-line builder picks InterNet numbers by InternetIndex instead.
// - AutoTextTab and FileManagerMode may be read together as one word at 7142.
// - DisableAllWindowsKeys and DisableAltSpace are the launch options ReserveAllKeys and
//   ReserveAltSpace; SpaceOrbDriverAfterGame is SpaceOrbDriverAfter.
// - ConnectionType is the multiplayer CommType (0 serial ... 6 InterNet server).
#define QF_UNIV_INFO_FIELDS(X, T)                \
  X(T, Text, PhoneNameList, 0, 32, 50)           \
  X(T, Text, PhoneNumberList, 1600, 32, 50)      \
  X(T, Text, PlayerNameList, 3200, 21, 10)       \
  X(T, Int, SocketNumbers, 3410, 4, 10)          \
  X(T, Text, InternetNumberList, 3450, 32, 50)   \
  X(T, Text, InternetNameList, 5050, 32, 50)     \
  X(T, Float, Marker1, 6650, 4, 1)               \
  X(T, Text, ModemString, 6654, 64, 4)           \
  X(T, Text, CustomIrq, 6910, 4, 1)              \
  X(T, Text, CustomPortAddress, 6914, 6, 1)      \
  X(T, Text, BaudRate, 6920, 10, 1)              \
  X(T, Byte, ComPort, 6930, 1, 1)                \
  X(T, Int, Uart8250, 6931, 4, 1)                \
  X(T, Int, Uart16550, 6935, 4, 1)               \
  X(T, Byte, DialMode, 6939, 1, 1)               \
  X(T, Text, UnzipProgram, 6956, 128, 1)         \
  X(T, Text, Clan, 7084, 32, 1)                  \
  X(T, Text, MapSocket, 7116, 6, 1)              \
  X(T, Int, LanStartupCheck, 7130, 4, 1)         \
  X(T, Byte, AutoTextTab, 7142, 1, 1)            \
  X(T, Byte, FileManagerMode, 7143, 1, 1)        \
  X(T, Int, DisableFileManager, 7148, 4, 1)      \
  X(T, Int, FileManagerExpertMode, 7152, 4, 1)   \
  X(T, Int, DisableAllWindowsKeys, 7156, 4, 1)   \
  X(T, Int, DisableAltSpace, 7160, 4, 1)         \
  X(T, Int, TerminateWithoutWarning, 7164, 4, 1) \
  X(T, Int, MultiplayerMode, 7168, 4, 1)         \
  X(T, Int, SpaceOrbOn, 7172, 4, 1)              \
  X(T, Int, SpaceOrbDriverAfterGame, 7176, 4, 1) \
  X(T, Int, JoystickUserOff, 7180, 4, 1)         \
  X(T, Int, JoystickInactive, 7184, 4, 1)        \
  X(T, Int, JoystickDefaultsSet, 7188, 4, 1)     \
  X(T, Int, AdvancedSetup, 7196, 4, 1)           \
  X(T, Int, CloseOnLaunch, 7200, 4, 1)           \
  X(T, Int, AutoLaunch, 7204, 4, 1)              \
  X(T, Int, NeverDownloadMap, 7208, 4, 1)        \
  X(T, Int, NeverUploadMap, 7212, 4, 1)          \
  X(T, Int, NeverClient, 7216, 4, 1)             \
  X(T, Int, NeverServer, 7220, 4, 1)             \
  X(T, Int, OnlyClanClients, 7224, 4, 1)         \
  X(T, Int, OnlyClanServer, 7228, 4, 1)          \
  X(T, Int, AutoLaunchOtherGames, 7232, 4, 1)    \
  X(T, Byte, SocketIndex, 7236, 1, 1)            \
  X(T, Byte, InternetIndex, 7237, 1, 1)          \
  X(T, Byte, PhoneIndex, 7238, 1, 1)             \
  X(T, Byte, NameIndex, 7239, 1, 1)              \
  X(T, Byte, PlayersIndex, 7240, 1, 1)           \
  X(T, Byte, FragLimit, 7241, 1, 1)              \
  X(T, Byte, GameMode, 7242, 1, 1)               \
  X(T, Byte, ConnectionType, 7243, 1, 1)         \
  X(T, Int, TimeLimit, 7245, 4, 1)               \
  X(T, Int, WindowRect, 7249, 4, 4)              \
  X(T, Float, OverallSpeed, 7265, 4, 1)          \
  X(T, Float, LowSpeed, 7269, 4, 1)              \
  X(T, Float, MidSpeed, 7273, 4, 1)              \
  X(T, Float, HighSpeed, 7277, 4, 1)             \
  X(T, Int, CurrentSlot, 7281, 4, 1)             \
  X(T, Float, Marker2, 7289, 4, 1)

namespace univ_info {
QF_UNIV_INFO_FIELDS(QF_FIELD_DECLARE, UnivInfoTag)
inline constexpr std::array<FieldInfo, 0 QF_UNIV_INFO_FIELDS(QF_FIELD_COUNT, UnivInfoTag)> kFields{
    {QF_UNIV_INFO_FIELDS(QF_FIELD_DESCRIBE, UnivInfoTag)}};
static_assert(isValidLayout(kFields, UnivInfoTag::kSize));
}  // namespace univ_info

using UnivInfoRecord = Record<UnivInfoTag>;

}  // namespace catalogue
