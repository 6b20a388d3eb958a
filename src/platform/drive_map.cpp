#include "platform/drive_map.h"

#include "platform/dos_path.h"

namespace platform {

namespace {

std::string driveName(char letter) {
  return std::string(1, letter) + ":";
}

char upper(char letter) {
  return dos::toUpper(letter);
}

bool isMappableLetter(char letter) {
  return letter >= 'C' && letter <= 'Z';
}

std::string badLetter(char letter) {
  return "\"" + std::string(1, letter) + "\" is not a drive letter from C: to Z:.";
}

}  // namespace

bool DriveMap::isFixedDrive(char letter) {
  return upper(letter) == 'C' || upper(letter) == 'Z';
}

std::optional<DriveMapping> DriveMap::mapping(char letter) const {
  letter = upper(letter);
  for (const DriveMapping& m : mappings())
    if (m.letter == letter) return m;
  return std::nullopt;
}

char DriveMap::firstFreeLetter() const {
  const std::vector<DriveMapping> taken = mappings();
  for (char letter = 'D'; letter <= 'Y'; ++letter) {
    bool used = false;
    for (const DriveMapping& m : taken) used = used || m.letter == letter;
    if (!used) return letter;
  }
  return 0;
}

std::optional<char> DriveMap::letterOfFolder(const std::string& hostFolder) const {
  if (hostFolder.empty()) return std::nullopt;
  const std::string wanted = storedFolder(hostFolder);
  for (const DriveMapping& m : mappings())
    if (m.letter != 'Z' && m.hostFolder == wanted) return m.letter;
  return std::nullopt;
}

std::string DriveMap::checkFolder(const std::string& hostFolder) const {
  if (hostFolder.empty()) return "No folder was given.";
  const std::string folder = storedFolder(hostFolder);
  switch (folderKind(folder)) {
    case FolderKind::kMissing:
      return "The folder \"" + folder + "\" does not exist.";
    case FolderKind::kNotFolder:
      return "\"" + folder + "\" is not a folder.";
    case FolderKind::kFolder:
      break;
  }
  return {};
}

std::string DriveMap::mapDrive(char letter, const std::string& hostFolder) {
  letter = upper(letter);
  if (!isMappableLetter(letter)) return badLetter(letter);
  if (const auto existing = mapping(letter))
    return "Drive " + driveName(letter) + " is already mapped to \"" + existing->hostFolder + "\".";
  if (std::string error = checkFolder(hostFolder); !error.empty()) return error;
  return writeLink(letter, storedFolder(hostFolder));
}

std::string DriveMap::changeDrive(char letter, const std::string& hostFolder) {
  letter = upper(letter);
  if (!isMappableLetter(letter)) return badLetter(letter);
  if (!mapping(letter)) return "Drive " + driveName(letter) + " is not mapped.";
  if (std::string error = checkFolder(hostFolder); !error.empty()) return error;
  return writeLink(letter, storedFolder(hostFolder));
}

std::string DriveMap::removeDrive(char letter) {
  letter = upper(letter);
  if (!isMappableLetter(letter)) return badLetter(letter);
  if (isFixedDrive(letter)) return "Drive " + driveName(letter) + " cannot be removed.";
  if (!mapping(letter)) return "Drive " + driveName(letter) + " is not mapped.";
  return dropLink(letter);
}

}  // namespace platform
