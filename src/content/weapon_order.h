// "Weapons Option": the order in which the game offers its weapons, the ten digits of the game
// data record's WeaponOrder, each naming a weapon. Every move changes the setting at once; the
// option lines send it to the game.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"

namespace content {

class WeaponOrder {
 public:
  static constexpr const char* kTitle = "Weapons Option";
  static constexpr const char* kNoOptions = "No GamePick options set for Weapons Options";
  // Shotgun, Chain Gun, RPG, Shrink/Expander, Eradicator, Pipe Bomb, Freeze Gun, Pistol,
  // Trip Bomb, Mighty Foot.
  static constexpr const char* kDefaultOrder = "3457860291";
  static constexpr std::array<const char*, 10> kWeapons = {
      "Freeze Gun", "Mighty Foot", "Pistol",          "Shotgun",    "Chain Gun",
      "RPG",        "Pipe Bomb",   "Shrink/Expander", "Eradicator", "Trip Bomb"};
  static constexpr int kRows = 10;

  // The form opens only for a game that has weapon order switches.
  static bool available(const catalogue::GameInfoRecord& game);

  // An order never set (its first two places empty) becomes the default.
  explicit WeaponOrder(catalogue::GameDataRecord& data);

  // The weapons' names in the order of the setting; a place that holds no digit shows empty.
  std::vector<std::string> entries() const;
  // Swaps the row with the one above (below); gives the row now selected. The first row up and
  // the last row down, or no row, change nothing.
  int moveUp(int row);
  int moveDown(int row);

 private:
  int swap(int row, int with);

  catalogue::GameDataRecord& data_;
};

}  // namespace content
