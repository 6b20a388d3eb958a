// The hit-point database: how often each file was launched, per game slot, for the favourites
// list. One file per slot in the start-up directory, "Quillfen95 New HitPoint DataBase.dat"
// followed by the slot number, holding up to 25 packed records of 287 bytes, most launched
// first. When the file is full, a new file takes the place of the least launched one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalogue/record_image.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace multiplayer {

struct HitPointTag {
  static constexpr size_t kSize = 287;
};

// X(Tag, Kind, Name, Offset, Size, Count)
//
// FilePath is the launched file's full path and Arguments the launch's command-line arguments
// as one text, each at most 128 characters. Year is the last two digits of the year, Month
// counts from 0 (January), Day from 1. Count is an unsigned 16-bit little-endian number (the
// record image has no 16-bit kind, so it is a raw region read and written through
// hitCount/setHitCount). Marker is 6969 in a record that was written. Unused is never written:
// zero in a new record, kept as read in the others.
#define QF_HIT_POINT_FIELDS(X, T)    \
  X(T, Text, FilePath, 0, 129, 1)    \
  X(T, Text, Arguments, 129, 129, 1) \
  X(T, Byte, Year, 258, 1, 1)        \
  X(T, Byte, Month, 259, 1, 1)       \
  X(T, Byte, Day, 260, 1, 1)         \
  X(T, Bytes, Count, 261, 2, 1)      \
  X(T, Int, Marker, 263, 4, 1)       \
  X(T, Bytes, Unused, 267, 20, 1)

namespace hit_point {
QF_HIT_POINT_FIELDS(QF_FIELD_DECLARE, HitPointTag)
inline constexpr std::array<catalogue::FieldInfo,
                            0 QF_HIT_POINT_FIELDS(QF_FIELD_COUNT, HitPointTag)>
    kFields{{QF_HIT_POINT_FIELDS(QF_FIELD_DESCRIBE, HitPointTag)}};
static_assert(catalogue::isValidLayout(kFields, HitPointTag::kSize));
// Packed: the fields cover the record to its last byte.
static_assert(kFields.back().end() == HitPointTag::kSize);
static_assert(Count.offset == 261 && Count.size == 2 && Marker.offset == 263);
}  // namespace hit_point

using HitPointRecord = catalogue::Record<HitPointTag>;

inline constexpr const char* kHitPointFile = "Quillfen95 New HitPoint DataBase.dat";
inline constexpr size_t kMaxHitPoints = 25;
inline constexpr int32_t kHitPointMarker = 6969;
inline constexpr uint16_t kMaxHitCount = 65535;

uint16_t hitCount(const HitPointRecord& record);
void setHitCount(HitPointRecord& record, uint16_t count);

// One line of the favourites list and the file it stands for.
struct HitPointFavourite {
  std::string line;  // "002  [08-Dec-26]  HELL.MAP"
  std::string path;  // the full path as recorded
};

// The record of one launch of `file` today: count 1, marked.
HitPointRecord launchRecord(const std::string& file, const std::string& arguments,
                            const platform::LocalDate& today);

// The records of a hit-point file: its whole records, at most the first 25, as they are (marked
// or not). Bytes past the last whole record are no record.
std::vector<HitPointRecord> parseHitPoints(std::span<const uint8_t> bytes);

// Counts the launch `launch` into `records`: a record of the same path gives way to it with its
// count added; a new path is added while there is room, else it takes the place of the least
// launched record (the earliest of equals). The records end sorted as the file keeps them.
void countLaunch(std::vector<HitPointRecord>& records, const HitPointRecord& launch);

// Most launched first; equal counts the most recent first; then by their bytes.
bool launchedBefore(const HitPointRecord& a, const HitPointRecord& b);

// The favourites line of one record: count, date and the first 21 characters of the file's
// name.
std::string favouriteLine(const HitPointRecord& record);

// The favourites of the marked records among the first 25, in the records' order.
std::vector<HitPointFavourite> favouritesOf(std::span<const HitPointRecord> records);

class HitPointDatabase {
 public:
  // `startupDir` is a DOS path ending in "\".
  HitPointDatabase(platform::FileSystem& fs, std::string startupDir);

  // The file of `slot`: "C:\QF95\Quillfen95 New HitPoint DataBase.dat3".
  std::string path(int slot) const;
  // The records of `slot`'s file; none when it is missing or cannot be read.
  std::vector<HitPointRecord> records(int slot) const;
  // Counts one launch of `file` on `today` and rewrites the slot's file whole. False when the
  // file could not be written (fs.lastErrorText() says why); the file is then as it was.
  bool recordLaunch(int slot, const std::string& file, const std::string& arguments,
                    const platform::LocalDate& today);
  std::vector<HitPointFavourite> favourites(int slot) const;

 private:
  platform::FileSystem& fs_;
  std::string startupDir_;
};

}  // namespace multiplayer
