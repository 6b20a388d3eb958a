// The datagrams copies of the program exchange on the coordination socket, and the blocks of a
// map sent over a stream: fixed byte images, texts NUL-terminated inside their arrays, integers
// 32-bit little-endian, addresses the 14-byte IPX socket addresses copied byte for byte.
//
// Everything received is read through a reader here: a datagram shorter than its image is no
// datagram of that kind, a longer one is taken up to its image's end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/record_image.h"
#include "platform/byte_cursor.h"
#include "platform/network.h"

namespace lan {

// Every copy binds this socket number (0x8835) for coordination.
inline constexpr uint16_t kCoordinationSocket = 34869;

inline constexpr const char* kVersion = "6203";

// Kind tokens.
inline constexpr const char* kKindAnnouncement = "trevallyn";
inline constexpr const char* kKindHandShake = "HandShake";
inline constexpr const char* kKindFileRequest = "file_req3";
inline constexpr const char* kKindFileSend = "filesend3";
// Reserved for a last block; this program never sends it.
inline constexpr const char* kKindFileLast = "filelastp";

// Subkind tokens of the handshake and the chat.
inline constexpr const char* kPlayerJoin = "playrjoin";
inline constexpr const char* kAcceptJoin = "accptjoin";
inline constexpr const char* kPreStart = "PreStart0";
inline constexpr const char* kConfirm = "Confirm69";
inline constexpr const char* kStartNow = "StartNow0";
inline constexpr const char* kServerQuit = "ServrQuit";
inline constexpr const char* kMessage = "MessageIM";

// X(Tag, Kind, Name, Offset, Size, Count) tables, one per image. Version is Chars: a handshake
// copies the ten bytes it last received as they are, terminator or not. Byte 351 of the
// announcement and bytes 295..298 of the chat are never written.

struct AnnouncementTag {
  static constexpr size_t kSize = 400;
};
#define QF_LAN_ANNOUNCEMENT_FIELDS(X, T)   \
  X(T, Chars, Version, 0, 10, 1)           \
  X(T, Text, Kind, 10, 10, 1)              \
  X(T, Text, GameName, 20, 20, 1)          \
  X(T, Text, LaunchDir, 40, 128, 1)        \
  X(T, Text, LaunchFile, 168, 128, 1)      \
  X(T, Text, Clan, 296, 32, 1)             \
  X(T, Bytes, SenderAddress, 328, 14, 1)   \
  X(T, Int, SocketNumber, 342, 4, 1)       \
  X(T, Byte, Skill, 346, 1, 1)             \
  X(T, Byte, Episode, 347, 1, 1)           \
  X(T, Byte, Level, 348, 1, 1)             \
  X(T, Byte, OtherPlayers, 349, 1, 1)      \
  X(T, Byte, CommType, 350, 1, 1)          \
  X(T, Byte, GameMode, 352, 1, 1)          \
  X(T, Byte, FewerPacketOption, 353, 1, 1) \
  X(T, Byte, PlayersFound, 354, 1, 1)      \
  X(T, Byte, SpawnOption, 355, 1, 1)       \
  X(T, Int, HasLaunchFile, 356, 4, 1)      \
  X(T, Int, NoMonsters, 360, 4, 1)         \
  X(T, Int, ViewOption, 364, 4, 1)         \
  X(T, Int, NeverDownload, 368, 4, 1)      \
  X(T, Int, NeverUpload, 372, 4, 1)        \
  X(T, Int, NeverClient, 376, 4, 1)        \
  X(T, Int, NeverServer, 380, 4, 1)        \
  X(T, Int, OnlyClanClients, 384, 4, 1)    \
  X(T, Int, OnlyClanServer, 388, 4, 1)     \
  X(T, Int, LaunchFileSize, 392, 4, 1)     \
  X(T, Int, LaunchFileTime, 396, 4, 1)

struct HandshakeTag {
  static constexpr size_t kSize = 94;
};
#define QF_LAN_HANDSHAKE_FIELDS(X, T)   \
  X(T, Chars, Version, 0, 10, 1)        \
  X(T, Text, Kind, 10, 10, 1)           \
  X(T, Text, Subkind, 20, 10, 1)        \
  X(T, Bytes, ServerAddress, 30, 14, 1) \
  X(T, Bytes, PlayerAddress, 44, 14, 1) \
  X(T, Text, Clan, 58, 32, 1)           \
  X(T, Byte, Byte0, 90, 1, 1)           \
  X(T, Byte, Byte1, 91, 1, 1)           \
  X(T, Byte, Byte2, 92, 1, 1)           \
  X(T, Byte, Byte3, 93, 1, 1)

struct ChatTag {
  static constexpr size_t kSize = 299;
};
#define QF_LAN_CHAT_FIELDS(X, T)        \
  X(T, Chars, Version, 0, 10, 1)        \
  X(T, Text, Kind, 10, 10, 1)           \
  X(T, Text, Subkind, 20, 10, 1)        \
  X(T, Bytes, SenderAddress, 30, 14, 1) \
  X(T, Bytes, OriginAddress, 44, 14, 1) \
  X(T, Text, Clan, 58, 32, 1)           \
  X(T, Text, PlayerName, 90, 51, 1)     \
  X(T, Text, Text, 141, 150, 1)         \
  X(T, Int, Sequence, 291, 4, 1)

struct FileRequestTag {
  static constexpr size_t kSize = 52;
};
#define QF_LAN_FILE_REQUEST_FIELDS(X, T)   \
  X(T, Chars, Version, 0, 10, 1)           \
  X(T, Text, Kind, 10, 10, 1)              \
  X(T, Bytes, ServerAddress, 20, 14, 1)    \
  X(T, Bytes, RequesterAddress, 34, 14, 1) \
  X(T, Int, NextBlock, 48, 4, 1)

struct FileBlockTag {
  static constexpr size_t kSize = 312;
};
#define QF_LAN_FILE_BLOCK_FIELDS(X, T)     \
  X(T, Chars, Version, 0, 10, 1)           \
  X(T, Text, Kind, 10, 10, 1)              \
  X(T, Bytes, ServerAddress, 20, 14, 1)    \
  X(T, Bytes, RequesterAddress, 34, 14, 1) \
  X(T, Int, BlockIndex, 48, 4, 1)          \
  X(T, Bytes, Data, 52, 256, 1)            \
  X(T, Int, FileLength, 308, 4, 1)

namespace announcement {
QF_LAN_ANNOUNCEMENT_FIELDS(QF_FIELD_DECLARE, AnnouncementTag)
inline constexpr std::array<catalogue::FieldInfo,
                            0 QF_LAN_ANNOUNCEMENT_FIELDS(QF_FIELD_COUNT, AnnouncementTag)>
    kFields{{QF_LAN_ANNOUNCEMENT_FIELDS(QF_FIELD_DESCRIBE, AnnouncementTag)}};
static_assert(catalogue::isValidLayout(kFields, AnnouncementTag::kSize));
}  // namespace announcement

namespace handshake {
QF_LAN_HANDSHAKE_FIELDS(QF_FIELD_DECLARE, HandshakeTag)
inline constexpr std::array<catalogue::FieldInfo,
                            0 QF_LAN_HANDSHAKE_FIELDS(QF_FIELD_COUNT, HandshakeTag)>
    kFields{{QF_LAN_HANDSHAKE_FIELDS(QF_FIELD_DESCRIBE, HandshakeTag)}};
static_assert(catalogue::isValidLayout(kFields, HandshakeTag::kSize));
}  // namespace handshake

namespace chat {
QF_LAN_CHAT_FIELDS(QF_FIELD_DECLARE, ChatTag)
inline constexpr std::array<catalogue::FieldInfo, 0 QF_LAN_CHAT_FIELDS(QF_FIELD_COUNT, ChatTag)>
    kFields{{QF_LAN_CHAT_FIELDS(QF_FIELD_DESCRIBE, ChatTag)}};
static_assert(catalogue::isValidLayout(kFields, ChatTag::kSize));
}  // namespace chat

namespace file_request {
QF_LAN_FILE_REQUEST_FIELDS(QF_FIELD_DECLARE, FileRequestTag)
inline constexpr std::array<catalogue::FieldInfo,
                            0 QF_LAN_FILE_REQUEST_FIELDS(QF_FIELD_COUNT, FileRequestTag)>
    kFields{{QF_LAN_FILE_REQUEST_FIELDS(QF_FIELD_DESCRIBE, FileRequestTag)}};
static_assert(catalogue::isValidLayout(kFields, FileRequestTag::kSize));
}  // namespace file_request

namespace file_block {
QF_LAN_FILE_BLOCK_FIELDS(QF_FIELD_DECLARE, FileBlockTag)
inline constexpr std::array<catalogue::FieldInfo,
                            0 QF_LAN_FILE_BLOCK_FIELDS(QF_FIELD_COUNT, FileBlockTag)>
    kFields{{QF_LAN_FILE_BLOCK_FIELDS(QF_FIELD_DESCRIBE, FileBlockTag)}};
static_assert(catalogue::isValidLayout(kFields, FileBlockTag::kSize));
}  // namespace file_block

// The offsets the other side reads, checked against the tables.
static_assert(announcement::SenderAddress.offset == 328 &&
              announcement::SocketNumber.offset == 342);
static_assert(announcement::GameMode.offset == 352 && announcement::LaunchFileTime.offset == 396);
static_assert(announcement::kFields.back().end() == AnnouncementTag::kSize);
static_assert(handshake::kFields.back().end() == HandshakeTag::kSize);
static_assert(handshake::Clan.offset == 58 && handshake::Byte3.offset == 93);
static_assert(chat::PlayerName.offset == 90 && chat::Text.offset == 141);
static_assert(chat::Sequence.offset + chat::Sequence.size == 295 && chat::Text.size == 150);
static_assert(file_request::kFields.back().end() == FileRequestTag::kSize);
static_assert(file_block::Data.offset == 52 && file_block::Data.size == 256);
static_assert(file_block::kFields.back().end() == FileBlockTag::kSize);
// Every address field holds one whole IPX address.
static_assert(announcement::SenderAddress.size == platform::IpxAddress::kSize);
static_assert(handshake::ServerAddress.size == platform::IpxAddress::kSize &&
              handshake::PlayerAddress.size == platform::IpxAddress::kSize);
static_assert(chat::SenderAddress.size == platform::IpxAddress::kSize &&
              chat::OriginAddress.size == platform::IpxAddress::kSize);
static_assert(file_request::RequesterAddress.size == platform::IpxAddress::kSize &&
              file_block::RequesterAddress.size == platform::IpxAddress::kSize);

using Announcement = catalogue::Record<AnnouncementTag>;
using Handshake = catalogue::Record<HandshakeTag>;
using ChatMessage = catalogue::Record<ChatTag>;
using FileRequest = catalogue::Record<FileRequestTag>;
using FileBlock = catalogue::Record<FileBlockTag>;

// Bytes of a file in one block.
inline constexpr size_t kBlockData = 256;
// The most a chat line carries: the fields less their terminators.
inline constexpr size_t kMaxPlayerName = chat::PlayerName.size - 1;
inline constexpr size_t kMaxChatText = chat::Text.size - 1;

template <class Tag>
platform::IpxAddress addressOf(const catalogue::Record<Tag>& record,
                               const catalogue::BytesField<Tag>& field) {
  platform::IpxAddress address;
  const auto bytes = record.get(field);
  std::copy(bytes.begin(), bytes.begin() + platform::IpxAddress::kSize, address.bytes.begin());
  return address;
}

template <class Tag>
void setAddress(catalogue::Record<Tag>& record, const catalogue::BytesField<Tag>& field,
                const platform::IpxAddress& address) {
  std::copy(address.bytes.begin(), address.bytes.end(), record.region(field).begin());
}

// Reads an image field by field from received bytes; nothing when a field lies past their end.
// Bytes no field names stay zero.
template <class Tag, size_t N>
std::optional<catalogue::Record<Tag>> readImage(std::span<const uint8_t> bytes,
                                                const std::array<catalogue::FieldInfo, N>& fields) {
  platform::ByteCursor in(bytes);
  catalogue::Record<Tag> record;
  for (const catalogue::FieldInfo& field : fields) {
    in.seek(field.offset);
    const auto taken = in.bytes(field.size * field.count);
    if (!taken) return std::nullopt;
    std::copy(taken->begin(), taken->end(), record.bytes().begin() + field.offset);
  }
  return record;
}

std::optional<Announcement> readAnnouncement(std::span<const uint8_t> bytes);
std::optional<Handshake> readHandshake(std::span<const uint8_t> bytes);
std::optional<ChatMessage> readChat(std::span<const uint8_t> bytes);
std::optional<FileRequest> readFileRequest(std::span<const uint8_t> bytes);
std::optional<FileBlock> readFileBlock(std::span<const uint8_t> bytes);

// The Kind (offset 10) and Subkind (offset 20) texts a receiver dispatches on; nothing when the
// datagram ends before the field does.
std::optional<std::string> kindOf(std::span<const uint8_t> bytes);
std::optional<std::string> subkindOf(std::span<const uint8_t> bytes);
// The first ten bytes of a datagram, zero-filled when it is shorter.
std::string versionOf(std::span<const uint8_t> bytes);

// An announcement with Version and Kind filled in, everything else zero.
Announcement freshAnnouncement();

struct HandshakeFields {
  std::string version;  // ten bytes as they came, or kVersion
  std::string subkind;
  platform::IpxAddress server;
  platform::IpxAddress player;
  std::string clan;
  uint8_t byte0 = 0, byte1 = 0, byte2 = 0, byte3 = 0;
};
Handshake makeHandshake(const HandshakeFields& fields);
// "ServrQuit": offsets 0..57 only, the player's address zero for the broadcast.
Handshake makeServerQuit(std::string_view version, const platform::IpxAddress& server,
                         const platform::IpxAddress& player);

struct ChatFields {
  platform::IpxAddress sender;
  platform::IpxAddress origin;
  std::string clan;
  std::string playerName;
  std::string text;
  int32_t sequence = 0;
};
ChatMessage makeChat(const ChatFields& fields);
// "Name: text" as the logs show a chat line; a received name or text that fills its field
// without a terminator is cut as a written one would be.
std::string chatLine(const ChatMessage& message);
// The same message with its name and text cut that way: what a relay passes on.
ChatMessage wellFormed(const ChatMessage& message);

FileRequest makeFileRequest(const platform::IpxAddress& server,
                            const platform::IpxAddress& requester, int32_t nextBlock);
// The first block of the answer to `request`: its first 34 bytes with Kind "filesend3", its
// requester, the file's length; index and data are the sender's to fill.
FileBlock blockTemplate(const FileRequest& request, uint32_t fileLength);

// The stream endpoint of a coordination address: its socket field read little-endian and
// increased by one (34869 gives 35125). Both sides of a map transfer derive it the same way.
platform::IpxAddress streamAddress(const platform::IpxAddress& coordination);

}  // namespace lan
