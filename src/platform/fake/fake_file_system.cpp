#include "platform/fake/fake_file_system.h"

#include <algorithm>

#include "platform/directory_search.h"
#include "platform/dos_path.h"
#include "platform/short_names.h"

namespace platform {

using Bytes = std::vector<uint8_t>;

struct FakeFileSystem::Node {
  std::string name;
  bool directory = false;
  bool readOnly = false;
  int64_t modified = 0;            // seconds since 1970
  std::shared_ptr<Bytes> content;  // files; open handles share it
  // Directories: the entries in creation order. Changed only through the calls below, which
  // drop the listing worked out for them.
  std::vector<std::unique_ptr<Node>> children;
  Node* parent = nullptr;
  mutable std::shared_ptr<const DirectoryListing> cachedListing;

  // The names of the children with their aliases, worked out once while they stay the same.
  const DirectoryListing& listing() const {
    if (!cachedListing) {
      std::vector<std::string> names;
      names.reserve(children.size());
      for (const auto& child : children) names.push_back(child->name);
      cachedListing = std::make_shared<const DirectoryListing>(std::move(names));
    }
    return *cachedListing;
  }

  Node* child(std::string_view query) const {
    auto index = listing().find(query);
    return index ? children[*index].get() : nullptr;
  }

  // The alias of this entry within its directory.
  std::string alias() const {
    if (!parent) return "";
    const DirectoryListing& siblings = parent->listing();
    auto index = siblings.indexOf(name);
    if (!index || parent->children[*index].get() != this) {
      // Two entries stored with the same spelling: tell them apart by position.
      auto at = std::find_if(parent->children.begin(), parent->children.end(),
                             [this](const auto& child) { return child.get() == this; });
      index = size_t(at - parent->children.begin());
    }
    return siblings.aliases()[*index];
  }

  Node* add(std::string childName, bool isDirectory) {
    auto node = std::make_unique<Node>();
    node->name = std::move(childName);
    node->directory = isDirectory;
    if (!isDirectory) node->content = std::make_shared<Bytes>();
    return adopt(std::move(node));
  }

  Node* adopt(std::unique_ptr<Node> node) {
    node->parent = this;
    children.push_back(std::move(node));
    cachedListing.reset();
    return children.back().get();
  }

  void rename(std::string newName) {
    name = std::move(newName);
    if (parent) parent->cachedListing.reset();
  }

  std::unique_ptr<Node> detach(Node* which) {
    auto at = std::find_if(children.begin(), children.end(),
                           [which](const auto& child) { return child.get() == which; });
    std::unique_ptr<Node> node = std::move(*at);
    children.erase(at);
    cachedListing.reset();
    node->parent = nullptr;
    return node;
  }

  bool contains(const Node* other) const {
    for (; other; other = other->parent) {
      if (other == this) return true;
    }
    return false;
  }
};

namespace {

uint32_t attributesOf(bool directory, bool readOnly) {
  if (directory) return kAttrDirectory;
  return kAttrArchive | (readOnly ? uint32_t(kAttrReadOnly) : 0u);
}

class FakeFileHandle : public FileHandle {
 public:
  FakeFileHandle(std::shared_ptr<Bytes> content, bool writable)
      : content_(std::move(content)), writable_(writable) {}

  size_t read(void* buffer, size_t count) override {
    if (position_ >= content_->size()) return 0;
    size_t n = std::min<uint64_t>(count, content_->size() - position_);
    std::copy_n(content_->begin() + static_cast<ptrdiff_t>(position_), n,
                static_cast<uint8_t*>(buffer));
    position_ += n;
    return n;
  }

  size_t write(const void* buffer, size_t count) override {
    if (!writable_ || count == 0) return 0;
    if (position_ > kLargest || count > kLargest - position_) return 0;
    try {
      if (content_->size() < position_ + count) content_->resize(position_ + count, 0);
    } catch (...) {
      return 0;
    }
    const auto* in = static_cast<const uint8_t*>(buffer);
    std::copy_n(in, count, content_->begin() + static_cast<ptrdiff_t>(position_));
    position_ += count;
    return count;
  }

