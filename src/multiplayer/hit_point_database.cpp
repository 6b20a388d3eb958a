#include "multiplayer/hit_point_database.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <utility>

#include "platform/byte_cursor.h"

namespace multiplayer {

namespace {

constexpr size_t kMaxFileBytes = kMaxHitPoints * HitPointRecord::kSize;
constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The first bytes of the file, no more than 25 records' worth: a file grown by anyone else
// is never read whole. Nothing when it exists but cannot be read; empty when it is missing.
std::optional<std::vector<uint8_t>> readHead(platform::FileSystem& fs, const std::string& path) {
  auto file = fs.open(path, platform::OpenMode::kRead);
  if (!file) {
    if (fs.exists(path)) return std::nullopt;
    return std::vector<uint8_t>{};
  }
  std::vector<uint8_t> bytes(kMaxFileBytes);
  size_t got = 0;
  while (got < bytes.size()) {
    const size_t n = file->read(bytes.data() + got, bytes.size() - got);
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

uint8_t twoDigitYear(int year) {
  return static_cast<uint8_t>((year % 100 + 100) % 100);
}

}  // namespace

uint16_t hitCount(const HitPointRecord& record) {
  const std::span<const uint8_t> count = record.get(hit_point::Count);
  return static_cast<uint16_t>(count[0] | count[1] << 8);
}

void setHitCount(HitPointRecord& record, uint16_t count) {
  const std::span<uint8_t> field = record.region(hit_point::Count);
  field[0] = static_cast<uint8_t>(count);
  field[1] = static_cast<uint8_t>(count >> 8);
}

HitPointRecord launchRecord(const std::string& file, const std::string& arguments,
                            const platform::LocalDate& today) {
  HitPointRecord record;
  record.set(hit_point::FilePath, file);
  record.set(hit_point::Arguments, arguments);
  record.set(hit_point::Year, twoDigitYear(today.year));
  record.set(hit_point::Month, static_cast<uint8_t>(today.month - 1));
  record.set(hit_point::Day, static_cast<uint8_t>(today.day));
  setHitCount(record, 1);
  record.set(hit_point::Marker, kHitPointMarker);
  return record;
}

std::vector<HitPointRecord> parseHitPoints(std::span<const uint8_t> bytes) {
  std::vector<HitPointRecord> records;
  platform::ByteCursor in(bytes);
  while (records.size() < kMaxHitPoints) {
    const auto record = in.bytes(HitPointRecord::kSize);
    if (!record) break;
    records.push_back(HitPointRecord::fromBytes(*record));
  }
  return records;
}

bool launchedBefore(const HitPointRecord& a, const HitPointRecord& b) {
  if (hitCount(a) != hitCount(b)) return hitCount(a) > hitCount(b);
  for (const auto* part : {&hit_point::Year, &hit_point::Month, &hit_point::Day})
    if (a.get(*part) != b.get(*part)) return a.get(*part) > b.get(*part);
  return std::lexicographical_compare(a.bytes().begin(), a.bytes().end(), b.bytes().begin(),
                                      b.bytes().end());
}

void countLaunch(std::vector<HitPointRecord>& records, const HitPointRecord& launch) {
  // The path as the launch's record holds it (cut to its field), so a long path matches itself.
  const std::string path = launch.get(hit_point::FilePath);
  size_t leastLaunched = 0;
  bool counted = false;
  for (size_t i = 0; i < records.size(); ++i) {
    if (hitCount(records[i]) < hitCount(records[leastLaunched])) leastLaunched = i;
    if (records[i].get(hit_point::FilePath) != path) continue;
    const uint32_t sum = uint32_t(hitCount(records[i])) + hitCount(launch);
    records[i] = launch;
    // Guard: a file launched 65535 times stays at the top instead of wrapping to 0.
    setHitCount(records[i], static_cast<uint16_t>(std::min<uint32_t>(sum, kMaxHitCount)));
    counted = true;
    break;
  }
  if (!counted) {
    if (records.size() < kMaxHitPoints)
      records.push_back(launch);
    else
      records[leastLaunched] = launch;
  }
  std::sort(records.begin(), records.end(), launchedBefore);
}

std::string favouriteLine(const HitPointRecord& record) {
  const uint8_t month = record.get(hit_point::Month);
  const char* monthName = month < std::size(kMonthNames) ? kMonthNames[month] : "???";
  char date[32];
  std::snprintf(date, sizeof date, "%2.2i-%3.3s-%2.2i", int(record.get(hit_point::Day)), monthName,
                int(record.get(hit_point::Year)));
  const std::string path = record.get(hit_point::FilePath);
  const size_t cut = path.rfind('\\');
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  char line[64];
  std::snprintf(line, sizeof line, "%3.3i  [%9.9s]  %.21s", int(hitCount(record)), date,
                name.c_str());
  return line;
}

std::vector<HitPointFavourite> favouritesOf(std::span<const HitPointRecord> records) {
  std::vector<HitPointFavourite> favourites;
  for (const HitPointRecord& record : records.first(std::min(records.size(), kMaxHitPoints))) {
    if (record.get(hit_point::Marker) != kHitPointMarker) continue;
    favourites.push_back({favouriteLine(record), record.get(hit_point::FilePath)});
  }
  return favourites;
}

HitPointDatabase::HitPointDatabase(platform::FileSystem& fs, std::string startupDir)
    : fs_(fs), startupDir_(std::move(startupDir)) {}

std::string HitPointDatabase::path(int slot) const {
  return startupDir_ + kHitPointFile + std::to_string(slot);
}

std::vector<HitPointRecord> HitPointDatabase::records(int slot) const {
  const auto bytes = readHead(fs_, path(slot));
  return bytes ? parseHitPoints(*bytes) : std::vector<HitPointRecord>{};
}

bool HitPointDatabase::recordLaunch(int slot, const std::string& file, const std::string& arguments,
                                    const platform::LocalDate& today) {
  const std::string target = path(slot);
  const auto bytes = readHead(fs_, target);
  // A file that is there but cannot be read is not written over: its counts would be lost.
  if (!bytes) return false;
  std::vector<HitPointRecord> list = parseHitPoints(*bytes);
  countLaunch(list, launchRecord(file, arguments, today));
  std::vector<uint8_t> out;
  out.reserve(list.size() * HitPointRecord::kSize);
  for (const HitPointRecord& record : list)
    out.insert(out.end(), record.bytes().begin(), record.bytes().end());
  fs_.setAttributesNormal(target);
  return fs_.replaceWhole(target, out);
}

std::vector<HitPointFavourite> HitPointDatabase::favourites(int slot) const {
  return favouritesOf(records(slot));
}

}  // namespace multiplayer
