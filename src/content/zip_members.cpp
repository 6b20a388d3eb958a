#include "content/zip_members.h"

#include <algorithm>

#include "platform/byte_cursor.h"

namespace content {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kEntryHeaderSize = 46;
// The end record is followed by a comment of at most 65,535 bytes.
constexpr size_t kTailMax = kEndRecordSize + 0xFFFF;
// A central directory larger than this is no archive the file manager lists.
constexpr uint64_t kDirectoryMax = 4u << 20;

std::optional<size_t> endRecordAt(std::span<const uint8_t> tail) {
  if (tail.size() < kEndRecordSize) return std::nullopt;
  for (size_t at = tail.size() - kEndRecordSize + 1; at-- > 0;) {
    platform::ByteCursor in(tail.subspan(at));
    if (in.u32le() == kEndSignature) return at;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<ZipMember>> zipMembersOf(std::span<const uint8_t> tail,
                                                   uint64_t fileSize) {
  if (tail.size() > fileSize) return std::nullopt;
  const auto end = endRecordAt(tail);
  if (!end) return std::nullopt;
  platform::ByteCursor record(tail.subspan(*end));
  record.skip(4 + 2 + 2 + 2);
  const auto count = record.u16le();
  const auto directorySize = record.u32le();
  const auto directoryOffset = record.u32le();
  if (record.failed()) return std::nullopt;
  // Where the directory lies in `tail`: it must end where the end record starts.
  const uint64_t tailStart = fileSize - tail.size();
  const uint64_t endOffset = tailStart + *end;
  if (*directorySize > kDirectoryMax || uint64_t(*directoryOffset) + *directorySize > endOffset ||
      *directoryOffset < tailStart)
    return std::nullopt;
  platform::ByteCursor in(
      tail.subspan(size_t(*directoryOffset - tailStart), size_t(*directorySize)));

  std::vector<ZipMember> members;
  for (size_t i = 0; i < *count && members.size() < kMaxZipMembers; ++i) {
    if (in.u32le() != kEntrySignature) break;
    in.skip(16);
    in.u32le();  // compressed size
    const auto size = in.u32le();
    const auto nameLength = in.u16le();
    const auto extraLength = in.u16le();
    const auto commentLength = in.u16le();
    in.skip(kEntryHeaderSize - 34);
    if (in.failed()) break;
    const auto name = in.bytes(*nameLength);
    in.skip(size_t(*extraLength) + *commentLength);
    if (!name || in.failed()) break;
    if (name->empty() || name->size() > kMaxZipName ||
        std::find(name->begin(), name->end(), 0) != name->end())
      continue;
    ZipMember member;
    member.name.assign(name->begin(), name->end());
    member.size = *size;
    member.directory = member.name.back() == '/' || member.name.back() == '\\';
    members.push_back(std::move(member));
  }
  return members;
}

std::optional<std::vector<ZipMember>> readZipMembers(platform::FileSystem& fs,
                                                     const std::string& path) {
  const auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file) return std::nullopt;
  const uint64_t length = file->length();
  // The end record first, then as much before it as the directory it names.
  size_t want = size_t(std::min<uint64_t>(length, kTailMax));
  std::vector<uint8_t> tail(want);
  if (!file->seek(length - want) || file->read(tail.data(), want) != want) return std::nullopt;
  const auto end = endRecordAt(tail);
  if (!end) return std::nullopt;
  platform::ByteCursor record(std::span<const uint8_t>(tail).subspan(*end));
  record.skip(12);
  const auto directoryOffset = record.skip(4) ? record.u32le() : std::nullopt;
  if (!directoryOffset || *directoryOffset > length) return std::nullopt;
  const uint64_t endOffset = length - want + *end;
  if (*directoryOffset < length - want) {
    if (endOffset - *directoryOffset > kDirectoryMax + kTailMax) return std::nullopt;
    want = size_t(length - *directoryOffset);
    tail.resize(want);
    if (!file->seek(*directoryOffset) || file->read(tail.data(), want) != want) return std::nullopt;
  }
  return zipMembersOf(tail, length);
}

std::string zipMemberFileName(const std::string& member) {
  const size_t cut = member.find_last_of("/\\");
  std::string name = cut == std::string::npos ? member : member.substr(cut + 1);
  if (name == "." || name == "..") return {};
  return name;
}

}  // namespace content