  bool seek(uint64_t position) override {
    position_ = position;
    return true;
  }
  uint64_t position() const override { return position_; }
  uint64_t length() const override { return content_->size(); }

  bool truncate(uint64_t length) override {
    if (!writable_ || length > kLargest) return false;
    try {
      content_->resize(length, 0);
    } catch (...) {
      return false;
    }
    return true;
  }

 private:
  // An in-memory file stays within reason; a write beyond fails as a full disk would.
  static constexpr uint64_t kLargest = uint64_t(1) << 32;

  std::shared_ptr<Bytes> content_;
  bool writable_;
  uint64_t position_ = 0;
};

}  // namespace

struct FakeFileSystem::Impl {
  // The machine's folders; each drive's root is one of them.
  Node host = [] {
    Node root;
    root.directory = true;
    return root;
  }();
  std::map<char, Node*> drives;
  std::map<char, std::string> folders;  // the host folder of each drive
  dos::Path current;
  std::set<std::string> failingOpens;
  // What a file opened for writing is stamped with: the machine has no clock of its own.
  int64_t now = 946684800;  // 2000-01-01
  std::set<std::string> failingReplaces;
  std::set<std::string> failingCopies;

  // A DOS path in the tree: the nodes of the components that exist.
  struct Located {
    dos::Path dos;
    Node* root = nullptr;
    std::vector<Node*> chain;

    bool exists() const { return chain.size() == dos.components.size(); }
    bool isRoot() const { return dos.components.empty(); }
    Node* node() const { return chain.empty() ? root : chain.back(); }
    // The directory the last component is (or would be) in, when it exists.
    Node* parentDirectory() const {
      if (chain.size() + 1 < dos.components.size() || isRoot()) return nullptr;
      Node* dir = dos.components.size() == 1 ? root : chain[dos.components.size() - 2];
      return dir->directory ? dir : nullptr;
    }
    bool existsAsFile() const { return exists() && !isRoot() && !node()->directory; }
    bool existsAsDirectory() const { return exists() && node()->directory; }
  };

  std::optional<Located> locate(const std::string& text, bool pattern = false) const {
    auto dosPath = dos::resolve(text, current);
    if (!dosPath) return std::nullopt;
    const std::vector<std::string>& parts = dosPath->components;
    for (size_t i = 0; i < parts.size(); ++i) {
      bool leafPattern = pattern && i + 1 == parts.size();
      if (!leafPattern && dos::hasWildcards(parts[i])) return std::nullopt;
    }
    auto drive = drives.find(dosPath->drive);
    if (drive == drives.end()) return std::nullopt;
    Located found;
    found.dos = std::move(*dosPath);
    found.root = drive->second;
    Node* dir = found.root;
    for (const auto& part : found.dos.components) {
      if (!dir->directory) break;
      Node* next = dir->child(part);
      if (!next) break;
      found.chain.push_back(next);
      dir = next;
    }
    return found;
  }

  // Failure injection keys: the stored spelling of an existing entry, else the path as
  // written, in upper case.
  std::string keyOf(const std::string& path) const {
    auto at = locate(path);
    if (!at) return dos::toUpper(path);
    dos::Path spelled = at->dos;
    for (size_t i = 0; i < at->chain.size(); ++i) spelled.components[i] = at->chain[i]->name;
    return dos::toUpper(dos::format(spelled));
  }

