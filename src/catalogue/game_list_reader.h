// Reader of the game list file: a sequence of entries, each a header line "[Name]" followed
// by setting lines `Key = "value"`. Lookups are confined to the current entry.
#pragma once

#include <string>
#include <string_view>

namespace catalogue {

class GameListReader {
 public:
  // The whole file content; lines end in LF or CR LF.
  explicit GameListReader(std::string content);

  // Moves to the next entry; false at the end of the file.
  bool NextEntry();
  // The name of the current entry: its header line without the first and the last character.
  const std::string& entryName() const { return name_; }
  // The value of `key` in the current entry: the text between the first and the last double
  // quote of the first line that starts with key + " =" or key + "="; empty when the key is
  // absent or its line holds no quoted value. Keys compare case-sensitively.
  std::string ReadSetting(std::string_view key) const;
  bool atEnd() const { return ended_; }

 private:
  // The line starting at `pos` (without its line end) and the position after it.
  std::string_view lineAt(size_t pos, size_t* next) const;

  std::string content_;
  size_t entryStart_ = 0;  // just after the current entry's header line
  size_t scan_ = 0;        // where the search for the next header starts
  std::string name_;
  bool ended_ = false;
};

}  // namespace catalogue
