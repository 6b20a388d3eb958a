#include "dialog_fill.h"

#include "platform/dos_path.h"

namespace headless {

namespace {

std::string withoutAmpersands(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

}  // namespace

void DialogForm::set(const std::string& name, const std::string& value) const {
  for (const auto& [field, setter] : fields_) {
    if (platform::dos::equalsIgnoreCase(withoutAmpersands(field), withoutAmpersands(name))) {
      setter(value);
      return;
    }
  }
  std::string known;
  for (const auto& [field, setter] : fields_)
    known += (known.empty() ? "" : ", ") + withoutAmpersands(field);
  throw FillFault("no field \"" + name + "\" (it has: " + known + ")");
}

bool DialogForm::onOff(const std::string& value) {
  if (value == "on") return true;
  if (value == "off") return false;
  throw FillFault("a check box takes on or off, not \"" + value + "\"");
}

int DialogForm::entryIndex(const std::vector<std::string>& entries, const std::string& value) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (platform::dos::equalsIgnoreCase(entries[i], value)) return int(i);
  throw FillFault("\"" + value + "\" is not offered");
}

std::optional<DialogFill> DialogFills::next() {
  if (ready_.empty()) return std::nullopt;
  DialogFill fill = std::move(ready_.front());
  ready_.erase(ready_.begin());
  return fill;
}

}  // namespace headless
