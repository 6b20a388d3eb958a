// Where the map a server announced is, on this machine. The directory and file name come from
// the network: they are taken only when they name a file inside the game's own tree, and the
// search for an identical copy only reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace lan {

// A file name as announced: a bare name a DOS program can take, without drive, directory,
// wildcard or "..". The empty name (any file of the directory) is one too.
bool isBareFileName(std::string_view name);

// The announced directory made local: a relative one (or one without a drive) under `gameDir`,
// an absolute one as it is. Nothing when it has a ".." or "." component, a character no DOS
// name takes, or ends up outside `gameDir` (which ends in "\"). The result ends in "\".
std::optional<std::string> directoryInGame(std::string_view announced, const std::string& gameDir);

struct WantedFile {
  std::string dir;   // made local, ends in "\"
  std::string file;  // bare; empty: any name
  uint32_t size = 0;
  uint32_t time = 0;  // seconds since 1970
};

struct FoundFile {
  std::string dir;
  std::string file;
};

// The first identical copy (same size and modification time) of the wanted file: in the
// announced directory, in the game's "maps\", "map\" and "tc\", then in those directories at the
// root of every drive C to Y that has anything in its root.
std::optional<FoundFile> locateFile(const platform::FileSystem& fs, const WantedFile& wanted,
                                    const std::string& gameDir);

// Where a missing map is downloaded to: the game's "maps\" directory.
std::string downloadDirectory(const std::string& gameDir);

}  // namespace lan
