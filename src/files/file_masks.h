// The file masks of the four file lists, made from the current game's 18 file kinds: each list
// shows the kinds whose flag for that list is set, in kind order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/game_info_record.h"

namespace files {

inline constexpr size_t kFileKinds = 18;
inline constexpr size_t kFileLists = 4;

// The four lists: the left one and the three directory tabs of the right-hand side.
enum FileListIndex : size_t {
  kShortDirList = 0,  // left list, 8.3 names, kinds flagged FileKindShortDir
  kLongDirList = 1,   // "Long Name Dir" tab, long names, FileKindLongDir
  kMisc1DirList = 2,  // "Misc1 Dir" tab, FileKindMisc1Dir
  kMisc2DirList = 3,  // "Misc2 Dir" tab, FileKindMisc2Dir
};

struct KindMask {
  std::string mask;  // a FindFirstFile pattern for the list's working directory
  int kind = 0;      // the file kind (0-17) it was made from
  bool operator==(const KindMask&) const = default;
};

// The patterns of one kind's extension text: "MAP" gives "*.MAP", ".MAP" gives "*.MAP", and a
// whole name such as "GAME.CON" gives itself and the same with one to four "?" in front (so
// that "USERGAME.CON" is found too). An empty text gives nothing: the kind is not in use.
std::vector<std::string> masksForExtension(std::string_view extension);

// The first kind whose extension (with a "." put in front when it has none) is in the name,
// compared without regard to case; -1 when none is.
int fileKindOfName(const catalogue::GameInfoRecord& game, const std::string& name);

// The masks of one list, in kind order.
std::vector<KindMask> masksForList(const catalogue::GameInfoRecord& game, size_t list);

}  // namespace files
