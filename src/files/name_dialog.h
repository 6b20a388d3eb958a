// The "Rename" and "Create New Directory" dialogs: one name field, OK and Cancel. What the name
// may be is checked by the operation that takes it (refusedName).
#pragma once

#include <string>

namespace files {

class NameDialog {
 public:
  static constexpr const char* kRenameTitle = "Rename";
  static constexpr const char* kCreateDirectoryTitle = "Create New Directory";

  NameDialog(std::string title, std::string name)
      : title_(std::move(title)), name_(std::move(name)) {}

  const std::string& title() const { return title_; }
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }

 private:
  std::string title_;
  std::string name_;
};

}  // namespace files
