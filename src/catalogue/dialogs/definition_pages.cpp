#include "catalogue/dialogs/definition_pages.h"

#include <cstdint>
#include <string>

namespace catalogue::dialogs {

namespace {

// A field of the game record by its name; a name the record does not know gives a field of
// size 0, which the page tests reject.
FieldInfo recordField(std::string_view name) {
  if (auto found = findField(game_info::kFields, name)) return *found;
  return FieldInfo{name, 0, 0, 0, FieldKind::kBytes};
}

CellKind naturalKind(const FieldInfo& f) {
  switch (f.kind) {
    case FieldKind::kChars:
      return CellKind::kChar;
    case FieldKind::kByte:
      return CellKind::kNumber;
    case FieldKind::kInt:
      return CellKind::kFlag;
    default:
      return CellKind::kText;
  }
}

PageCell cell(std::string_view name, size_t index = 0) {
  FieldInfo f = recordField(name);
  return PageCell{f, index, naturalKind(f)};
}

PageCell number(std::string_view name) {
  PageCell c = cell(name);
  c.kind = CellKind::kNumber;
  return c;
}

PageRow row(std::string label, std::string_view name, size_t index = 0) {
  return PageRow{std::move(label), {cell(name, index)}};
}

// Rows "<first> 1" ... "<first> n" over the elements of an array field.
void numberedRows(std::vector<PageRow>& rows, const std::string& label, std::string_view name,
                  size_t count) {
  for (size_t i = 0; i < count; ++i) rows.push_back(row(label + std::to_string(i + 1), name, i));
}

PageLayout multiPlayerPage() {
  PageLayout page{"Multi-Player Comand Line", {}};

  PageSection programs{"Launch Programs", {}, {}};
  programs.rows = {
      row("Modem Launch Program", "ModemExecuteFile"),
      row("Serial Launch Program", "SerialExecuteFile"),
      row("IPX Launch Program", "IpxExecuteFile"),
      row("Kahn Launch Program", "KahnExecuteFile"),
      row("InterNet Launch Program", "InternetExecuteFile"),
      row("Network Server", "NetServerExecuteFile"),
      row("InterNet Server", "InternetServerExecuteFile"),
  };
  page.sections.push_back(std::move(programs));

  PageSection players{"Players", {}, {}};
  players.rows = {
      row("Player Name Command", "PlayerNameCommand"),
      row("PlayerNo. Command", "PlayerQtyCommand"),
      PageRow{"Player Quantity Max", {number("PlayerQtyMax")}},
      row("Timer Limit Command", "TimeLimitCommand"),
      row("Frag Limit Command", "FragLimitCommand"),
  };
  numberedRows(players.rows, "DeathMatch Type Command ", "DeathMatchTypeCommand", 4);
  page.sections.push_back(std::move(players));

  PageSection colours{"Colors", {}, {}};
  colours.rows = {row("Shirt Color Command", "ShirtColorCommand"),
                  row("Pants Color Command", "PantsColorCommand")};
  const char* colourNames[] = {"Blue",   "Brown", "Green", "Gray",
                               "Purple", "Red",   "White", "Yellow"};
  for (size_t i = 0; i < 8; ++i) colours.rows.push_back(row(colourNames[i], "ColorValue", i));
  page.sections.push_back(std::move(colours));

  PageSection network{"Network", {}, {}};
  network.rows = {
      row("Fewer Packet 1 Command", "FewerPacketCommand", 0),
      row("Fewer Packet 2 Command", "FewerPacketCommand", 1),
      row("Fewer Packet 4 Command", "FewerPacketCommand", 2),
      row("Socket Command", "SocketCommand"),
      PageRow{"Default Socket Number", {number("DefaultSocketNumber")}},
      row("InterNet Address Command", "InternetAddressCommand"),
      row("Serial Connect Command", "SerialConnectCommand"),
      row("Modem Connect Command", "ModemConnectCommand"),
      row("Net Connect Command", "NetConnectCommand"),
      row("InterNet Connect Command", "InternetConnectCommand"),
      row("Net Server Command", "NetServerCommand"),
      row("InterNet Server Command", "InternetServerCommand"),
  };
  page.sections.push_back(std::move(network));

  PageSection modem{"Modem", {}, {}};
  const char* modemLabels[] = {"Dial Command",         "Start Command",       "End/Hangup Command",
                               "Clear Command",        "PhoneNumber Command", "IRQ Command",
                               "Port Address Command", "Baud Rate Command",   "Com Port Command",
                               "Uart Command 8250",    "Uart Command 16550",  "Dial Mode Command",
                               "Answer Mode Command",  "AlreadyConnect"};
  for (size_t i = 0; i < 14; ++i) modem.rows.push_back(row(modemLabels[i], "ModemSetupCommand", i));
  page.sections.push_back(std::move(modem));
  return page;
}

PageLayout respawnPage() {
  PageLayout page{"Respawn Options", {}};
  PageSection s{"", {}, {}};
  s.rows = {
      row("No Monsters", "NoMonstersCommand"),
      row("Respawn All", "RespawnAllCommand"),
      row("Respawn Monsters", "RespawnMonstersCommand"),
      row("Respawn Items", "RespawnItemsCommand"),
      row("Respawn Inventory", "RespawnInventoryCommand"),
  };
  page.sections.push_back(std::move(s));
  return page;
}

PageLayout videoSoundPage() {
  PageLayout page{"Video/Sound Options", {}};
  PageSection sound{"Sound", {"On", "Off"}, {}};
  sound.rows = {
      PageRow{"Sound", {cell("SoundOnCommand"), cell("SoundOffCommand")}},
      PageRow{"Music", {cell("MusicOnCommand"), cell("MusicOffCommand")}},
      PageRow{"Sound Effects", {cell("SoundEffectsOnCommand"), cell("SoundEffectsOffCommand")}},
      PageRow{"Sound Misc", {cell("SoundMiscOnCommand"), cell("SoundMiscOffCommand")}},
  };
  page.sections.push_back(std::move(sound));

  PageSection video{"Video Modes", {"Description", "Command"}, {}};
  for (size_t i = 0; i < 12; ++i)
    video.rows.push_back(PageRow{"Video Mode " + std::to_string(i + 1),
                                 {cell("VideoModeDescription", i), cell("VideoModeCommand", i)}});
  page.sections.push_back(std::move(video));

  PageSection memory{"", {}, {row("Game Memory Command", "MemoryCommand")}};
  page.sections.push_back(std::move(memory));
  return page;
}

PageLayout helpSetupFilesPage() {
  PageLayout page{"Define (help/setup) Files", {}};
  PageSection setup{"Setup Programs", {}, {}};
  setup.rows = {row("Game's Setup Program", "GameSetupProgram"),
                row("Editor's Setup Program", "EditorSetupProgram")};
  page.sections.push_back(std::move(setup));
  PageSection help{"Help Files", {}, {}};
  help.rows = {row("Game's Help File", "GameHelpFile"),
               row("Editor's Help File", "EditorHelpFile")};
  numberedRows(help.rows, "Help File ", "HelpFile", 10);
  page.sections.push_back(std::move(help));
  return page;
}

PageLayout fileListPage() {
  PageLayout page{"File List Settings", {}};
  PageSection kinds{"",
                    {"File EXT Name", "Edit Program Name", "Line Feed Command", "Set Only",
                     "Short Dir", "Long Dir", "Misc1 Dir", "Misc2 Dir"},
                    {}};
  for (size_t i = 0; i < 18; ++i)
    kinds.rows.push_back(PageRow{
        std::to_string(i + 1),
        {cell("FileKindExtension", i), cell("FileKindEditProgram", i),
         cell("FileKindLoadCommand", i), cell("FileKindSetOnly", i), cell("FileKindShortDir", i),
         cell("FileKindLongDir", i), cell("FileKindMisc1Dir", i), cell("FileKindMisc2Dir", i)}});
  page.sections.push_back(std::move(kinds));
  return page;
}

PageLayout configFilesPage() {
  PageLayout page{"Game Config/Data Files", {}};
  PageSection files{"", {"File", "Command Line", "Special Flag"}, {}};
  for (size_t i = 0; i < 5; ++i)
    files.rows.push_back(
        PageRow{"@Default File" + std::to_string(i + 1),
                {cell("ConfigFile", i), cell("ConfigFileCommand", i), cell("ConfigFileFlag", i)}});
  page.sections.push_back(std::move(files));
  PageSection launch{"", {}, {}};
  launch.rows = {
      row("User Defined Path Command", "UserPathCommand"),
      row("Launch In User Defined Path", "LaunchInUserPath"),
      row("Launch Name Command", "LaunchNameCommand"),
      row("Use Argument Pass Program", "UseArgPassProgram"),
  };
  page.sections.push_back(std::move(launch));
  return page;
}

PageLayout miscPage() {
  PageLayout page{"Misc Options", {}};
  PageSection modes{"", {}, {}};
  modes.rows = {
      row("Launch in DOS Mode Only", "DosModeOnly"),
      row("Launch in Windows Mode Only", "WindowsModeOnly"),
      row("Prevent game from detecting Windows", "HideWindowsFromGame"),
      row("Limit Command Line Option", "LimitCommandOption"),
  };
  page.sections.push_back(std::move(modes));
  PageSection commands{"Commands", {}, {}};
  commands.rows = {
      row("Run Save Game Command", "RunSavedGameCommand"),
      row("Saved Game Pick Command", "SavedGamePickCommand"),
      row("Record Demo Command", "RecordDemoCommand"),
      row("Play Demo Command", "PlayDemoCommand"),
      row("Fake Player Command", "FakePlayerCommand"),
      row("AI Player Command", "AiPlayerCommand"),
      row("God Mode Command", "GodModeCommand"),
      row("Weapons All Command", "WeaponsAllCommand"),
  };
  numberedRows(commands.rows, "Weapon Order Command ", "WeaponOrderCommand", 10);
  page.sections.push_back(std::move(commands));
  return page;
}

}  // namespace

size_t PageCell::maxLength() const {
  switch (kind) {
    case CellKind::kText:
      return field.size > 0 ? field.size - 1 : 0;
    case CellKind::kChar:
      return field.size;
    case CellKind::kNumber:
      return field.kind == FieldKind::kByte ? 3 : 11;
    case CellKind::kFlag:
      return 1;
  }
  return 0;
}

const PageLayout& pageLayout(DefinitionPage page) {
  static const std::array<PageLayout, kDefinitionPages.size()> layouts{
      multiPlayerPage(), respawnPage(),     videoSoundPage(), helpSetupFilesPage(),
      fileListPage(),    configFilesPage(), miscPage(),
  };
  return layouts[static_cast<size_t>(page)];
}

std::optional<long> parseDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

std::string cellValue(const GameInfoRecord& record, const PageCell& cell) {
  auto bytes = std::span<const uint8_t>(record.bytes());
  const size_t at = cell.field.offset + cell.field.size * cell.index;
  switch (cell.kind) {
    case CellKind::kText:
      return image::readText(bytes, at, cell.field.size);
    case CellKind::kChar:
      return image::readText(bytes, at, cell.field.size);
    case CellKind::kNumber:
      return std::to_string(cell.field.kind == FieldKind::kByte ? long(bytes[at])
                                                                : long(image::readInt(bytes, at)));
    case CellKind::kFlag:
      return image::readInt(bytes, at) != 0 ? "1" : "0";
  }
  return {};
}

bool storeCellValue(GameInfoRecord& record, const PageCell& cell, const std::string& value) {
  auto bytes = std::span<uint8_t>(record.bytes());
  const size_t at = cell.field.offset + cell.field.size * cell.index;
  switch (cell.kind) {
    case CellKind::kText:
      image::writeText(bytes, at, cell.field.size, value);
      return true;
    case CellKind::kChar:
      image::writeChars(bytes, at, cell.field.size, value);
      return true;
    case CellKind::kNumber: {
      std::optional<long> n = parseDecimal(value);
      if (!n) return false;
      if (cell.field.kind == FieldKind::kByte) {
        if (*n < 0 || *n > 255) return false;
        bytes[at] = uint8_t(*n);
      } else {
        if (*n < INT32_MIN || *n > INT32_MAX) return false;
        image::writeInt(bytes, at, int32_t(*n));
      }
      return true;
    }
    case CellKind::kFlag:
      image::writeInt(bytes, at, value == "1" ? 1 : 0);
      return true;
  }
  return false;
}

DefinitionPageEditor::DefinitionPageEditor(GameInfoRecord& record, DefinitionPage page)
    : record_(record), layout_(pageLayout(page)) {
  for (const PageSection& section : layout_.sections) {
    auto& rows = values_.emplace_back();
    for (const PageRow& r : section.rows) {
      auto& cells = rows.emplace_back();
      for (const PageCell& c : r.cells) cells.push_back(cellValue(record_, c));
    }
  }
}

std::string& DefinitionPageEditor::slot(size_t section, size_t row, size_t cell) {
  return values_.at(section).at(row).at(cell);
}

const std::string& DefinitionPageEditor::value(size_t section, size_t row, size_t cell) const {
  return values_.at(section).at(row).at(cell);
}

void DefinitionPageEditor::setValue(size_t section, size_t row, size_t cell, std::string value) {
  slot(section, row, cell) = std::move(value);
}

void DefinitionPageEditor::ok() {
  for (size_t s = 0; s < layout_.sections.size(); ++s)
    for (size_t r = 0; r < layout_.sections[s].rows.size(); ++r)
      for (size_t c = 0; c < layout_.sections[s].rows[r].cells.size(); ++c)
        storeCellValue(record_, layout_.sections[s].rows[r].cells[c], values_[s][r][c]);
}

}  // namespace catalogue::dialogs
