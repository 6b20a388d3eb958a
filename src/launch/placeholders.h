// The placeholder language of the option lines: "<var>", "<fileonly>", "<path_s>" and the rest
// are replaced in one piece of a line by values of the line, the records and the launch. Both
// passes share the table; some rows belong to one pass only, and only the configuration pass
// copies files into place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "launch/launch_state.h"
#include "launch/option_line.h"
#include "platform/file_system.h"

namespace launch {

enum class Pass { kCommandLine, kConfig };

// The records a launch reads its values from.
struct LaunchRecords {
  const catalogue::GameInfoRecord& game;
  const catalogue::GameDataRecord& data;
};


class PlaceholderExpander {
 public:
  // `startSelectedDir` is the selected directory at the start of the launch; `state.SelectedDir`
  // holds its value after the command-line pass (which "<path_s>" may have changed).
  PlaceholderExpander(Pass pass, LaunchRecords records, LaunchState& state,
                      platform::FileSystem& fs, std::string startSelectedDir = {});

  // Every row in order, on `piece`, a piece of line `index` of `lines`.
  void expand(std::string& piece, OptionLines& lines, size_t index);
  // The rows up to the file names ("<map>" … "<fileonly_name N>").
  void expandLeadingRows(std::string& piece, OptionLines& lines, size_t index);
  // The rows from the values on ("<var>" … "<path_s>"). The command-line pass looks at the
  // piece between the two halves.
  void expandTrailingRows(std::string& piece, OptionLines& lines, size_t index);

 private:
  // Replaces the first `name` by `value`; the text after it resumes `resume` characters after
  // the placeholder's start (its own length unless a row says otherwise). Marks the line.
  bool replaceFirst(std::string& piece, std::string_view name, std::string_view value,
                    OptionLine& line, size_t resume = 0);
  // Position of the first "<prefix" + digit 1–5 + ">" in the piece, with that digit.
  static size_t findNumbered(const std::string& piece, std::string_view prefix, int& slot);
  std::string mapValue(const OptionLine& line) const;
  void placeFileName(std::string& piece, OptionLines& lines, const OptionLine& line);
  void copyIfMissing(const std::string& from, const std::string& to, bool remember);

  Pass pass_;
  LaunchRecords records_;
  LaunchState& state_;
  platform::FileSystem& fs_;
  std::string startSelectedDir_;
};

}  // namespace launch
