// "Other MultiPlayer Options": the multiplayer mode, shirt and pants colours, fewer packets,
// time and frag limits of the current game, and whether a multiplayer launch limits its
// command line. A control is greyed when the game has no switch for it. OK stores every usable
// control; Cancel stores nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"
#include "multiplayer/dialog_fields.h"
#include "platform/prompter.h"

namespace multiplayer {

class OtherOptionsDialog {
 public:
  static constexpr const char* kTitle = "Other MultiPlayer Options";

  // The controls, named by their captions.
  static constexpr const char* kMode = "MultiPlayer Mode";
  static constexpr const char* kShirtColor = "Shirt Color";
  static constexpr const char* kPantsColor = "Pants Color";
  static constexpr const char* kFewerPacket = "Fewer Packet Option";
  static constexpr const char* kTimeLimit = "Time Limit";
  static constexpr const char* kFragLimit = "Frag Limit";
  static constexpr const char* kLimitCommandLine = "Limit Command Line Option";
  static constexpr std::array<const char*, 7> kFieldNames{
      kMode, kShirtColor, kPantsColor, kFewerPacket, kTimeLimit, kFragLimit, kLimitCommandLine};

  // The multiplayer modes, by their number in GameMode (and DeathMatchTypeCommand).
  static constexpr std::array<const char*, 4> kModeNames{"DukeMatch (spawn)", "Coop",
                                                         "DukeMatch (No spawn)", "Team"};

  // The colour lists show the colours in this order. The game record keeps their values in the
  // order "Define Colors" edits them (Blue, Brown, Green, Gray, Purple, Red, White, Yellow), and
  // the launch hands the game ColorValue[stored index]; so each name stores the element of
  // ColorValue that the colour of that name is defined in.
  static constexpr std::array<const char*, 8> kColorNames{"Blue",   "Red",   "Green", "Yellow",
                                                          "Purple", "White", "Brown", "Grey"};
  static constexpr std::array<int, 8> kColorValueOf{0, 5, 2, 7, 4, 6, 1, 3};

  // FewerPacketIndex counts from 1 (FewerPacketCommand[index - 1]); 0 is none.
  static constexpr std::array<const char*, 4> kFewerPacketNames{"Not selected", "1", "2", "4"};

  static constexpr const char* kLimitWarning =
      "Warning: For this option to work, all players must use Quillfen95.  For more "
      "information, see Launching Duke Nukem With Selected Episode/Level/Skill.";

  // The limits as the launch takes them: minutes in an int, frags in a byte.
  static constexpr size_t kLimitTextMax = 10;
  static constexpr int kFragLimitMax = 255;

  OtherOptionsDialog(catalogue::UnivInfoRecord& univ, catalogue::GameInfoRecord& game,
                     catalogue::GameDataRecord& data, platform::Prompter& prompter);

  const ListChoice& mode() const { return mode_; }
  const ListChoice& shirtColor() const { return shirt_; }
  const ListChoice& pantsColor() const { return pants_; }
  const ListChoice& fewerPacket() const { return fewerPacket_; }
  bool chooseMode(int position) { return mode_.choose(position); }
  bool chooseShirtColor(int position) { return shirt_.choose(position); }
  bool choosePantsColor(int position) { return pants_.choose(position); }
  bool chooseFewerPacket(int position) { return fewerPacket_.choose(position); }

  const TextBox& timeLimit() const { return timeLimit_; }
  const TextBox& fragLimit() const { return fragLimit_; }
  bool typeTimeLimit(std::string_view text) { return timeLimit_.type(text); }
  bool typeFragLimit(std::string_view text) { return fragLimit_.type(text); }

  bool limitCommandLine() const { return limitCommandLine_.checked; }
  // Ticks or clears "Limit Command Line Option". Clearing it for Duke Nukem 3D first warns
  // that every player needs this program; Cancel leaves it ticked. Returns the box's state.
  bool setLimitCommandLine(bool on);

  // A control by name, as scripts fill the dialog: the text shown, none for an unknown name.
  std::optional<std::string> field(std::string_view name) const;
  // False for an unknown name, a greyed control or a list entry that is not offered.
  bool setField(std::string_view name, std::string_view text);
  bool enabled(std::string_view name) const;

  void ok();

 private:
  template <class Self>
  static auto* listNamed(Self& self, std::string_view name);
  template <class Self>
  static auto* textNamed(Self& self, std::string_view name);

  catalogue::UnivInfoRecord& univ_;
  catalogue::GameInfoRecord& game_;
  catalogue::GameDataRecord& data_;
  platform::Prompter& prompter_;
  ListChoice mode_, shirt_, pants_, fewerPacket_;
  TextBox timeLimit_, fragLimit_;
  CheckBox limitCommandLine_;
};

}  // namespace multiplayer