  // The components of an absolute host path, "." and ".." worked out.
  static std::vector<std::string> hostParts(const std::string& path) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= path.size()) {
      size_t end = path.find('/', at);
      if (end == std::string::npos) end = path.size();
      const std::string part = path.substr(at, end - at);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      at = end + 1;
    }
    return parts;
  }

  static std::string hostText(const std::vector<std::string>& parts) {
    std::string text;
    for (const auto& part : parts) text += "/" + part;
    return text.empty() ? "/" : text;
  }

  // Host names are matched exactly, as on Linux.
  Node* hostNode(const std::string& path, bool create) {
    Node* dir = &host;
    for (const auto& part : hostParts(path)) {
      if (!dir->directory) return nullptr;
      Node* next = nullptr;
      for (const auto& child : dir->children)
        if (child->name == part) next = child.get();
      if (!next && !create) return nullptr;
      dir = next ? next : dir->add(part, true);
    }
    return dir;
  }

  bool isDriveRoot(const Node* node) const {
    for (const auto& [letter, root] : drives)
      if (root == node) return true;
    return false;
  }

  Node* makeDirectories(const std::string& path) {
    auto at = locate(path);
    if (!at) return nullptr;
    Node* dir = at->node();
    if (!dir->directory) return nullptr;
    for (size_t i = at->chain.size(); i < at->dos.components.size(); ++i) {
      dir = dir->add(at->dos.components[i], true);
    }
    return dir;
  }
};

FakeFileSystem::FakeFileSystem() : impl_(std::make_unique<Impl>()) {
  addDrive('C');
  impl_->current.drive = 'C';
}

FakeFileSystem::~FakeFileSystem() = default;

void FakeFileSystem::addDrive(char letter) {
  char drive = dos::toUpper(letter);
  if (drive < 'A' || drive > 'Z' || impl_->drives.count(drive)) return;
  const std::string folder = std::string("/fake/drive_") + char(drive - 'A' + 'a');
  impl_->drives[drive] = impl_->hostNode(folder, true);
  impl_->folders[drive] = folder;
}

void FakeFileSystem::putHostFile(const std::string& hostPath, const std::string& text) {
  auto parts = Impl::hostParts(hostPath);
  if (parts.empty()) return;
  const std::string name = parts.back();
  parts.pop_back();
  Node* dir = impl_->hostNode(Impl::hostText(parts), true);
  if (!dir || !dir->directory) return;
  for (const auto& child : dir->children)
    if (child->name == name) return;
  dir->add(name, false)->content = std::make_shared<Bytes>(text.begin(), text.end());
}

void FakeFileSystem::makeHostFolder(const std::string& hostPath) {
  impl_->hostNode(hostPath, true);
}

std::vector<DriveMapping> FakeFileSystem::mappings() const {
  std::vector<DriveMapping> found;
  for (const auto& [letter, folder] : impl_->folders)
    if (letter >= 'C') found.push_back({letter, folder, true});
  return found;
}

DriveMap::FolderKind FakeFileSystem::folderKind(const std::string& hostFolder) const {
  const Node* node = impl_->hostNode(hostFolder, false);
  if (!node) return FolderKind::kMissing;
  return node->directory ? FolderKind::kFolder : FolderKind::kNotFolder;
}

std::string FakeFileSystem::storedFolder(const std::string& hostFolder) const {
  return Impl::hostText(Impl::hostParts(hostFolder));
}

std::string FakeFileSystem::writeLink(char letter, const std::string& hostFolder) {
  ++driveChanges_;
  Node* node = impl_->hostNode(hostFolder, false);
  if (!node || !node->directory) return "The folder \"" + hostFolder + "\" does not exist.";
  impl_->drives[letter] = node;
  impl_->folders[letter] = hostFolder;
  return {};
}

std::string FakeFileSystem::dropLink(char letter) {
  ++driveChanges_;
  impl_->drives.erase(letter);
  impl_->folders.erase(letter);
  return {};
}

