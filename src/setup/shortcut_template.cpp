#include "setup/shortcut_template.h"

#include <stdexcept>
#include <string_view>

#include "setup/shortcut_layout.h"

namespace setup::shortcut {
namespace {

// Shell link header values.
constexpr uint32_t kHeaderSize = 0x4C;
constexpr uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr uint32_t kHasLinkTargetIdList = 0x01;
constexpr uint32_t kHasLinkInfo = 0x02;
constexpr uint32_t kHasWorkingDir = 0x10;
constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeArchive = 0x20;
constexpr uint32_t kShowNormal = 1;

// Shell item types: the "My Computer" root, a drive, a folder and a file.
constexpr uint8_t kRootItem = 0x1F;
constexpr uint8_t kMyComputerSortIndex = 0x50;
constexpr uint8_t kMyComputerClsid[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                          0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr uint8_t kDriveItem = 0x2F;
constexpr uint8_t kFolderItem = 0x31;
constexpr uint8_t kFileItem = 0x32;
constexpr size_t kFileEntryHeader = 14;  // size, type, pad, file size, FAT time, attributes

// LinkInfo values.
constexpr uint32_t kLinkInfoHeaderSize = 0x1C;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x01;
constexpr uint32_t kVolumeIdHeaderSize = 0x10;
constexpr uint32_t kDriveFixed = 3;

class Writer {
 public:
  size_t size() const { return bytes_.size(); }
  void u8(uint8_t v) { bytes_.push_back(v); }
  void u16(uint16_t v) {
    for (int i = 0; i < 2; ++i) u8(uint8_t(v >> (8 * i)));
  }
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) u8(uint8_t(v >> (8 * i)));
  }
  void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  void raw(const uint8_t* data, size_t n) { bytes_.insert(bytes_.end(), data, data + n); }
  // `text` in a field of `field` bytes, the rest NUL.
  void padded(std::string_view text, size_t field) {
    if (text.size() > field) throw std::logic_error("shortcut field too small");
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    zeros(field - text.size());
  }
  // Stops the build of a template whose fields moved away from where setup writes.
  void expectAt(size_t offset) const {
    if (bytes_.size() != offset) throw std::logic_error("shortcut field not at its offset");
  }
  void patch16(size_t at, uint16_t v) {
    bytes_[at] = uint8_t(v);
    bytes_[at + 1] = uint8_t(v >> 8);
  }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

void fileEntryItem(Writer& w, uint8_t type, uint16_t attributes, std::string_view name,
                   size_t nameField, size_t nameOffset = 0) {
  w.u16(uint16_t(kFileEntryHeader + nameField));
  w.u8(type);
  w.u8(0);
  w.u32(0);  // file size: not known when the template is made
  w.u32(0);  // FAT date and time: not set
  w.u16(attributes);
  if (nameOffset) w.expectAt(nameOffset);
  w.padded(name, nameField);
}

}  // namespace

std::vector<uint8_t> makeTemplate() {
  Writer w;
  // Header.
  w.u32(kHeaderSize);
  w.raw(kLinkClsid, sizeof kLinkClsid);
  w.u32(kHasLinkTargetIdList | kHasLinkInfo | kHasWorkingDir);  // ANSI strings
  w.u32(kFileAttributeArchive);
  w.zeros(3 * 8);  // creation, access and write times
  w.u32(0);        // target size
  w.u32(0);        // icon index
  w.u32(kShowNormal);
  w.u16(0);  // hot key
  w.zeros(2 + 4 + 4);
  w.expectAt(kHeaderSize);

  // Target ID list: My Computer, the drive, the install folder, the program.
  const size_t idListSizeAt = w.size();
  w.u16(0);
  w.u16(20);
  w.u8(kRootItem);
  w.u8(kMyComputerSortIndex);
  w.raw(kMyComputerClsid, sizeof kMyComputerClsid);
  w.u16(uint16_t(3 + kDriveField));
  w.u8(kDriveItem);
  w.expectAt(kDriveOffset);
  w.zeros(kDriveField);
  fileEntryItem(w, kFolderItem, kFileAttributeDirectory, "", kFolderField, kFolderOffset);
  // The name with its NUL, padded to an even length.
  fileEntryItem(w, kFileItem, kFileAttributeArchive, kProgramName, (kProgramName.size() + 2) & ~1u);
  w.u16(0);
  w.patch16(idListSizeAt, uint16_t(w.size() - idListSizeAt - 2));

  // LinkInfo: a fixed volume and the local path of the program.
  const size_t linkInfoAt = w.size();
  const uint32_t volumeIdSize = kVolumeIdHeaderSize + 1;  // empty label
  const uint32_t localBasePathOffset = kLinkInfoHeaderSize + volumeIdSize;
  const uint32_t suffixOffset = localBasePathOffset + kTargetField;
  w.u32(suffixOffset + 1);
  w.u32(kLinkInfoHeaderSize);
  w.u32(kVolumeIdAndLocalBasePath);
  w.u32(kLinkInfoHeaderSize);
  w.u32(localBasePathOffset);
  w.u32(0);  // no network share
  w.u32(suffixOffset);
  w.u32(volumeIdSize);
  w.u32(kDriveFixed);
  w.u32(0);  // serial number: not known
  w.u32(kVolumeIdHeaderSize);
  w.u8(0);
  w.expectAt(kTargetOffset);
  w.zeros(kTargetField);
  w.u8(0);  // empty common path suffix
  w.expectAt(linkInfoAt + suffixOffset + 1);

  // StringData: the working directory.
  w.u16(uint16_t(kWorkingDirField));
  w.expectAt(kWorkingDirOffset);
  w.zeros(kWorkingDirField);

  w.u32(0);  // end of the extra data blocks
  return w.take();
}

}  // namespace setup::shortcut
