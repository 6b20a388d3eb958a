#include "app/menu_state.h"

#include "app/command_ids.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/record_file.h"

namespace app {

namespace gi = catalogue::game_info;
namespace ui = catalogue::univ_info;

std::vector<MenuItem> savedGameItems(const catalogue::GameInfoRecord& game) {
  const bool usable = !game.get(gi::RunSavedGameCommand).empty();
  std::vector<MenuItem> items;
  for (int i = 0; i < 10; ++i)
    items.push_back({kCmdSavedGameFirst + i, "Slot " + std::to_string(i + 1), usable, false});
  return items;
}

std::vector<MenuItem> helpFileItems(const catalogue::GameInfoRecord& game) {
  std::vector<MenuItem> items;
  for (size_t i = 0; i < 10; ++i) {
    const std::string file = game.get(gi::HelpFile, i);
    if (file.empty()) break;
    items.push_back({kCmdHelpFiles[i], file, true, false});
  }
  return items;
}

FileManagerChecks fileManagerChecks(const catalogue::UnivInfoRecord& univ) {
  FileManagerChecks checks;
  checks.disabled = univ.get(ui::DisableFileManager) != 0;
  checks.expert = univ.get(ui::FileManagerExpertMode) != 0;
  checks.autoTextTab = univ.get(ui::AutoTextTab) != 0;
  checks.manualTextTab = !checks.autoTextTab;
  return checks;
}

bool isDefinedGame(const catalogue::GameInfoRecord& record) {
  return record.get(gi::IsDefined) != 0 && !record.get(gi::GameDir).empty();
}

catalogue::GameInfoRecord readGameFileRecord(platform::FileSystem& fs,
                                             const std::string& gameInfoPath, int slot) {
  catalogue::GameInfoRecord record;
  if (!catalogue::isSelectableSlot(slot)) return record;
  catalogue::readAtOffset(fs, gameInfoPath, uint64_t(slot) * catalogue::GameInfoRecord::kSize,
                          record.bytes());
  return record;
}

std::vector<MenuItem> gameItems(platform::FileSystem& fs, const std::string& gameInfoPath,
                                int currentSlot) {
  std::vector<MenuItem> items;
  auto file = fs.open(gameInfoPath, platform::OpenMode::kRead);
  if (!file) return items;
  for (int slot = 0; slot < catalogue::kBuiltInSlots; ++slot) {
    catalogue::GameInfoRecord record;
    if (file->seek(uint64_t(slot) * catalogue::GameInfoRecord::kSize))
      file->read(record.bytes().data(), record.bytes().size());
    MenuItem item;
    item.id = kCmdGamePickFirst + slot;
    item.text = record.get(gi::GameName);
    if (item.text.empty()) item.text = "GamePick" + std::to_string(slot);
    item.enabled = isDefinedGame(record);
    item.checked = item.enabled && slot == currentSlot;
    items.push_back(std::move(item));
  }
  return items;
}

EditToolsState editToolsState(const catalogue::GameInfoRecord& game) {
  EditToolsState state;
  for (size_t i = 0; i < 3; ++i) state.items[i] = game.get(gi::MenuItemEnabled, i) != 0;
  state.userCon = {kCmdEditUserCon, "Edit &UserCon File", game.get(gi::MenuItemEnabled, 3) != 0,
                   false};
  return state;
}

}  // namespace app