void FakeFileSystem::putFile(const std::string& path, std::vector<uint8_t> bytes) {
  auto at = impl_->locate(path);
  if (!at || at->isRoot()) return;
  if (at->exists()) {
    if (!at->node()->directory) {
      at->node()->content = std::make_shared<Bytes>(std::move(bytes));
      at->node()->modified = impl_->now;
    }
    return;
  }
  Node* dir = impl_->makeDirectories(dos::format(at->dos.parent()));
  if (!dir) return;
  Node* file = dir->add(at->dos.leaf(), false);
  file->content = std::make_shared<Bytes>(std::move(bytes));
  file->modified = impl_->now;
}

void FakeFileSystem::setNow(int64_t seconds) {
  impl_->now = seconds;
}

void FakeFileSystem::putFile(const std::string& path, const std::string& text) {
  putFile(path, Bytes(text.begin(), text.end()));
}

void FakeFileSystem::makeDirectories(const std::string& path) {
  impl_->makeDirectories(path);
}

void FakeFileSystem::setReadOnly(const std::string& path, bool readOnly) {
  auto at = impl_->locate(path);
  if (at && at->exists() && !at->isRoot()) at->node()->readOnly = readOnly;
}

void FakeFileSystem::failOpen(const std::string& path) {
  impl_->failingOpens.insert(impl_->keyOf(path));
}

void FakeFileSystem::failReplace(const std::string& path) {
  impl_->failingReplaces.insert(impl_->keyOf(path));
}

void FakeFileSystem::failCopy(const std::string& path) {
  impl_->failingCopies.insert(impl_->keyOf(path));
}

std::vector<char> FakeFileSystem::drives() const {
  std::vector<char> letters;
  for (const auto& [letter, root] : impl_->drives) {
    if (letter >= 'C') letters.push_back(letter);
  }
  return letters;
}

std::vector<FindData> FakeFileSystem::find(const std::string& pattern) const {
  ++findCalls_;
  try {
    auto at = impl_->locate(pattern, true);
    // A pattern ending in a separator names no entry to look for, as with FindFirstFileA.
    if (!at || at->isRoot() || at->dos.trailingSeparator) return {};
    const std::string& leaf = at->dos.leaf();
    auto describe = [](const Node& node, std::string alias) {
      FindData data;
      data.longName = node.name;
      data.shortName = std::move(alias);
      data.attributes = attributesOf(node.directory, node.readOnly);
      data.size = node.directory ? 0 : node.content->size();
      return data;
    };
    if (!dos::hasWildcards(leaf)) {
      if (!at->exists()) return {};
      return {describe(*at->node(), at->node()->alias())};
    }
    Node* dir = at->parentDirectory();
    if (!dir) return {};
    const DirectoryListing& listing = dir->listing();
    const std::vector<std::string>& names = listing.names();
    const std::vector<std::string>& aliases = listing.aliases();
    std::vector<FindData> found;
    for (size_t i = 0; i < names.size(); ++i) {
      if (dos::matchesWildcard(leaf, names[i]) || dos::matchesWildcard(leaf, aliases[i])) {
        found.push_back(describe(*dir->children[i], aliases[i]));
      }
    }
    return found;
  } catch (...) {
    return {};
  }
}

std::optional<DirectorySearch> FakeFileSystem::searchDirectory(
    const std::string& dir, const std::vector<std::string>& patterns) const {
  ++searchCalls_;
  try {
    auto at = impl_->locate(dir);
    if (!at || !at->existsAsDirectory()) return std::nullopt;
    const Node* node = at->node();
    node->listing();
    return searchListing(node->cachedListing, patterns, [node](size_t i) {
      return node->children[i]->directory ? ListedKind::kDirectory : ListedKind::kFile;
    });
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<FindData> FakeFileSystem::stat(const std::string& path) const {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->exists()) return std::nullopt;
    const Node& node = *at->node();
    FindData data;
    data.attributes = attributesOf(node.directory, node.readOnly);
    if (at->isRoot()) return data;
    data.longName = node.name;
    data.shortName = node.alias();
    data.size = node.directory ? 0 : node.content->size();
    return data;
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<int64_t> FakeFileSystem::modificationTime(const std::string& path) const {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->existsAsFile()) return std::nullopt;
    return at->node()->modified;
  } catch (...) {
    return std::nullopt;
  }
}

