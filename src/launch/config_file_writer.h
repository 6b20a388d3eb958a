// The configuration pass: before a game starts, the option lines that name a configuration slot
// ("@Default File1" … "@Default File5") are written as key lines into the game's own
// configuration files. The writer works on its own copy of the option lines.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/launch_link.h"
#include "content/key_scanner.h"
#include "launch/launch_state.h"
#include "launch/option_line.h"
#include "launch/placeholders.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace launch {

// Largest configuration file the pass edits; a longer one is left as it is.
inline constexpr size_t kMaxConfigFileSize = 31000;

// The network configuration file a mode "1" slot gets when it has none: 283 bytes, CR LF lines.
inline constexpr std::string_view kNetworkConfigText =
    "[Commit]\r\n"
    "COMMTYPE = 3\r\n"
    "NUMPLAYERS = 2\r\n"
    "PAUSE = 0\r\n"
    "VECTOR = ~\r\n"
    "SOCKETNUMBER = 34889\r\n"
    "INITSTRING = \"ATZ\"\r\n"
    "HANGUPSTRING = \"ATH0=0\"\r\n"
    "PHONENUMBER = \"\"\r\n"
    "LAUNCHNAME = \"DUKE3D.EXE\"\r\n"
    "CONNECTTYPE = 0\r\n"
    "USETONE = 1\r\n"
    "COMPORT = 2\r\n"
    "IRQNUMBER = ~\r\n"
    "UARTADDRESS = ~\r\n"
    "PORTSPEED = 9600\r\n"
    "SHOWSTATS = 0\r\n";

inline constexpr const char* kOverwriteNotice = "Going to over write CFG file";
inline constexpr const char* kBackupSuffix = ".backup";

class ConfigFileWriter {
 public:
  struct Setup {
    const catalogue::GameInfoRecord& game;
    const catalogue::GameDataRecord& data;          // saved to `gameDataFile` before any slot
    const catalogue::ConfigWorkingCopies& configs;  // resolved names and directories of the slots
    int currentSlot = 0;
    std::string gameDataFile;      // full path of the game data file of the current slot
    std::string startSelectedDir;  // the selected directory when the launch started
  };
  struct Hooks {
    // The registry edits, run first on the writer's lines.
    std::function<void(OptionLines&)> registryPass;
    // Sets the game data record up (the catalogue's LoadGameData) when it is not yet.
    std::function<void()> initialiseGameData;
    // Whether the game data record is set up; when empty, its validity marker decides.
    std::function<bool()> gameDataSetUp;
  };

  // `state.SelectedDir` is the selected directory after the command-line pass; the copied-file
  // note of the launch goes to `state` too.
  ConfigFileWriter(platform::FileSystem& fs, platform::Prompter& prompter, Setup setup,
                   LaunchState& state, const OptionLines& lines, Hooks hooks = {});

  // Runs the pass: 1 when it finished, 0 when it did nothing or stopped early (then error()
  // tells why when it is an error).
  int writeConfigFiles();

  // kErrorFileOpen or kErrorDataNotSaved after an early stop, else 0.
  int error() const { return error_; }
  // kErrorKeyNotFound when a key was missing in a slot that does not append, else 0.
  int keyError() const { return scanner_.error(); }
  const OptionLines& lines() const { return lines_; }

 private:
  bool saveGameData();
  // 1: the slot was written or skipped, 0: the pass ends normally here, -1: stop with an error.
  int writeSlot(size_t slot);
  // Fills `text` with what the slot edits; false when the file cannot be read (error 15).
  bool loadText(const std::string& path, char mode, std::string& text);
  void editText(size_t slot, char mode, std::string& text);
  void applyPiece(std::string piece, const OptionLine& line, char mode, std::string& text);

  platform::FileSystem& fs_;
  platform::Prompter& prompter_;
  Setup setup_;
  LaunchState& state_;
  OptionLines lines_;
  Hooks hooks_;
  content::KeyScanner scanner_;
  int error_ = 0;
};

}  // namespace launch
