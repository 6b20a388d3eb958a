#include "launch/option_lines.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "catalogue/game_types.h"
#include "platform/dos_path.h"
#include "platform/dos_text.h"

namespace launch {

using platform::dos::containsIgnoreCase;
using platform::dos::endsWithIgnoreCase;
using platform::dos::startsWithIgnoreCase;

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
namespace ui = catalogue::univ_info;

namespace {

// Game types with rules of their own (the built-in type number, slot + 1).
using catalogue::kKindBlood;
using catalogue::kKindQuake;
constexpr int kBloodEpisodeByMap = 4;

// Switch texts that lie one after the other in the game record and are picked by a number:
// the connect text of each communication type, the four respawn texts after the no-monsters
// text, and the four sound "On" and "Off" texts.
using GameText = catalogue::TextField<catalogue::GameInfoTag>;
constexpr GameText kConnectCommands{{"ConnectCommand", gi::SerialConnectCommand.offset, 51, 7}};
constexpr GameText kRespawnCommands{{"RespawnCommand", gi::RespawnAllCommand.offset, 51, 4}};
constexpr GameText kSoundOnCommands{{"SoundOnCommand", gi::SoundOnCommand.offset, 51, 4}};
constexpr GameText kSoundOffCommands{{"SoundOffCommand", gi::SoundOffCommand.offset, 51, 4}};
static_assert(gi::InternetServerCommand.offset == kConnectCommands.at(6));
static_assert(gi::RespawnInventoryCommand.offset == kRespawnCommands.at(3));
static_assert(gi::SoundMiscOnCommand.offset == kSoundOnCommands.at(3));
static_assert(gi::SoundMiscOffCommand.offset == kSoundOffCommands.at(3));

struct SerialPort {
  const char* irq;
  const char* address;
};
// The standard IRQ and port address of COM1-COM4.
constexpr std::array<SerialPort, 4> kSerialPorts{{
    {"4", "3F8"},
    {"3", "2F8"},
    {"4", "3E8"},
    {"3", "2E8"},
}};

// Element `index` of an array field, or "" when the index is outside the field. The indexes
// come from records the user can edit (and from older or damaged files), so an index past
// the end is a choice of "none" and never reads a neighbouring field. The record accessors
// would fall back to element 0, which would put a wrong switch on the command line.
template <class Tag>
std::string textAt(const catalogue::Record<Tag>& rec, const catalogue::TextField<Tag>& field,
                   long index) {
  if (index < 0 || static_cast<size_t>(index) >= field.count) return "";
  return rec.get(field, static_cast<size_t>(index));
}

template <class Tag>
int32_t intAt(const catalogue::Record<Tag>& rec, const catalogue::IntField<Tag>& field,
              long index) {
  if (index < 0 || static_cast<size_t>(index) >= field.count) return 0;
  return rec.get(field, static_cast<size_t>(index));
}

std::string decimal(long value) {
  return std::to_string(value);
}

void setLine(OptionLine& line, std::string text, std::string value = "", int32_t state = 0) {
  line.Text = std::move(text);
  line.Value = std::move(value);
  line.State = state;
}

class Builder {
 public:
  Builder(OptionLines& lines, const OptionLineInputs& in, LaunchSession& session)
      : lines_(lines),
        in_(in),
        session_(session),
        game_(in.game),
        data_(in.data),
        univ_(in.univ),
        kind_(game_.get(gi::GameKind)),
        multiplayer_(univ_.get(ui::MultiplayerMode) != 0),
        gameDir_(platform::dos::withTrailingSeparator(in.gameDir)) {}

  void run() {
    for (OptionLine& line : lines_) setLine(line, "");
    setLine(lines_[kLineExtraOptions], data_.get(gd::ExtraOptions), "", 1);
    setLine(lines_[kLinePlayerName], game_.get(gi::PlayerNameCommand),
            textAt(univ_, ui::PlayerNameList, univ_.get(ui::NameIndex)));
    if (multiplayer_) multiplayerLines();
    launchLines();
    if (!multiplayer_) botLines();
    episodeLevelSkillLines();
    optionLines();
    configLines();
    selectedFileLines();
    savedGameLine();
    weaponLines();
  }

 private:
  std::string internetNumber() const {
    // The number a game connects to, from the InterNet list's numbers.
    return textAt(univ_, ui::InternetNumberList, univ_.get(ui::InternetIndex));
  }

