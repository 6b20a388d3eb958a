// The drive letters the player can see and change: each maps to a folder of this machine, as a
// Wine prefix's dosdevices links do. The rules (which letters, which may go, what a folder must
// be) are here once; the implementations only read and write the links.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct DriveMapping {
  char letter = 0;         // upper case, C to Z
  std::string hostFolder;  // absolute
  bool present = false;    // the folder exists and is a folder
};

class DriveMap {
 public:
  virtual ~DriveMap() = default;

  // Every mapped letter from C: to Z:, in order; a mapping whose folder has gone is listed too,
  // so that the player can change or remove it.
  virtual std::vector<DriveMapping> mappings() const = 0;

  // Each returns an empty text on success, else why it was refused, for the player to read.
  // Maps a letter that has no mapping yet to an existing folder.
  std::string mapDrive(char letter, const std::string& hostFolder);
  // Points a mapped letter at another existing folder.
  std::string changeDrive(char letter, const std::string& hostFolder);
  // Removes a mapping; C: (the program's own drive) and Z: (the whole machine) stay.
  std::string removeDrive(char letter);

  std::optional<DriveMapping> mapping(char letter) const;
  // The first letter from D: to Y: with no mapping at all; 0 when every one is taken.
  char firstFreeLetter() const;
  // The mapped letter from C: to Y: whose folder is `hostFolder` (as the map stores it).
  std::optional<char> letterOfFolder(const std::string& hostFolder) const;

  static bool isFixedDrive(char letter);

 protected:
  enum class FolderKind { kMissing, kNotFolder, kFolder };
  virtual FolderKind folderKind(const std::string& hostFolder) const = 0;
  // The folder as a mapping stores it: absolute, without "." and ".." or a trailing "/".
  virtual std::string storedFolder(const std::string& hostFolder) const = 0;
  // Creates the mapping or replaces the one there; an error text when the host refused.
  virtual std::string writeLink(char letter, const std::string& hostFolder) = 0;
  virtual std::string dropLink(char letter) = 0;

 private:
  std::string checkFolder(const std::string& hostFolder) const;
};

}  // namespace platform
