// The game select dialog ("Quillfen95-Setup (Game Select)"): twenty buttons for the slots
// offset ... offset + 19, each opening the define-game dialog for its slot.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/dialogs/define_game_dialog.h"

namespace catalogue::dialogs {

class GameSelectDialog {
 public:
  static constexpr const char* kTitle = "Quillfen95-Setup (Game Select)";
  static constexpr const char* kPrompt = "Define a game by pressing one of the following buttons:";
  static constexpr int kButtons = 20;
  // Below this slot the protection flag makes the define-game dialog keep the built-in
  // definition.
  static constexpr int kProtectedBelow = 10;

  // Runs the define-game dialog of a pressed button; the view shows it, tests script it.
  using DefineGameRunner = std::function<void(DefineGameDialog&)>;

  // `trackedSlot` is the caller's selected slot; when it is redefined here its record is copied
  // into `callerRecord`.
  GameSelectDialog(Catalogue& cat, int protection, int trackedSlot, GameInfoRecord& callerRecord);

  int offset() const { return offset_; }
  // The name on button n (1 ... 20), blank for a slot without a game.
  const std::string& buttonLabel(int n) const { return labels_.at(size_t(n - 1)); }
  int buttonSlot(int n) const { return offset_ + n - 1; }

  // "Next Page" moves on by one slot while the last button's slot holds a defined, named game.
  void nextPage();
  void prevPage();
  void pressButton(int n, const DefineGameRunner& runDefine);
  // What a button does, for any slot: the define-game dialog of `slot`; its record and what
  // it runs with are kept when the slot holds a defined game afterwards.
  void defineSlot(int slot, const DefineGameRunner& runDefine);

 private:
  void refreshLabels();

  Catalogue& cat_;
  int protection_;
  int trackedSlot_;
  GameInfoRecord& callerRecord_;
  int offset_ = 0;
  std::array<std::string, kButtons> labels_;
};

}  // namespace catalogue::dialogs