bool FakeFileSystem::setModificationTime(const std::string& path, int64_t seconds) {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->existsAsFile()) return false;
    at->node()->modified = seconds;
    return true;
  } catch (...) {
    return false;
  }
}

std::unique_ptr<FileHandle> FakeFileSystem::open(const std::string& path, OpenMode mode) {
  try {
    auto at = impl_->locate(path);
    if (!at || at->isRoot()) return nullptr;
    // Working out the key costs a second lookup: only when a failure was asked for.
    if (!impl_->failingOpens.empty() && impl_->failingOpens.count(impl_->keyOf(path)))
      return nullptr;
    bool writable = mode != OpenMode::kRead;
    Node* node = nullptr;
    if (at->exists()) {
      node = at->node();
      if (node->directory || (writable && node->readOnly)) return nullptr;
      if (mode == OpenMode::kCreateTruncate) node->content->clear();
    } else {
      Node* dir = at->parentDirectory();
      if (!dir || mode == OpenMode::kRead || mode == OpenMode::kReadWrite) return nullptr;
      node = dir->add(at->dos.leaf(), false);
    }
    if (writable) node->modified = impl_->now;
    return std::make_unique<FakeFileHandle>(node->content, writable);
  } catch (...) {
    return nullptr;
  }
}

bool FakeFileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
  try {
    auto source = impl_->locate(from);
    if (!source || !source->existsAsFile()) return false;
    auto target = impl_->locate(to);
    if (!target || target->isRoot()) return false;
    if (impl_->failingCopies.count(impl_->keyOf(to))) return false;
    Node* node = nullptr;
    if (target->exists()) {
      node = target->node();
      if (failIfExists || node->directory || node->readOnly || node == source->node()) {
        return false;
      }
    } else {
      Node* dir = target->parentDirectory();
      if (!dir) return false;
      node = dir->add(target->dos.leaf(), false);
    }
    node->content = std::make_shared<Bytes>(*source->node()->content);
    node->readOnly = source->node()->readOnly;
    node->modified = impl_->now;
    return true;
  } catch (...) {
    return false;
  }
}

bool FakeFileSystem::moveFile(const std::string& from, const std::string& to) {
  try {
    auto source = impl_->locate(from);
    if (!source || !source->exists() || source->isRoot()) return false;
    auto target = impl_->locate(to);
    if (!target || target->isRoot()) return false;
    Node* moving = source->node();
    if (target->exists()) {
      // Only a change of spelling of the same entry.
      if (target->node() != moving || moving->name == target->dos.leaf()) return false;
      moving->rename(target->dos.leaf());
      return true;
    }
    Node* dir = target->parentDirectory();
    if (!dir || moving->contains(dir)) return false;
    std::unique_ptr<Node> node = moving->parent->detach(moving);
    node->rename(target->dos.leaf());
    dir->adopt(std::move(node));
    return true;
  } catch (...) {
    return false;
  }
}

bool FakeFileSystem::deleteFile(const std::string& path) {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->existsAsFile() || at->node()->readOnly) return false;
    at->node()->parent->detach(at->node());
    return true;
  } catch (...) {
    return false;
  }
}

bool FakeFileSystem::moveToTrash(const std::string& path) {
  if (!deleteFile(path)) return false;
  trashed_.push_back(path);
  return true;
}

bool FakeFileSystem::setAttributesNormal(const std::string& path) {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->exists()) return false;
    at->node()->readOnly = false;
    return true;
  } catch (...) {
    return false;
  }
}

bool FakeFileSystem::createDirectory(const std::string& path) {
  try {
    auto at = impl_->locate(path);
    if (!at || at->exists()) return false;
    Node* dir = at->parentDirectory();
    if (!dir) return false;
    dir->add(at->dos.leaf(), true);
    return true;
  } catch (...) {
    return false;
  }
}

