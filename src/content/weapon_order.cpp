#include "content/weapon_order.h"

namespace content {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;

bool WeaponOrder::available(const catalogue::GameInfoRecord& game) {
  return !game.get(gi::WeaponOrderCommand, 0).empty();
}

WeaponOrder::WeaponOrder(catalogue::GameDataRecord& data) : data_(data) {
  const std::string order = data_.get(gd::WeaponOrder);
  if (order.size() < 2 || (order[0] == '\0' && order[1] == '\0'))
    data_.set(gd::WeaponOrder, kDefaultOrder);
}

std::vector<std::string> WeaponOrder::entries() const {
  std::string order = data_.get(gd::WeaponOrder);
  order.resize(kRows, '\0');
  std::vector<std::string> names;
  for (char c : order) names.push_back(c >= '0' && c <= '9' ? kWeapons[size_t(c - '0')] : "");
  return names;
}

int WeaponOrder::moveUp(int row) {
  return row >= 1 && row < kRows ? swap(row, row - 1) : row;
}

int WeaponOrder::moveDown(int row) {
  return row >= 0 && row < kRows - 1 ? swap(row, row + 1) : row;
}

int WeaponOrder::swap(int row, int with) {
  std::string order = data_.get(gd::WeaponOrder);
  order.resize(kRows, '\0');
  std::swap(order[size_t(row)], order[size_t(with)]);
  data_.set(gd::WeaponOrder, order);
  return with;
}

}  // namespace content