  void multiplayerLines() {
    setLine(lines_[kLinePlayerQty], game_.get(gi::PlayerQtyCommand),
            decimal(univ_.get(ui::PlayersIndex) + 2));
    setLine(lines_[kLineDeathMatchType],
            textAt(game_, gi::DeathMatchTypeCommand, univ_.get(ui::GameMode)), "", 1);
    setLine(lines_[kLineShirtColor], game_.get(gi::ShirtColorCommand),
            textAt(game_, gi::ColorValue, data_.get(gd::ShirtColorIndex)));
    setLine(lines_[kLinePantsColor], game_.get(gi::PantsColorCommand),
            textAt(game_, gi::ColorValue, data_.get(gd::PantsColorIndex)));

    const int commType = univ_.get(ui::ConnectionType);
    OptionLine& connect = lines_[kLineConnect];
    connect.Text = textAt(game_, kConnectCommands, commType);
    if (commType <= 3)
      connect.State = 1;
    else if (commType <= 6)
      connect.Value = internetNumber();

    if (commType == 0 || commType == 1)
      serialLines();
    else
      networkLines(commType);

    if (int32_t limit = univ_.get(ui::TimeLimit); limit != 0)
      setLine(lines_[kLineTimeLimit], game_.get(gi::TimeLimitCommand),
              std::to_string(static_cast<uint32_t>(limit)));
    if (int limit = univ_.get(ui::FragLimit); limit != 0)
      setLine(lines_[kLineFragLimit], game_.get(gi::FragLimitCommand), decimal(limit));
  }

  void serialLines() {
    auto modem = [&](size_t line, long setup, std::string value, int32_t state) {
      setLine(lines_[line], textAt(game_, gi::ModemSetupCommand, setup), std::move(value), state);
    };
    for (size_t i = 0; i < 4; ++i)
      modem(kLineModemFirst + i, long(i), univ_.get(ui::ModemString, i), 2);
    modem(kLinePhoneNumber, 4, textAt(univ_, ui::PhoneNumberList, univ_.get(ui::PhoneIndex)), 0);

    // COM1-COM4 have standard settings; 0 lets the game choose and takes what the user typed.
    // Any other number has no known settings and gives none.
    const int comPort = univ_.get(ui::ComPort);
    std::string irq, address;
    if (comPort == 0) {
      irq = univ_.get(ui::CustomIrq);
      address = univ_.get(ui::CustomPortAddress);
    } else if (comPort <= int(kSerialPorts.size())) {
      irq = kSerialPorts[comPort - 1].irq;
      address = kSerialPorts[comPort - 1].address;
    }
    modem(kLineIrq, 5, irq, 2);
    modem(kLinePortAddress, 6, address, 2);
    modem(kLineBaudRate, 7, univ_.get(ui::BaudRate), 2);
    modem(kLineComPort, 8, comPort == 0 ? "" : decimal(comPort), 2);

    if (univ_.get(ui::Uart16550) != 0)
      modem(kLineUart, 10, "", 1);
    else if (univ_.get(ui::Uart8250) != 0)
      modem(kLineUart, 9, "", 1);
    else
      setLine(lines_[kLineUart], "", "", 2);

    modem(kLineDialMode, 11 + long(univ_.get(ui::DialMode)), "", 1);
  }

  void networkLines(int commType) {
    const int packets = data_.get(gd::FewerPacketIndex);
    setLine(lines_[kLineFewerPackets],
            packets == 0 ? "" : textAt(game_, gi::FewerPacketCommand, packets - 1), "", 1);
    if (int32_t socket = intAt(univ_, ui::SocketNumbers, univ_.get(ui::SocketIndex)); socket != 0)
      setLine(lines_[kLineSocket], game_.get(gi::SocketCommand), decimal(socket));
    if (commType >= 4)
      setLine(lines_[kLineModDirectory], game_.get(gi::InternetAddressCommand), internetNumber());
  }

