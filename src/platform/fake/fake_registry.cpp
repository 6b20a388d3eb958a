#include "platform/fake/fake_registry.h"

#include <map>
#include <vector>

#include "platform/dos_text.h"

namespace platform {
namespace {

// The folded components of a path, empty ones dropped.
std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> out;
  std::string part;
  for (char c : path) {
    if (c != '\\') {
      part += c;
    } else if (!part.empty()) {
      out.push_back(dos::toLower(part));
      part.clear();
    }
  }
  if (!part.empty()) out.push_back(dos::toLower(part));
  return out;
}

std::string join(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : "\\") + p;
  return out;
}

}  // namespace

struct FakeRegistry::State {
  // Folded key path ("" for the root) to its values by folded name.
  std::map<std::string, std::map<std::string, Value>> keys{{"", {}}};
  bool failWrites = false;
  size_t openCalls = 0;

  std::unique_ptr<RegistryKey> open(std::vector<std::string> base, const std::string& name,
                                    const std::shared_ptr<State>& self);
};

namespace {

class FakeKey : public RegistryKey {
 public:
  FakeKey(std::shared_ptr<FakeRegistry::State> state, std::vector<std::string> path)
      : state_(std::move(state)), path_(std::move(path)) {}

  std::unique_ptr<RegistryKey> openSubKey(const std::string& name) override {
    return state_->open(path_, name, state_);
  }
  bool setString(const std::string& name, const std::string& value) override {
    return set(name, {FakeRegistry::Type::kString, value, 0});
  }
  bool setDword(const std::string& name, uint32_t value) override {
    return set(name, {FakeRegistry::Type::kDword, "", value});
  }

 private:
  bool set(const std::string& name, FakeRegistry::Value value) {
    auto key = state_->keys.find(join(path_));
    if (state_->failWrites || key == state_->keys.end()) return false;
    key->second[dos::toLower(name)] = std::move(value);
    return true;
  }

  std::shared_ptr<FakeRegistry::State> state_;
  std::vector<std::string> path_;
};

}  // namespace

std::unique_ptr<RegistryKey> FakeRegistry::State::open(std::vector<std::string> base,
                                                       const std::string& name,
                                                       const std::shared_ptr<State>& self) {
  ++openCalls;
  for (std::string& part : components(name)) base.push_back(std::move(part));
  if (!keys.count(join(base))) return nullptr;
  return std::make_unique<FakeKey>(self, std::move(base));
}

FakeRegistry::FakeRegistry() : state_(std::make_shared<State>()) {}
FakeRegistry::~FakeRegistry() = default;

void FakeRegistry::addKey(const std::string& path) {
  std::vector<std::string> parts = components(path);
  for (size_t n = 1; n <= parts.size(); ++n)
    state_->keys[join(std::vector<std::string>(parts.begin(), parts.begin() + n))];
}

bool FakeRegistry::hasKey(const std::string& path) const {
  return state_->keys.count(join(components(path))) != 0;
}

std::optional<FakeRegistry::Value> FakeRegistry::value(const std::string& key,
                                                       const std::string& name) const {
  auto k = state_->keys.find(join(components(key)));
  if (k == state_->keys.end()) return std::nullopt;
  auto v = k->second.find(dos::toLower(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

size_t FakeRegistry::valueCount() const {
  size_t n = 0;
  for (const auto& [path, values] : state_->keys) n += values.size();
  return n;
}

void FakeRegistry::failWrites(bool fail) {
  state_->failWrites = fail;
}

size_t FakeRegistry::openCalls() const {
  return state_->openCalls;
}

std::unique_ptr<RegistryKey> FakeRegistry::openCurrentUserKey(const std::string& name) {
  return state_->open({}, name, state_);
}

}  // namespace platform
