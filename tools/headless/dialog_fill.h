// Dialogs filled from a script: the fields a script gave for the next dialog, set by the names
// the window shows them with, then OK or Cancel pressed. Each dialog the driver can fill has a
// form here that maps those names onto its rule class.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace headless {

// A field or button the dialog does not have, or a value it does not take.
struct FillFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One dialog as a script fills it.
class DialogForm {
 public:
  using Setter = std::function<void(const std::string& value)>;

  void field(std::string name, Setter set) {
    fields_.emplace_back(std::move(name), std::move(set));
  }
  // Sets a field by its name, letter case and "&" aside; throws FillFault.
  void set(const std::string& name, const std::string& value) const;

  static bool onOff(const std::string& value);  // "on" or "off", else FillFault
  // The position of `value` among `entries` (letter case aside), else FillFault.
  static int entryIndex(const std::vector<std::string>& entries, const std::string& value);

 private:
  std::vector<std::pair<std::string, Setter>> fields_;
};

// What a script queued for the next dialog.
struct DialogFill {
  std::vector<std::pair<std::string, std::string>> fields;
  bool ok = false;
};

class DialogFills {
 public:
  void field(std::string name, std::string value) {
    pending_.fields.emplace_back(std::move(name), std::move(value));
  }
  void press(bool ok) {
    pending_.ok = ok;
    ready_.push_back(std::move(pending_));
    pending_ = {};
  }
  // The fill of the next dialog, when the script finished one with press.
  std::optional<DialogFill> next();
  bool unfinished() const { return !pending_.fields.empty(); }
  size_t queued() const { return ready_.size(); }

 private:
  DialogFill pending_;
  std::vector<DialogFill> ready_;
};

}  // namespace headless