bool FakeFileSystem::removeDirectory(const std::string& path) {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->existsAsDirectory() || at->isRoot() || !at->node()->children.empty() ||
        impl_->isDriveRoot(at->node())) {
      return false;
    }
    at->node()->parent->detach(at->node());
    return true;
  } catch (...) {
    return false;
  }
}

std::string FakeFileSystem::currentDirectory() const {
  return dos::format(impl_->current, true);
}

bool FakeFileSystem::setCurrentDirectory(const std::string& path) {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->existsAsDirectory()) return false;
    dos::Path current;
    current.drive = at->dos.drive;
    for (const Node* node : at->chain) current.components.push_back(node->name);
    impl_->current = std::move(current);
    return true;
  } catch (...) {
    return false;
  }
}

std::string FakeFileSystem::windowsDirectory() const {
  return "C:\\WINDOWS";
}

std::optional<std::string> FakeFileSystem::hostPath(const std::string& dosPath) const {
  auto at = impl_->locate(dosPath);
  if (!at) return std::nullopt;
  auto folder = impl_->folders.find(at->dos.drive);
  if (folder == impl_->folders.end()) return std::nullopt;
  std::vector<std::string> parts = Impl::hostParts(folder->second);
  for (size_t i = 0; i < at->dos.components.size(); ++i)
    parts.push_back(i < at->chain.size() ? at->chain[i]->name : at->dos.components[i]);
  return Impl::hostText(parts);
}

std::optional<std::string> FakeFileSystem::dosPath(const std::string& hostPath) const {
  const std::vector<std::string> parts = Impl::hostParts(hostPath);
  std::optional<std::string> best;
  size_t bestLength = 0;
  for (const auto& [letter, folder] : impl_->folders) {
    const std::vector<std::string> root = Impl::hostParts(folder);
    if (root.size() > parts.size() || !std::equal(root.begin(), root.end(), parts.begin()))
      continue;
    // The longest match; C to Y before Z.
    if (best && (root.size() < bestLength || (root.size() == bestLength && letter == 'Z')))
      continue;
    std::string path = std::string(1, letter) + ":\\";
    for (size_t i = root.size(); i < parts.size(); ++i)
      path += parts[i] + (i + 1 < parts.size() ? "\\" : "");
    best = path;
    bestLength = root.size();
  }
  return best;
}

std::optional<std::string> FakeFileSystem::shortPathName(const std::string& path) const {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->exists()) return std::nullopt;
    dos::Path result;
    result.drive = at->dos.drive;
    for (const Node* node : at->chain) result.components.push_back(node->alias());
    return dos::format(result, at->dos.trailingSeparator);
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<std::string> FakeFileSystem::longPathName(const std::string& path) const {
  try {
    auto at = impl_->locate(path);
    if (!at || !at->exists()) return std::nullopt;
    dos::Path result;
    result.drive = at->dos.drive;
    for (const Node* node : at->chain) result.components.push_back(node->name);
    return dos::format(result, at->dos.trailingSeparator);
  } catch (...) {
    return std::nullopt;
  }
}

bool FakeFileSystem::replaceWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
  try {
    auto at = impl_->locate(path);
    if (!at || at->isRoot()) return false;
    if (!impl_->failingReplaces.empty() && impl_->failingReplaces.count(impl_->keyOf(path)))
      return false;
    Node* node = nullptr;
    if (at->exists()) {
      node = at->node();
      if (node->directory || node->readOnly) return false;
    } else {
      Node* dir = at->parentDirectory();
      if (!dir) return false;
      node = dir->add(at->dos.leaf(), false);
    }
    // A fresh content, as a rename over the old file gives: open handles keep the old one.
    node->content = std::make_shared<Bytes>(bytes);
    node->modified = impl_->now;
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace platform
