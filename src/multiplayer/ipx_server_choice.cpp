#include "multiplayer/ipx_server_choice.h"

#include <algorithm>

#include "platform/dos_path.h"

namespace multiplayer {

namespace {

// The first line, without its end and surrounding blanks.
std::string firstLine(const std::vector<uint8_t>& bytes) {
  std::string text(bytes.begin(), std::find_if(bytes.begin(), bytes.end(),
                                               [](uint8_t c) { return c == '\r' || c == '\n'; }));
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

}  // namespace

IpxServerChoice::IpxServerChoice(platform::Network& network, platform::FileSystem& fs,
                                 std::string startupDir)
    : network_(network),
      fs_(fs),
      startupDir_(platform::dos::withTrailingSeparator(std::move(startupDir))) {}

void IpxServerChoice::applyStored() {
  problem_.clear();
  if (fixed()) return;
  const auto bytes = fs_.readWhole(path());
  if (!bytes) return;
  const std::string text = firstLine(*bytes);
  if (text.empty()) return;
  std::string error;
  if (text.size() > kMaxText || !network_.setIpxServer(text, error))
    problem_ = path() + ": " + (error.empty() ? "the line is too long" : error);
}

bool IpxServerChoice::choose(const std::string& text, std::string& error) {
  if (text == current()) return true;
  if (text.size() > kMaxText) {
    error = "\"" + text.substr(0, kMaxText) + "...\" is too long for a server address";
    return false;
  }
  const std::string before = current();
  if (!network_.setIpxServer(text, error)) return false;
  const std::string line = text + "\r\n";
  if (!fs_.replaceWhole(path(), std::vector<uint8_t>(line.begin(), line.end()))) {
    const std::string why = fs_.lastErrorText();
    error = path() + " could not be written" + (why.empty() ? "" : ": " + why);
    std::string ignored;
    if (!before.empty()) network_.setIpxServer(before, ignored);
    return false;
  }
  return true;
}

}  // namespace multiplayer
