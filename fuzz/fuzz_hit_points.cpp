// Any bytes as a slot's hit-point file: the reader keeps to the file's first 25 whole records,
// the favourites lines keep to their width, and a counted launch rewrites the file as whole,
// sorted records, one more only when there was room, the launched file among them.
//
// Input: the file itself. Two launches are counted into it: the file of its first record (a
// file already listed) and one it cannot hold (a new file).
// Seeds (fuzz/corpus/hit_points/): files the database wrote (two records, a full 25), one cut
// short mid-record, and 30 records with one never marked.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "multiplayer/hit_point_database.h"
#include "platform/fake/fake_file_system.h"

namespace {

using multiplayer::HitPointRecord;
namespace hp = multiplayer::hit_point;

constexpr int kSlot = 7;
// Count, two spaces, the bracketed date of nine, two spaces, 21 characters of the name.
constexpr size_t kLongestLine = 5 + 2 + 11 + 2 + 21;

void countAndCheck(multiplayer::HitPointDatabase& db, platform::FakeFileSystem& fs,
                   const std::string& file) {
  const std::vector<HitPointRecord> before = db.records(kSlot);
  const std::string stored = multiplayer::launchRecord(file, "", {}).get(hp::FilePath);
  auto same = std::find_if(before.begin(), before.end(),
                           [&](const HitPointRecord& r) { return r.get(hp::FilePath) == stored; });
  if (!db.recordLaunch(kSlot, file, "-map " + file, {2026, 12, 8})) __builtin_trap();

  const auto bytes = fs.readWhole(db.path(kSlot));
  if (!bytes || bytes->size() % HitPointRecord::kSize != 0) __builtin_trap();
  const std::vector<HitPointRecord> after = multiplayer::parseHitPoints(*bytes);
  if (after.size() * HitPointRecord::kSize != bytes->size()) __builtin_trap();
  const size_t expected = same != before.end()
                              ? before.size()
                              : std::min(before.size() + 1, multiplayer::kMaxHitPoints);
  if (after.size() != expected) __builtin_trap();
  if (!std::is_sorted(after.begin(), after.end(), multiplayer::launchedBefore)) __builtin_trap();

  // The file may have held the path more than once: the first of them is the one counted.
  const uint32_t old = same != before.end() ? multiplayer::hitCount(*same) : 0;
  const uint32_t count = std::min<uint32_t>(old + 1, multiplayer::kMaxHitCount);
  if (std::none_of(after.begin(), after.end(), [&](const HitPointRecord& r) {
        return r.get(hp::FilePath) == stored && multiplayer::hitCount(r) == count &&
               r.get(hp::Marker) == multiplayer::kHitPointMarker;
      }))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::FakeFileSystem fs;
  fs.makeDirectories("C:\\QF95\\");
  multiplayer::HitPointDatabase db(fs, "C:\\QF95\\");
  fs.putFile(db.path(kSlot), std::vector<uint8_t>(data, data + size));

  const std::vector<HitPointRecord> records = db.records(kSlot);
  if (records.size() != std::min(size / HitPointRecord::kSize, multiplayer::kMaxHitPoints))
    __builtin_trap();
  for (size_t i = 0; i < records.size(); ++i)
    if (!std::equal(records[i].bytes().begin(), records[i].bytes().end(),
                    data + i * HitPointRecord::kSize))
      __builtin_trap();
  const auto favourites = db.favourites(kSlot);
  if (favourites.size() > records.size()) __builtin_trap();
  for (const auto& favourite : favourites)
    if (favourite.line.size() > kLongestLine || favourite.path.size() > hp::FilePath.size)
      __builtin_trap();

  if (!records.empty()) countAndCheck(db, fs, records.front().get(hp::FilePath));
  countAndCheck(db, fs, "D:\\MAPS\\" + std::string(140, 'N') + ".MAP");
  return 0;
}
