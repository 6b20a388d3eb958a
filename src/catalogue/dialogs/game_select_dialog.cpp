#include "catalogue/dialogs/game_select_dialog.h"

namespace catalogue::dialogs {

namespace gi = game_info;
namespace ui = univ_info;

GameSelectDialog::GameSelectDialog(Catalogue& cat, int protection, int trackedSlot,
                                   GameInfoRecord& callerRecord)
    : cat_(cat), protection_(protection), trackedSlot_(trackedSlot), callerRecord_(callerRecord) {
  refreshLabels();
}

void GameSelectDialog::refreshLabels() {
  for (int n = 1; n <= kButtons; ++n)
    labels_[size_t(n - 1)] = cat_.ReadGameRecord(buttonSlot(n)).get(gi::GameName);
}

void GameSelectDialog::nextPage() {
  const GameInfoRecord last = cat_.ReadGameRecord(buttonSlot(kButtons));
  if (last.get(gi::IsDefined) == 0 || last.get(gi::GameName).empty()) return;
  ++offset_;
  refreshLabels();
}

void GameSelectDialog::prevPage() {
  if (offset_ == 0) return;
  --offset_;
  refreshLabels();
}

void GameSelectDialog::pressButton(int n, const DefineGameRunner& runDefine) {
  if (n < 1 || n > kButtons) return;
  defineSlot(buttonSlot(n), runDefine);
}

void GameSelectDialog::defineSlot(int slot, const DefineGameRunner& runDefine) {
  const GameInfoRecord keptRecord = cat_.current();
  const int keptSlot = cat_.currentSlot();

  cat_.univ().set(ui::CurrentSlot, slot);
  cat_.current() = cat_.ReadGameRecord(slot);
  const int advancedSetup = protection_ != 0 && slot < kProtectedBelow ? 1 : 0;
  RunWith runWith = cat_.runWith(slot);
  {
    DefineGameDialog define(cat_.current(), slot, advancedSetup, cat_.currentGameDirectory(),
                            runWith);
    runDefine(define);
    runWith = define.runWith();
  }
  if (cat_.current().get(gi::IsDefined) != 0) {
    cat_.WriteGameRecord(slot, cat_.current());
    cat_.setRunWith(slot, runWith);
    if (slot == trackedSlot_) callerRecord_ = cat_.current();
  }
  if (slot != keptSlot) {
    cat_.current() = keptRecord;
    cat_.univ().set(ui::CurrentSlot, keptSlot);
  }
  refreshLabels();
}

}  // namespace catalogue::dialogs