  void launchLines() {
    const bool viaHelper = game_.get(gi::UseArgPassProgram) != 0 &&
                           (game_.get(gi::LaunchInUserPath) != 0 || univ_.get(ui::SpaceOrbOn) != 0);
    setLine(lines_[kLineLaunchName], game_.get(gi::LaunchNameCommand),
            viaHelper ? "arg_pass.com" : game_.get(gi::ExecuteFile), 1);
    setLine(lines_[kLineMemory], game_.get(gi::MemoryCommand), decimal(data_.get(gd::MemoryIndex)));

    const std::string demo = data_.get(gd::DemoName);
    const bool duke = catalogue::isDukeNukem(kind_);
    setLine(lines_[kLineRecordDemo],
            data_.get(gd::RecordDemo) != 0 ? game_.get(gi::RecordDemoCommand) : "", demo,
            demo.empty() || duke ? 1 : 0);
    setLine(lines_[kLinePlayDemo],
            data_.get(gd::PlayDemo) != 0 ? game_.get(gi::PlayDemoCommand) : "", demo,
            demo.empty() ? 1 : 0);
  }

  void botLines() {
    const int bots = data_.get(gd::BotCount);
    const bool ai = data_.get(gd::UseAiPlayers) != 0;
    const std::string value = decimal(bots + 1);
    setLine(lines_[kLineAiPlayers], bots != 0 && ai ? game_.get(gi::AiPlayerCommand) : "", value);
    setLine(lines_[kLineFakePlayers], bots != 0 && !ai ? game_.get(gi::FakePlayerCommand) : "",
            value);
  }

  void episodeLevelSkillLines() {
    const int savedSlot = data_.get(gd::SavedGameSlot);
    setLine(lines_[kLineRunSavedGame], savedSlot != 0 ? game_.get(gi::RunSavedGameCommand) : "",
            decimal(savedSlot - 1));

    // A saved game, a demo or a picked map starts in a place of its own: only the skill is
    // passed then.
    const bool directStart = savedSlot != 0 || data_.get(gd::PlayDemo) != 0 ||
                             (data_.get(gd::RecordDemo) != 0 && kind_ == kKindQuake) ||
                             containsIgnoreCase(data_.get(gd::SelectedFileTemplate), "map") ||
                             (game_.get(gi::LimitCommandOption) != 0 && multiplayer_);

    const int skill = data_.get(gd::SkillIndex);
    const std::string skillValue = decimal(game_.get(gi::SkillMin) + skill);
    if (directStart && kind_ <= kKindQuake) {
      setLine(lines_[kLineEpisode], skill != 0 ? game_.get(gi::SkillCommand) : "", skillValue);
      return;
    }

    // Duke Nukem 3D with a picked file starts on that file unless the user chose an episode
    // or level or asked for bots; other games always get the switches.
    const bool duke = catalogue::isDukeNukem(kind_);
    const bool noFile = data_.get(gd::SelectedFile).empty();
    const bool always = !duke || data_.get(gd::BotCount) != 0;

    const int episode = data_.get(gd::EpisodeIndex);
    std::string episodeText;
    if (episode != 0 || noFile || always)
      episodeText = kind_ == kKindBlood && episode == kBloodEpisodeByMap
                        ? kBloodEpisodeFourText
                        : game_.get(gi::EpisodeCommand);
    setLine(lines_[kLineEpisode], episodeText, decimal(game_.get(gi::EpisodeMin) + episode));

    const int level = data_.get(gd::LevelIndex);
    setLine(
        lines_[kLineLevel],
        level != 0 || noFile || always || session_.LevelPicked ? game_.get(gi::LevelCommand) : "",
        decimal(game_.get(gi::LevelMin) + level));

    setLine(lines_[kLineSkill], skill != 0 || always ? game_.get(gi::SkillCommand) : "",
            skillValue);
  }

  void optionLines() {
    for (size_t k = 0; k < 4; ++k) {
      if (data_.get(gd::SoundOption, k) != 0)
        setLine(lines_[kLineSoundFirst + k], game_.get(kSoundOffCommands, k), "", 1);
      else
        setLine(lines_[kLineSoundFirst + k], game_.get(kSoundOnCommands, k), "", 4);
    }
    setLine(lines_[kLineNoMonsters],
            data_.get(gd::NoMonsters) != 0 ? game_.get(gi::NoMonstersCommand) : "", "", 1);
    const int respawn = data_.get(gd::RespawnIndex);
    setLine(lines_[kLineRespawn], respawn != 0 ? textAt(game_, kRespawnCommands, respawn - 1) : "",
            "", 1);
    const int video = data_.get(gd::VideoModeIndex);
    setLine(lines_[kLineVideoMode],
            video != 0 ? textAt(game_, gi::VideoModeCommand, video - 1) : "", "", 1);
  }

