#include "content/con_editor.h"

#include <algorithm>

#include "content/editor_file_list.h"
#include "content/key_scanner.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace content {

namespace {

// The words with one blank between each two, empty words included ("%s %s %s").
std::string join(std::initializer_list<const std::string*> words) {
  std::string out;
  for (const std::string* w : words) {
    if (w != *words.begin()) out += ' ';
    out += *w;
  }
  return out;
}

}  // namespace

ConEditor::ConEditor(platform::FileSystem& fs, platform::Prompter& prompter,
                     const std::string& selectedName, const std::string& directory, bool version15)
    : fs_(fs),
      prompter_(prompter),
      data_(readEpisodeData(fs, selectedName, platform::dos::withTrailingSeparator(directory),
                            version15)),
      listDirectory_(data_.conDirectory) {}

std::vector<std::string> ConEditor::tabs() const {
  std::vector<std::string> tabs;
  for (int v = 0; v < data_.volumeCount; ++v)
    tabs.push_back("Vol" + std::to_string(v) + " : " + data_.volumeName[size_t(v)]);
  return tabs;
}

void ConEditor::chooseTab(int tab) {
  currentVolume_ = std::clamp(tab, 0, data_.volumeCount - 1);
}

std::vector<std::string> ConEditor::levelRows() const {
  std::vector<std::string> rows;
  for (const EpisodeLevel& l : data_.level[size_t(currentVolume_)])
    rows.push_back((mode_ == Mode::kMaps ? l.map : l.music) + " : " + l.name);
  return rows;
}

std::vector<std::string> ConEditor::fileEntries() const {
  return editorFileEntries(fs_, listDirectory_, {mode_ == Mode::kMaps ? ".map" : ".mid"});
}

void ConEditor::openFileEntry(const std::string& entry, int row) {
  if (const auto walked = walkedDirectory(listDirectory_, entry)) {
    listDirectory_ = *walked;
    return;
  }
  if (row < 0 || row >= int(EpisodeData::kLevels)) return;
  if (!platform::dos::equalsIgnoreCase(listDirectory_, data_.conDirectory) &&
      prompter_.ask("", kCopyQuestion, platform::Buttons::kYesNo) == platform::Answer::kYes) {
    // A copy that fails is not reported: the level is assigned all the same.
    fs_.copyFile(listDirectory_ + entry, data_.conDirectory + entry, false);
  }
  EpisodeLevel& l = level(row);
  if (mode_ == Mode::kMaps) {
    l.map = entry;
    l.name = entry;
  } else {
    l.music = entry;
  }
}

bool ConEditor::mayRenameVolume(int tab) const {
  if (tab < 0 || tab >= data_.volumeCount) return false;
  return !(data_.volumeCount < 4 && data_.volumeName[size_t(tab)].empty());
}

void ConEditor::renameVolume(int tab, const std::string& name) {
  if (!mayRenameVolume(tab)) return;
  currentVolume_ = tab;
  if (name.size() < kNameRoom) data_.volumeName[size_t(tab)] = name;
}

void ConEditor::renameLevel(int row, const std::string& name) {
  if (row < 0 || row >= int(EpisodeData::kLevels)) return;
  if (name.size() < kNameRoom) level(row).name = name;
}

EpisodeLevel& ConEditor::level(int row) {
  return data_.level[size_t(currentVolume_)][size_t(row)];
}

bool ConEditor::finish() {
  const std::string path = data_.conDirectory + data_.userConName;
  if (data_.userConName.empty()) return false;
  fs_.setAttributesNormal(path);
  const auto found = fs_.stat(path);
  if (!found || found->size >= kWriteBackLimit) {
    data_.valid = false;
    return false;
  }
  const auto bytes = fs_.readWhole(path);
  if (!bytes || bytes->size() != found->size) {
    data_.valid = false;
    return false;
  }
  std::string text(bytes->begin(), bytes->end());
  KeyScanner scanner;  // a key missing from the file stays missing
  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    scanner.replaceLine(text, "definevolumename " + std::to_string(v) + " ", data_.volumeName[v]);
    scanner.replaceLine(text, "defineskillname " + std::to_string(v) + " ", data_.skillName[v]);
  }
  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    for (size_t l = 0; l < EpisodeData::kLevels; ++l) {
      const EpisodeLevel& e = data_.level[v][l];
      // With the blank after the level, level 1 no longer finds level 10's line.
      const std::string key =
          "definelevelname " + std::to_string(v) + " " + std::to_string(l) + " ";
      scanner.replaceLine(text, key, join({&e.map, &e.parTime, &e.recordTime, &e.name}));
    }
  }
  scanner.replaceLine(text, "music 0 ", join({&data_.music0First, &data_.music0Rest}));
  for (size_t v = 0; v < EpisodeData::kVolumes; ++v) {
    const auto& m = data_.level[v];
    const std::string music =
        join({&m[0].music, &m[1].music, &m[2].music, &m[3].music, &m[4].music}) + "\r\n        " +
        join({&m[5].music, &m[6].music, &m[7].music, &m[8].music, &m[9].music, &m[10].music});
    scanner.replaceTwoLines(text, "music " + std::to_string(v + 1) + " ", music);
  }
  // The whole file at once: it is the new text and nothing of the old one remains.
  return fs_.replaceWhole(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace content
