// The text operations on a whole CON, INI or configuration file held in memory: find a literal
// key, read the value after it, and set the line a key starts. Files are never parsed; every
// operation is a search for the key's exact bytes (case matters) in the raw text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace content {

// Byte classes, plain ASCII. A value character is a letter, digit, punctuation character or
// the blank; a line character is a value character or a tab. Every other byte (CR, LF, NUL,
// control bytes, bytes above 0x7E) ends a value or a line.
bool isValueChar(unsigned char c);
bool isLineChar(unsigned char c);

class KeyScanner {
 public:
  static constexpr int kErrorKeyNotFound = 25;
  // Longest value findValue copies.
  static constexpr size_t kMaxValue = 80;

  enum class Anchor {
    kAnywhere,   // the first occurrence anywhere in the text, comments included
    kLineStart,  // only at the start of the text or right after a CR or LF
  };

  enum class SetResult {
    kReplaced,  // the key's line was rewritten
    kAppended,  // the key was missing and a new line was added at the end
    kNotFound,  // the key was missing and appending is off: the text is unchanged
    kNoRoom,    // the edit would make the text longer than the capacity: unchanged
  };

  // Position of the first occurrence of `key`; nothing for a missing or empty key.
  static std::optional<size_t> findKey(std::string_view text, std::string_view key,
                                       Anchor anchor = Anchor::kAnywhere);
  // The value after the first occurrence of `key`: up to kMaxValue value characters, leading
  // white space removed. Empty when the key is missing.
  static std::string findValue(std::string_view text, std::string_view key,
                               Anchor anchor = Anchor::kAnywhere);

  // A key's value in an INI-style line: the first occurrence of `key` at or after `from`, up
  // to 200 bytes after it, blanks and a quote skipped, the value after its first "=". Nothing
  // when the key is missing; `position` is where the key stands.
  struct IniValue {
    size_t position;
    std::string value;
  };
  static constexpr size_t kMaxIniValue = 200;
  static std::optional<IniValue> findIniValue(std::string_view text, size_t from,
                                              std::string_view key);

  // Replaces the line `key` starts (its first occurrence anywhere): the run of value
  // characters from the key becomes `key` + `value` (the key keeps its trailing blank). A
  // missing key with appending on adds the key, a blank, `value` and CR LF at the end.
  SetResult replaceLine(std::string& text, std::string_view key, std::string_view value);
  // The same for a key line and the one continuation line after its CR LF.
  SetResult replaceTwoLines(std::string& text, std::string_view key, std::string_view value);

  // When on, setLine adds a key it cannot find; when off it notes kErrorKeyNotFound instead.
  void setAppendMissing(bool on) { appendMissing_ = on; }
  bool appendMissing() const { return appendMissing_; }
  // The most bytes the text may hold after an edit (the size of the caller's file buffer).
  void setCapacity(size_t bytes) { capacity_ = bytes; }
  size_t capacity() const { return capacity_; }

  // Sets the line that `key` starts (first occurrence at a line start). The old line is the run
  // of line characters from the key; it becomes `key` + `joint` + `value` and the rest of the
  // text moves to fit. A missing key, with appending on, adds `key`, one blank, `value` and
  // CR LF at the end, after a CR LF when the text is not empty and does not end in LF.
  SetResult setLine(std::string& text, std::string_view key, std::string_view value,
                    std::string_view joint = {});

  // kErrorKeyNotFound once setLine missed a key with appending off; 0 otherwise.
  int error() const { return error_; }
  void clearError() { error_ = 0; }

 private:
  SetResult replaceRun(std::string& text, std::string_view key, std::string_view value,
                       bool withContinuation);
  SetResult appendKey(std::string& text, std::string_view key, std::string_view value);

  bool appendMissing_ = false;
  size_t capacity_ = std::string::npos;
  int error_ = 0;
};

}  // namespace content
