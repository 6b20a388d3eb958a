#include "content/editor_file_list.h"

#include <algorithm>

#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

std::vector<std::string> editorFileEntries(platform::FileSystem& fs, const std::string& dir,
                                           std::initializer_list<std::string_view> extensions) {
  std::vector<std::string> directories, files;
  for (const platform::FindData& found : fs.find(dir + "*.*")) {
    if (found.isDirectory()) {
      if (found.longName != "." && found.longName != "..")
        directories.push_back("[" + found.longName + "]");
    } else if (std::any_of(extensions.begin(), extensions.end(), [&](std::string_view e) {
                 return platform::dos::endsWithIgnoreCase(found.longName, e);
               })) {
      files.push_back(found.longName);
    }
  }
  auto byName = [](const std::string& a, const std::string& b) {
    return platform::dos::toLower(a) < platform::dos::toLower(b);
  };
  std::sort(directories.begin(), directories.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  if (std::count(dir.begin(), dir.end(), '\\') > 1) directories.insert(directories.begin(), "[..]");
  directories.insert(directories.end(), files.begin(), files.end());
  return directories;
}

std::optional<std::string> walkedDirectory(const std::string& dir, const std::string& entry) {
  if (entry.size() <= 2 || entry.front() != '[' || entry.back() != ']') return std::nullopt;
  const std::string name = entry.substr(1, entry.size() - 2);
  if (name != "..") return dir + name + "\\";
  const std::string parent = platform::dos::directoryOf(dir.substr(0, dir.size() - 1));
  return parent.empty() ? dir : parent;
}

}  // namespace content
