// The listings of the host directories used last, with their 8.3 aliases and the entries' types
// as listed, so that a search over a big directory does not work out every alias again for each
// pattern nor look at each entry. A kept listing is used only while the directory still looks
// unchanged: same inode, modification and change times (nanoseconds), size and link count. A
// change through any program updates those times, but only to the file system's granularity
// (2 s on FAT, whole seconds on some others, a clock tick of a few ms on the usual Linux ones): a
// directory whose times are that recent is listed again every time, its aliases reused only when
// its names and their order are still the same.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/directory_entries.h"
#include "platform/short_names.h"

namespace platform {

// What a directory's listing says an entry is. kLook: only a look at the entry itself tells (a
// symbolic link, or a file system whose listing does not say).
enum class ListedType : uint8_t { kLook, kFile, kDirectory };

// A directory's listing with the type of each entry as the host listed it.
struct CachedDirectory {
  std::shared_ptr<const DirectoryListing> listing;
  std::shared_ptr<const std::vector<ListedType>> types;  // one per name
};

struct DirectoryCacheLimits {
  size_t directories = 8;
  // Names kept over all directories; the one used last is kept whatever its size.
  size_t entries = 100000;
};

class DirectoryCache {
 public:
  using Limits = DirectoryCacheLimits;
  // Nanoseconds since the epoch, on the clock the file systems stamp their times with.
  using Clock = std::function<int64_t()>;

  static int64_t realTime() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
  }

  explicit DirectoryCache(Limits limits = {}, Clock clock = realTime)
      : limits_(limits), clock_(std::move(clock)) {}

  // The listing of the directory open as `fd`; nothing when it cannot be read.
  std::shared_ptr<const DirectoryListing> listing(int fd) { return entries(fd).listing; }

  // The same with the entries' types; both empty when it cannot be read.
  CachedDirectory entries(int fd) {
    const int64_t start = clock_();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    const Stamp stamp = stampOf(st);
    std::shared_ptr<const DirectoryListing> kept;
    {
      std::lock_guard lock(mutex_);
      auto slot = findSlot(stamp.device, stamp.inode);
      if (slot != slots_.end()) {
        if (slot->settled && slot->stamp == stamp) {
          std::rotate(slots_.begin(), slot, slot + 1);
          return slots_.front().directory;
        }
        kept = slot->directory.listing;
      }
    }
    auto read = readEntries(fd, kept.get());
    if (!read) return {};
    // The aliases depend on nothing but the names in their order: a file replaced through a
    // rename, say, changes the directory's times and leaves them as they were. The types are
    // always the ones just read.
    CachedDirectory directory;
    directory.listing =
        read->sameAsKept ? kept : std::make_shared<const DirectoryListing>(std::move(read->names));
    directory.types = std::make_shared<const std::vector<ListedType>>(std::move(read->types));
    // Settled: any later change gets later times than these, so the stamp shows it.
    const bool settled = start - std::max(stamp.modified, stamp.changed) >= settleTime(st);
    keep({stamp, directory, settled});
    return directory;
  }

  // After a change made through this program to the host directory `dir`: it is listed again
  // on its next use, however recent the change.
  void forget(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0) return;
    std::lock_guard lock(mutex_);
    auto slot = findSlot(st.st_dev, st.st_ino);
    if (slot != slots_.end()) slot->settled = false;
  }

  // How many directories are kept.
  size_t size() const {
    std::lock_guard lock(mutex_);
    return slots_.size();
  }

 private:
  // Longer than the directory's time stamp granularity, with room for clock skew: whole seconds
  // (FAT even has 2 s) unless its times show parts of a second.
  static int64_t settleTime(const struct stat& st) {
    const bool fine = st.st_mtim.tv_nsec != 0 || st.st_ctim.tv_nsec != 0;
    return fine ? 1'000'000'000 : 3'000'000'000;
  }

  struct Stamp {
    dev_t device;
    ino_t inode;
    int64_t modified, changed;
    off_t size;
    nlink_t links;
    bool operator==(const Stamp&) const = default;
  };
  struct Slot {
    Stamp stamp;
    CachedDirectory directory;
    bool settled;
  };

  static Stamp stampOf(const struct stat& st) {
    auto ns = [](const timespec& t) { return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {st.st_dev, st.st_ino, ns(st.st_mtim), ns(st.st_ctim), st.st_size, st.st_nlink};
  }

  struct Read {
    std::vector<std::string> names;  // empty when they are the kept ones
    std::vector<ListedType> types;
    bool sameAsKept = false;
  };

  static ListedType typeOf(unsigned char type) {
    switch (type) {
      case DT_DIR:
        return ListedType::kDirectory;
      case DT_LNK:
      case DT_UNKNOWN:
        return ListedType::kLook;
      default:
        // Devices, FIFOs and sockets are files to DOS, as a look at them says too.
        return ListedType::kFile;
    }
  }

  // The names in the order the host lists them, which is the order DOSBox numbers the
  // aliases in, with their types. While they are the names of `kept` in the same order, none
  // is copied: a big directory read again after a change elsewhere mostly is.
  static std::optional<Read> readEntries(int fd, const DirectoryListing* kept) {
    // The descriptor may have been read before.
    if (::lseek(fd, 0, SEEK_SET) < 0) return std::nullopt;
    Read read;
    const std::vector<std::string>* same = kept ? &kept->names() : nullptr;
    size_t matched = 0;  // names equal to the kept ones so far
    if (same) read.types.reserve(same->size());
    const bool whole = forEachDirectoryEntry(fd, [&](std::string_view name, unsigned char type) {
      if (same && matched < same->size() && (*same)[matched] == name) {
        ++matched;
      } else {
        if (same) {
          read.names.assign(same->begin(), same->begin() + ptrdiff_t(matched));
          same = nullptr;
        }
        read.names.emplace_back(name);
      }
      read.types.push_back(typeOf(type));
    });
    if (!whole) return std::nullopt;
    if (same && matched == same->size()) {
      read.sameAsKept = true;
    } else if (same) {  // the kept ones and then some that are gone
      read.names.assign(same->begin(), same->begin() + ptrdiff_t(matched));
    }
    return read;
  }

  std::vector<Slot>::iterator findSlot(dev_t device, ino_t inode) {
    return std::find_if(slots_.begin(), slots_.end(), [&](const Slot& s) {
      return s.stamp.device == device && s.stamp.inode == inode;
    });
  }

  // Most recent first; the oldest go while over either limit.
  void keep(Slot slot) {
    std::lock_guard lock(mutex_);
    auto old = findSlot(slot.stamp.device, slot.stamp.inode);
    if (old != slots_.end()) slots_.erase(old);
    slots_.insert(slots_.begin(), std::move(slot));
    size_t entries = 0;
    size_t count = 0;
    for (const Slot& s : slots_) {
      entries += s.directory.listing->size();
      if (count > 0 && (count >= limits_.directories || entries > limits_.entries)) break;
      ++count;
    }
    slots_.erase(slots_.begin() + ptrdiff_t(count), slots_.end());
  }

  const Limits limits_;
  const Clock clock_;
  mutable std::mutex mutex_;
  std::vector<Slot> slots_;
};

}  // namespace platform
