#include "gui/app/menus.h"

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_window.h"
#include "gui/app/wx_ids.h"
#include "gui/app/wx_text.h"

namespace gui {

namespace {

using namespace app;

constexpr const char* kSavedGameMenu = "Run Previously Saved Game";
constexpr const char* kFaqMenu = "&FAQs and Text Files";

void item(wxMenu* menu, int id, wxItemKind kind = wxITEM_NORMAL) {
  const auto command = findCommand(id);
  menu->Append(wxIdOf(id), command ? toWx(command->text) : wxString::Format("%d", id),
               command ? toWx(command->help) : wxString(), kind);
}

void check(wxMenu* menu, int id) {
  item(menu, id, wxITEM_CHECK);
}

wxMenu* fileMenu() {
  auto* menu = new wxMenu;
  item(menu, kCmdRun);
  auto* slots = new wxMenu;
  for (int id = kCmdSavedGameFirst; id <= kCmdSavedGameLast; ++id) item(slots, id);
  menu->AppendSubMenu(slots, kSavedGameMenu, "Run the game with one of its saved games");
  menu->AppendSeparator();
  item(menu, kCmdDisplayDefaultFiles);
  item(menu, kCmdResetDataFiles);
  menu->AppendSeparator();
  item(menu, kCmdExit);
  return menu;
}

wxMenu* editToolsMenu() {
  auto* menu = new wxMenu;
  auto* build = new wxMenu;
  for (int id :
       {kCmdEditSelectedMap, kCmdEditNewMap, kCmdUndoEdit, kCmdDeleteBackUp, kCmdFileEditor})
    item(build, id);
  menu->AppendSubMenu(build, "&Build (Edit-Map)", "The map editor");
  auto* art = new wxMenu;
  item(art, kCmdEditArtSelected);
  item(art, kCmdEditArtGame);
  menu->AppendSubMenu(art, "Edit&Art", "The art editor");

  auto* extract = new wxMenu;
  item(extract, kCmdExtractMap);
  auto* artFiles = new wxMenu;
  item(artFiles, kCmdExtractArtAll);
  std::span<const int> tiles = extractionRangeIds();
  for (size_t i = 0; i < tiles.size() && i < 16; ++i) item(artFiles, tiles[i]);
  extract->AppendSubMenu(artFiles, "&Art", "Extract art files");
  for (int id :
       {kCmdExtractAnm, kCmdExtractDat, kCmdExtractMidi, kCmdExtractVocWav, kCmdExtractCon})
    item(extract, id);
  menu->AppendSubMenu(extract, "&Extract", "Extract files from the game's group file");

  auto* rts = new wxMenu;
  item(rts, kCmdEditRts);
  item(rts, kCmdCreateRts);
  menu->AppendSubMenu(rts, "&RTS Files", "The game's taunt sounds");
  item(menu, kCmdEditUserCon);
  menu->AppendSeparator();
  item(menu, kCmdRunGameSetup);
  item(menu, kCmdRunEditorSetup);
  return menu;
}

wxMenu* fileManagerMenu() {
  auto* menu = new wxMenu;
  for (int id :
       {kCmdFileCopy, kCmdFileMove, kCmdFileDelete, kCmdFileRename, kCmdFileCreateDirectory})
    item(menu, id);
  menu->AppendSeparator();
  item(menu, kCmdFavorites);
  item(menu, kCmdFileListHome);
  item(menu, kCmdDisplayText);
  item(menu, kCmdUnzipProfile);
  menu->AppendSeparator();
  auto* settings = new wxMenu;
  check(settings, kCmdDisableFileManager);
  check(settings, kCmdExpertMode);
  check(settings, kCmdAutoTextTab);
  check(settings, kCmdManualTextTab);
  menu->AppendSubMenu(settings, "File Manager &Settings", "How the file manager works");
  return menu;
}

wxMenu* gamesMenu() {
  auto* menu = new wxMenu;
  item(menu, kCmdDefineGame);
  // Item slot + 1 is the game of that slot.
  for (int id = kCmdGamePickFirst; id <= kCmdGamePickLast; ++id) check(menu, id);
  return menu;
}

wxMenu* optionsMenu() {
  auto* menu = new wxMenu;
  item(menu, kCmdSoundVideoOptions);
  item(menu, kCmdDemoSpawnOptions);
  item(menu, kCmdLaunchOptions);
  item(menu, kCmdDrives);
  menu->AppendSeparator();
  item(menu, kCmdWeaponsOption);
  item(menu, kCmdAutoDeathMatch);
  item(menu, kCmdOverrideMapDir);
  item(menu, kCmdTotalConversionDir);
  item(menu, kCmdCheatCodes);
  menu->AppendSeparator();
  auto* setup = new wxMenu;
  item(setup, kCmdSoundSetup);
  item(setup, kCmdModemSetup);
  menu->AppendSubMenu(setup, "Set&up", "Sound and modem set-up");
  auto* numbers = new wxMenu;
  item(numbers, kCmdAddNumber);
  item(numbers, kCmdEditNumber);
  item(numbers, kCmdDeleteNumber);
  menu->AppendSubMenu(numbers, "&Phone/InterNet Numbers", "The number list");
  menu->AppendSeparator();
  item(menu, kCmdJoystickToggle);
  item(menu, kCmdJoystickMenu);
  item(menu, kCmdJoystickSettings);
  item(menu, kCmdSpaceOrb);
  return menu;
}

wxMenu* viewMenu() {
  auto* menu = new wxMenu;
  check(menu, kCmdViewToolbar);
  check(menu, kCmdViewStatusBar);
  check(menu, kCmdSelectGameBar);
  menu->AppendSeparator();
  auto* mainBar = new wxMenu;
  for (int id : {kCmdToolbarTop, kCmdToolbarBottom, kCmdToolbarLeft, kCmdToolbarRight})
    check(mainBar, id);
  menu->AppendSubMenu(mainBar, "Toolbar &Position", "Where the toolbar is docked");
  auto* selectBar = new wxMenu;
  for (int id : {kCmdSelectGameTop, kCmdSelectGameBottom, kCmdSelectGameLeft, kCmdSelectGameRight})
    check(selectBar, id);
  menu->AppendSubMenu(selectBar, "SelectGame Toolbar P&osition",
                      "Where the select-game toolbar is docked");
  menu->AppendSeparator();
  item(menu, kCmdShrink);
  item(menu, kCmdModeSwitch);
  return menu;
}

wxMenu* helpMenu() {
  auto* menu = new wxMenu;
  auto* faqs = new wxMenu;
  item(faqs, kCmdWhatAreFaqs);
  menu->AppendSubMenu(faqs, kFaqMenu, "The game's help and text files");
  item(menu, kCmdGameHelp);
  item(menu, kCmdEditorHelp);
  menu->AppendSeparator();
  item(menu, kCmdAbout);
  return menu;
}

// The FAQ pop-up is the menu that holds "What are FAQs".
wxMenu* faqMenu(wxMenuBar* bar) {
  wxMenu* menu = nullptr;
  return bar->FindItem(wxIdOf(kCmdWhatAreFaqs), &menu) ? menu : nullptr;
}

void prepareFaqs(wxMenu* faqs, const std::vector<MenuItem>& items) {
  // Everything after "What are FAQs" is the game's.
  while (faqs->GetMenuItemCount() > 1) faqs->Destroy(faqs->FindItemByPosition(1));
  for (const MenuItem& entry : items) {
    faqs->Append(wxIdOf(entry.id), toWx(entry.text), "Open this help or text file");
    faqs->Enable(wxIdOf(entry.id), entry.enabled);
  }
}

}  // namespace

wxMenuBar* createMenuBar() {
  auto* bar = new wxMenuBar;
  bar->Append(fileMenu(), "&File");
  bar->Append(editToolsMenu(), "&EditTools");
  bar->Append(fileManagerMenu(), "File&Manager");
  bar->Append(gamesMenu(), "&GamePick");
  bar->Append(optionsMenu(), "&Options");
  bar->Append(viewMenu(), "&View");
  bar->Append(helpMenu(), "&Help");
  return bar;
}

wxMenu* createPanelContextMenu() {
  auto* menu = new wxMenu;
  for (int id : {kCmdContextMapEditorSelected, kCmdContextLaunchGame, kCmdContextMapEditorNew,
                 kCmdContextHelp})
    item(menu, id);
  return menu;
}

void prepareMenus(wxMenuBar* bar, MainWindow& window) {
  for (const MenuItem& entry : window.savedGameMenu())
    if (wxMenuItem* found = bar->FindItem(wxIdOf(entry.id))) found->SetItemLabel(toWx(entry.text));

  if (wxMenu* faqs = faqMenu(bar)) prepareFaqs(faqs, window.helpFileMenu());

  wxMenu* games = bar->GetMenu(kGameMenu);
  for (const MenuItem& entry : window.gameMenu())
    if (wxMenuItem* found = games->FindItem(wxIdOf(entry.id)))
      found->SetItemLabel(toWx(entry.text));

  // The edit tools: items 1-3 by the game's flags, item 4 the USER.CON editor; none of them
  // is usable while its tool is not part of the program.
  const EditToolsState tools = window.editToolsMenu();
  wxMenu* edit = bar->GetMenu(kEditToolsMenu);
  const bool toolsBuilt[3] = {window.isEnabled(kCmdEditArtSelected),
                              window.isEnabled(kCmdExtractMap), window.isEnabled(kCmdEditRts)};
  for (size_t i = 0; i < 3; ++i)
    if (wxMenuItem* entry = edit->FindItemByPosition(i + 1))
      entry->Enable(tools.items[i] && toolsBuilt[i]);
  if (wxMenuItem* entry = edit->FindItemByPosition(4)) {
    entry->SetItemLabel(toWx(tools.userCon.text));
    entry->Enable(tools.userCon.enabled && window.isEnabled(kCmdEditUserCon));
  }
}

}  // namespace gui
