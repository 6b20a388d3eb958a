#include "catalogue/run_with.h"

#include <algorithm>

#include "catalogue/catalogue_files.h"
#include "platform/dos_path.h"

namespace catalogue {

namespace {

// A file of settings a player could grow by hand; anything larger is not one.
constexpr size_t kMaxFileSize = 1u << 20;

bool needsQuotes(const std::string& argument) {
  return argument.empty() || argument.find_first_of(" \t\"\\") != std::string::npos;
}

std::string pathOf(const std::string& programDir) {
  return platform::dos::withTrailingSeparator(programDir) + RunWithSettings::kFileName;
}

}  // namespace

RunWithSettings RunWithSettings::load(platform::FileSystem& fs, const std::string& programDir) {
  auto handle = fs.open(pathOf(programDir), platform::OpenMode::kRead);
  if (!handle) return {};
  std::string text(size_t(std::min<uint64_t>(handle->length(), kMaxFileSize)), '\0');
  text.resize(handle->read(text.data(), text.size()));
  return parse(text);
}

bool RunWithSettings::save(platform::FileSystem& fs, const std::string& programDir) const {
  const std::string content = text();
  return fs.replaceWhole(pathOf(programDir), std::vector<uint8_t>(content.begin(), content.end()));
}

RunWith RunWithSettings::get(int slot) const {
  auto at = slots_.find(slot);
  return at == slots_.end() ? RunWith{} : at->second;
}

void RunWithSettings::set(int slot, RunWith runWith) {
  if (!runWith.native && runWith.program.empty() && runWith.arguments.empty())
    slots_.erase(slot);
  else
    slots_[slot] = std::move(runWith);
}

RunWithSettings RunWithSettings::parse(const std::string& text) {
  RunWithSettings settings;
  RunWith* section = nullptr;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    // CR LF ends a line as LF does; a CR elsewhere ends the line's value, as the writer cuts it.
    line.resize(std::min(line.size(), line.find('\r')));
    if (line.size() >= 3 && line.front() == '[' && line.back() == ']') {
      const std::string number = line.substr(1, line.size() - 2);
      section = nullptr;
      if (number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos)
        continue;
      const int slot = std::stoi(number);
      if (slot <= kHighestSlot) section = &settings.slots_[slot];
      continue;
    }
    if (!section) continue;
    if (line.starts_with("RunWith="))
      section->native = line.substr(8) == "native";
    else if (line.starts_with("Program="))
      section->program = line.substr(8);
    else if (line.starts_with("Argument="))
      section->arguments.push_back(line.substr(9));
  }
  // Sections that say nothing are the default.
  std::erase_if(settings.slots_, [](const auto& entry) { return entry.second == RunWith{}; });
  return settings;
}

std::string RunWithSettings::text() const {
  // A line break would start a line of its own: a value is kept up to its first one.
  auto oneLine = [](const std::string& value) {
    return value.substr(0, value.find_first_of("\r\n"));
  };
  std::string out;
  for (const auto& [slot, runWith] : slots_) {
    out.append("[").append(std::to_string(slot)).append("]\n");
    out.append("RunWith=").append(runWith.native ? "native" : "dosbox").append("\n");
    out.append("Program=").append(oneLine(runWith.program)).append("\n");
    for (const std::string& argument : runWith.arguments)
      out.append("Argument=").append(oneLine(argument)).append("\n");
  }
  return out;
}

std::string joinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    if (!needsQuotes(argument)) {
      line += argument;
      continue;
    }
    line += '"';
    for (char c : argument) {
      if (c == '"' || c == '\\') line += '\\';
      line += c;
    }
    line += '"';
  }
  return line;
}

std::vector<std::string> splitArguments(const std::string& line) {
  std::vector<std::string> arguments;
  std::string word;
  bool inWord = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
      word += line[++i];
      inWord = true;
    } else if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) arguments.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) arguments.push_back(std::move(word));
  return arguments;
}

}  // namespace catalogue