  // A configuration file is passed by its bare name when the game will find it there, else
  // with its directory.
  void configLines() {
    const std::string userPath = game_.get(gi::UserPathCommand);
    for (size_t n = 1; n <= catalogue::kConfigFiles; ++n) {
      OptionLine& line = lines_[kLineConfigFirst + n - 1];
      if (!containsIgnoreCase(userPath, "<Default File" + decimal(long(n)) + ">")) {
        setLine(line, "", "", 2);
        continue;
      }
      const std::string& name = in_.configs.names[n - 1];
      const std::string& dir = in_.configs.dirs[n - 1];
      std::string value = name;
      if (!in_.fs.samePath(in_.selectedDir, dir)) {
        const bool foundBeside =
            in_.fs.samePath(dir, gameDir_) && in_.fs.exists(in_.selectedDir + name);
        if (!foundBeside) value = dir + name;
      }
      setLine(line, game_.get(gi::ConfigFileCommand, n - 1), value);
    }
  }

  void selectedFileLines() {
    const std::string file = data_.get(gd::SelectedFile);
    OptionLine& line = lines_[kLineSelectedFile];
    line.Value = file;
    line.Text = file.empty() ? "" : data_.get(gd::SelectedFileTemplate);
    if (!file.empty() && kind_ == kKindQuake) quakeModMap(file);
    lines_[kLineSelectedFile].State = 2;
    lines_[kLineModDirectory].State = 2;
    lines_[kLineSavedGamePick].State = 2;
  }

  // A map in a mod's own "maps\" directory under the game directory (not the game's "maps\")
  // is loaded through the configuration file, and the game is told to run the mod.
  void quakeModMap(const std::string& file) {
    static constexpr std::string_view kMapsDir = "\\maps\\";
    const std::string& dir = in_.selectedDir;
    if (!startsWithIgnoreCase(dir, gameDir_) || !startsWithIgnoreCase(file, dir)) return;
    const std::string_view underGame = std::string_view(dir).substr(gameDir_.size());
    // "MOD\maps\": the game's own "maps\" has no mod part before it.
    if (underGame.size() <= kMapsDir.size() || !endsWithIgnoreCase(underGame, kMapsDir)) return;
    setLine(lines_[kLineSelectedFile], kModMapText, file.substr(dir.size()));
    setLine(lines_[kLineModDirectory], kModDirText,
            std::string(underGame.substr(0, underGame.size() - kMapsDir.size())));
  }

  void savedGameLine() {
    if (session_.PendingSavedGame.empty()) return;
    OptionLine& line = lines_[kLineSavedGamePick];
    line.Text = game_.get(gi::SavedGamePickCommand);
    line.Value = session_.PendingSavedGame;
    session_.PendingSavedGame.clear();
  }

  void weaponLines() {
    const std::string order = data_.get(gd::WeaponOrder);
    for (size_t k = 0; k < 10; ++k) {
      const char weapon = k < order.size() ? order[k] : '\0';
      if (weapon != '\0')
        setLine(lines_[kLineWeaponFirst + k], game_.get(gi::WeaponOrderCommand, k),
                std::string(1, weapon), 2);
      else
        setLine(lines_[kLineWeaponFirst + k], "", "", 2);
    }
    if (data_.get(gd::GodMode) != 0)
      setLine(lines_[kLineGodMode], game_.get(gi::GodModeCommand), "", 1);
    else
      setLine(lines_[kLineGodMode], "", "", 2);
    if (data_.get(gd::WeaponsAll) != 0)
      setLine(lines_[kLineWeaponsAll], game_.get(gi::WeaponsAllCommand), "", 1);
    else
      setLine(lines_[kLineWeaponsAll], "", "", 2);
  }

  OptionLines& lines_;
  const OptionLineInputs& in_;
  LaunchSession& session_;
  const catalogue::GameInfoRecord& game_;
  const catalogue::GameDataRecord& data_;
  const catalogue::UnivInfoRecord& univ_;
  const int kind_;
  const bool multiplayer_;
  const std::string gameDir_;
};

}  // namespace

void buildOptionLines(OptionLines& lines, const OptionLineInputs& in, LaunchSession& session) {
  Builder(lines, in, session).run();
}

}  // namespace launch
