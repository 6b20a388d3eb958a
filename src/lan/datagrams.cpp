#include "lan/datagrams.h"

namespace lan {

namespace {

constexpr size_t kVersionSize = 10;

std::optional<std::string> textAt(std::span<const uint8_t> bytes, size_t offset, size_t size) {
  platform::ByteCursor in(bytes);
  in.seek(offset);
  return in.text(size);
}

}  // namespace

std::optional<Announcement> readAnnouncement(std::span<const uint8_t> bytes) {
  return readImage<AnnouncementTag>(bytes, announcement::kFields);
}
std::optional<Handshake> readHandshake(std::span<const uint8_t> bytes) {
  return readImage<HandshakeTag>(bytes, handshake::kFields);
}
std::optional<ChatMessage> readChat(std::span<const uint8_t> bytes) {
  return readImage<ChatTag>(bytes, chat::kFields);
}
std::optional<FileRequest> readFileRequest(std::span<const uint8_t> bytes) {
  return readImage<FileRequestTag>(bytes, file_request::kFields);
}
std::optional<FileBlock> readFileBlock(std::span<const uint8_t> bytes) {
  return readImage<FileBlockTag>(bytes, file_block::kFields);
}

std::optional<std::string> kindOf(std::span<const uint8_t> bytes) {
  return textAt(bytes, handshake::Kind.offset, handshake::Kind.size);
}

std::optional<std::string> subkindOf(std::span<const uint8_t> bytes) {
  return textAt(bytes, handshake::Subkind.offset, handshake::Subkind.size);
}

std::string versionOf(std::span<const uint8_t> bytes) {
  std::string version(kVersionSize, '\0');
  platform::ByteCursor in(bytes);
  for (size_t i = 0; i < kVersionSize; ++i) {
    const auto b = in.u8();
    if (!b) break;
    version[i] = char(*b);
  }
  return version;
}

Announcement freshAnnouncement() {
  Announcement a;
  a.set(announcement::Version, kVersion);
  a.set(announcement::Kind, kKindAnnouncement);
  return a;
}

Handshake makeHandshake(const HandshakeFields& f) {
  Handshake h;
  h.set(handshake::Version, f.version);
  h.set(handshake::Kind, kKindHandShake);
  h.set(handshake::Subkind, f.subkind);
  setAddress(h, handshake::ServerAddress, f.server);
  setAddress(h, handshake::PlayerAddress, f.player);
  h.set(handshake::Clan, f.clan);
  h.set(handshake::Byte0, f.byte0);
  h.set(handshake::Byte1, f.byte1);
  h.set(handshake::Byte2, f.byte2);
  h.set(handshake::Byte3, f.byte3);
  return h;
}

Handshake makeServerQuit(std::string_view version, const platform::IpxAddress& server,
                         const platform::IpxAddress& player) {
  Handshake h;
  h.set(handshake::Version, version);
  h.set(handshake::Kind, kKindHandShake);
  h.set(handshake::Subkind, kServerQuit);
  setAddress(h, handshake::ServerAddress, server);
  setAddress(h, handshake::PlayerAddress, player);
  return h;
}

ChatMessage makeChat(const ChatFields& f) {
  ChatMessage m;
  m.set(chat::Kind, kKindHandShake);
  m.set(chat::Subkind, kMessage);
  setAddress(m, chat::SenderAddress, f.sender);
  setAddress(m, chat::OriginAddress, f.origin);
  m.set(chat::Clan, f.clan);
  m.set(chat::PlayerName, f.playerName);
  m.set(chat::Text, f.text);
  m.set(chat::Sequence, f.sequence);
  return m;
}

std::string chatLine(const ChatMessage& m) {
  return m.get(chat::PlayerName).substr(0, kMaxPlayerName) + ": " +
         m.get(chat::Text).substr(0, kMaxChatText);
}

ChatMessage wellFormed(const ChatMessage& message) {
  ChatMessage m = message;
  m.set(chat::PlayerName, message.get(chat::PlayerName));
  m.set(chat::Text, message.get(chat::Text));
  return m;
}

FileRequest makeFileRequest(const platform::IpxAddress& server,
                            const platform::IpxAddress& requester, int32_t nextBlock) {
  FileRequest r;
  r.set(file_request::Kind, kKindFileRequest);
  setAddress(r, file_request::ServerAddress, server);
  setAddress(r, file_request::RequesterAddress, requester);
  r.set(file_request::NextBlock, nextBlock);
  return r;
}

FileBlock blockTemplate(const FileRequest& request, uint32_t fileLength) {
  // Only the request's own 52 bytes go into the block: nothing else received before can leak.
  FileBlock block = FileBlock::fromBytes(request.bytes());
  block.set(file_block::Kind, kKindFileSend);
  block.set(file_block::BlockIndex, 0);
  block.set(file_block::FileLength, int32_t(fileLength));
  return block;
}

platform::IpxAddress streamAddress(const platform::IpxAddress& coordination) {
  platform::IpxAddress stream = coordination;
  const uint16_t little = uint16_t(coordination.bytes[12] | coordination.bytes[13] << 8);
  const uint16_t next = uint16_t(little + 1);
  stream.bytes[12] = uint8_t(next & 0xFF);
  stream.bytes[13] = uint8_t(next >> 8);
  return stream;
}

}  // namespace lan
