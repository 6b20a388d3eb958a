// The wx views of the dialogs: each one renders, shows its plain class's state in the controls
// of its fixed ids, and hands what the user changed back. With QF95_SCREENSHOT_DIR set, every
// view is also saved as a screenshot there.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>

#include "catalogue/dialogs/game_location_dialog.h"
#include "dialogs_fixture.h"
#include "gui/dialogs/define_game_view.h"
#include "gui/dialogs/dialog_paths.h"
#include "gui/dialogs/drives_view.h"
#include "gui/dialogs/game_location_view.h"
#include "gui/dialogs/game_select_view.h"
#include "gui/dialogs/joystick_settings_view.h"
#include "gui/dialogs/launch_option_views.h"
#include "gui/dialogs/multiplayer_views.h"
#include "gui/dialogs/name_view.h"
#include "gui/dialogs/option_page_view.h"
#include "gui/dialogs/unzip_profile_view.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/scripted_prompter.h"
#include "view_helpers.h"

namespace {

using namespace catalogue;
using namespace gui::dialogs;
using catalogue::dialogs::DefineGameDialog;
using catalogue::dialogs::DefinitionPage;
using catalogue::dialogs::GameLocationDialog;
using catalogue::dialogs::GameSelectDialog;
using gui::fromWx;
using gui::toWx;
using viewtest::click;
using viewtest::control;
using viewtest::show;
using viewtest::textOf;

class DialogViewsTest : public dialogtest::DialogTest {
 protected:
  PathBridge noDriveMap;
};

TEST_F(DialogViewsTest, GameLocationRowsPageAndApply) {
  Catalogue& c = started();
  GameLocationDialog dialog(c, prompter, 0);
  GameLocationView view(nullptr, dialog, noDriveMap);
  show(&view, "game_location");
  EXPECT_EQ(fromWx(view.GetTitle()), "Game Location Configuration");
  EXPECT_EQ(textOf(&view, kIdLocationDir), dukeDir);
  EXPECT_FALSE(textOf(&view, kIdLocationName).empty());
  EXPECT_FALSE(view.FindWindow(kIdLocationBrowse)->IsEnabled());  // no drive map handed over

  click(&view, kIdLocationNext);
  EXPECT_EQ(dialog.offset(), 5);
  click(&view, kIdLocationPrev);
  EXPECT_EQ(textOf(&view, kIdLocationDir), dukeDir);

  control<wxTextCtrl>(&view, kIdLocationDir + 3)->SetValue("E:\\SHADOW");
  click(&view, wxID_OK);
  EXPECT_TRUE(dialog.committed());
  EXPECT_FALSE(view.IsShown());
  EXPECT_EQ(c.currentSlot(), 3);
  EXPECT_EQ(c.current().get(game_info::GameDir), "E:\\SHADOW\\");
}

TEST_F(DialogViewsTest, GameLocationBrowseIsUsableWithADriveMap) {
  Catalogue& c = started();
  PathBridge bridge;
  bridge.toHost = [](const std::string&) { return std::optional<std::string>("/tmp"); };
  bridge.toDos = [](const std::string&) { return std::optional<std::string>("Z:\\TMP"); };
  GameLocationDialog dialog(c, prompter, 0);
  GameLocationView view(nullptr, dialog, bridge);
  EXPECT_TRUE(view.FindWindow(kIdLocationBrowse + 4)->IsEnabled());
}

TEST_F(DialogViewsTest, DrivesListFollowsTheButtons) {
  fs.makeHostFolder("/home/player/My Games");
  catalogue::dialogs::DrivesDialog dialog(fs, prompter);
  std::vector<std::string> titles;
  DrivesView view(nullptr, dialog, [&](const std::string& title, const std::string&) {
    titles.push_back(title);
    return std::optional<std::string>("/home/player/My Games");
  });
  auto* list = control<wxListCtrl>(&view, kIdDrivesList);
  ASSERT_EQ(list->GetItemCount(), 2);  // C: and D: of the fixture
  EXPECT_EQ(fromWx(list->GetItemText(1, 1)), "/fake/drive_d");
  EXPECT_FALSE(view.FindWindow(kIdDrivesRemove)->IsEnabled());
  EXPECT_FALSE(view.FindWindow(kIdDrivesChange)->IsEnabled());

  click(&view, kIdDrivesAdd);
  EXPECT_EQ(titles, std::vector<std::string>{"Choose the folder for drive E:"});
  ASSERT_EQ(list->GetItemCount(), 3);
  EXPECT_EQ(fromWx(list->GetItemText(2, 0)), "E:");
  EXPECT_EQ(fromWx(list->GetItemText(2, 1)), "/home/player/My Games");
  EXPECT_EQ(list->GetItemState(2, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
  EXPECT_TRUE(view.FindWindow(kIdDrivesRemove)->IsEnabled());
  show(&view, "drives");

  click(&view, kIdDrivesRemove);
  EXPECT_EQ(list->GetItemCount(), 2);
  EXPECT_FALSE(fs.mapping('E'));
  EXPECT_TRUE(dialog.changed());
}

TEST_F(DialogViewsTest, GameSelectButtonsCarryTheSlotsNames) {
  Catalogue& c = started();
  putGame(1, "Second");
  GameInfoRecord buffer;
  GameSelectDialog dialog(c, 0, 0, buffer);
  GameSelectView view(nullptr, dialog, noDriveMap);
  show(&view, "game_select");
  EXPECT_EQ(fromWx(view.FindWindow(kIdSelectButton + 1)->GetLabel()), "Second");
  EXPECT_EQ(fromWx(view.FindWindow(kIdSelectButton + 19)->GetLabel()), "");
  // Button 11 heads the right column, level with button 1.
  EXPECT_EQ(view.FindWindow(kIdSelectButton + 10)->GetPosition().y,
            view.FindWindow(kIdSelectButton)->GetPosition().y);
  EXPECT_FALSE(view.FindWindow(kIdSelectResetAll)->IsEnabled());
  EXPECT_FALSE(view.FindWindow(kIdSelectHelp)->IsEnabled());
}

TEST_F(DialogViewsTest, DefineGameFieldsAndOk) {
  Catalogue& c = started();
  GameInfoRecord& record = c.current();
  DefineGameDialog dialog(record, 20, 0, dukeDir);
  DefineGameView view(nullptr, dialog, noDriveMap);
  show(&view, "define_game");
  EXPECT_EQ(fromWx(view.GetTitle()), "Define Selected Game Parameters");
  EXPECT_EQ(textOf(&view, kIdExecutionFile), dukeDir + "duke3d.exe");
  EXPECT_EQ(textOf(&view, kIdSkillCommand), record.get(game_info::SkillCommand));
  EXPECT_EQ(control<wxChoice>(&view, kIdGameType)->GetSelection(), 1);  // Duke3d 1.3

  control<wxTextCtrl>(&view, kIdGameName)->SetValue("Undefine");
  EXPECT_FALSE(view.FindWindow(kIdOptionPage + int(DefinitionPage::kFileList))->IsEnabled());
  control<wxTextCtrl>(&view, kIdGameName)->SetValue("Duke");
  EXPECT_TRUE(view.FindWindow(kIdOptionPage + int(DefinitionPage::kFileList))->IsEnabled());

  control<wxTextCtrl>(&view, kIdSkillCommand)->SetValue("/s<skill>");
  control<wxTextCtrl>(&view, kIdLevelMax)->SetValue("12");
  control<wxCheckBox>(&view, kIdPreventOverride)->SetValue(true);
  click(&view, wxID_OK);
  EXPECT_EQ(record.get(game_info::GameName), "Duke");
  EXPECT_EQ(record.get(game_info::SkillCommand), "/s<skill>");
  EXPECT_EQ(record.get(game_info::LevelMax), 12);
  EXPECT_EQ(record.get(game_info::PreventOverride), 1);
}

TEST_F(DialogViewsTest, EveryOptionPageRendersAndStoresItsCells) {
  Catalogue& c = started();
  const char* names[] = {"page_multiplayer", "page_respawn",   "page_video_sound",
                         "page_help_setup",  "page_file_list", "page_config_files",
                         "page_misc"};
  for (DefinitionPage page : catalogue::dialogs::kDefinitionPages) {
    GameInfoRecord record = c.current();
    catalogue::dialogs::DefinitionPageEditor editor(record, page);
    DefinitionPageView view(nullptr, editor);
    show(&view, names[int(page)]);
    EXPECT_EQ(fromWx(view.GetTitle()), editor.layout().caption);
    // The first cell of the page is the first field of its first row.
    const auto& first = editor.layout().sections[0].rows[0].cells[0];
    auto* text = dynamic_cast<wxTextCtrl*>(view.cellControl(0));
    if (first.kind == catalogue::dialogs::CellKind::kText) {
      ASSERT_NE(text, nullptr) << editor.layout().caption;
      text->SetValue(std::string(first.maxLength(), 'q'));
      click(&view, wxID_OK);
      EXPECT_EQ(catalogue::dialogs::cellValue(record, first),
                std::string(first.field.size - 1, 'q'));
    }
  }
}

TEST_F(DialogViewsTest, SoundVideoMemoryControlsFollowTheDefinition) {
  Catalogue& c = started();
  GameInfoRecord game = c.current();
  game.set(game_info::MusicOffCommand, "");
  game.set(game_info::SoundOffCommand, "-nosound");
  game.set(game_info::MemoryCommand, "");
  game.set(game_info::VideoModeDescription, "320x200", 0);
  GameDataRecord data;
  launch::dialogs::SoundVideoMemoryOptions options(game, data);
  SoundVideoMemoryView view(nullptr, options);
  show(&view, "sound_video_memory");
  EXPECT_TRUE(control<wxCheckBox>(&view, 1047)->IsEnabled());
  EXPECT_FALSE(control<wxCheckBox>(&view, 1048)->IsEnabled());
  EXPECT_EQ(fromWx(control<wxCheckBox>(&view, 1182)->GetLabel()), "No Sound Affects 1");
  EXPECT_EQ(control<wxChoice>(&view, 1184)->GetString(0), "Not selected");
  EXPECT_EQ(textOf(&view, 1185), "N/A");
  EXPECT_FALSE(control<wxTextCtrl>(&view, 1185)->IsEnabled());

  control<wxCheckBox>(&view, 1047)->SetValue(true);
  control<wxChoice>(&view, 1184)->SetSelection(1);
  click(&view, wxID_CANCEL);
  EXPECT_EQ(data.get(game_data::SoundOption, 0), 1);
  EXPECT_EQ(data.get(game_data::VideoModeIndex), 0);
}

TEST_F(DialogViewsTest, DemoRespawnControlsFollowTheDefinition) {
  Catalogue& c = started();
  GameInfoRecord game = c.current();
  game.set(game_info::PlayDemoCommand, "//-playdemo");
  game.set(game_info::RecordDemoCommand, "-record");
  game.set(game_info::RespawnItemsCommand, "-respawnitems");
  GameDataRecord data;
  launch::dialogs::DemoRespawnOptions options(game, data);
  DemoRespawnView view(nullptr, options);
  show(&view, "demo_respawn");
  EXPECT_FALSE(control<wxCheckBox>(&view, 1050)->IsEnabled());
  EXPECT_FALSE(control<wxTextCtrl>(&view, 1163)->IsEnabled());
  EXPECT_TRUE(control<wxCheckBox>(&view, 1045)->IsEnabled());
  EXPECT_FALSE(control<wxCheckBox>(&view, 1053)->IsEnabled());
  EXPECT_TRUE(control<wxChoice>(&view, 1044)->IsEnabled());
  EXPECT_EQ(control<wxChoice>(&view, 1044)->GetCount(), 5u);

  control<wxCheckBox>(&view, 1045)->SetValue(true);
  control<wxChoice>(&view, 1044)->SetSelection(2);
  control<wxTextCtrl>(&view, 1162)->SetValue("-nosound");
  click(&view, wxID_OK);
  EXPECT_EQ(data.get(game_data::RecordDemo), 1);
  EXPECT_EQ(data.get(game_data::RespawnIndex), 2);
  EXPECT_EQ(data.get(game_data::ExtraOptions), "-nosound");
}

TEST_F(DialogViewsTest, LaunchOptionsStoreOnOkOnly) {
  Catalogue& c = started();
  launch::dialogs::LaunchOptions options(c.univ(), c.current(), c.gameData());
  LaunchOptionsView view(nullptr, options);
  show(&view, "launch_options");
  const int pause = kIdLaunchOption + int(launch::dialogs::LaunchOptions::kPauseBeforeReturn);
  EXPECT_EQ(fromWx(control<wxCheckBox>(&view, pause)->GetLabel()),
            "&Pause Before Returning From Game");
  control<wxCheckBox>(&view, pause)->SetValue(true);
  click(&view, wxID_CANCEL);
  EXPECT_EQ(c.gameData().get(game_data::PauseBeforeReturn), 0);

  launch::dialogs::LaunchOptions again(c.univ(), c.current(), c.gameData());
  LaunchOptionsView second(nullptr, again);
  control<wxCheckBox>(&second, pause)->SetValue(true);
  click(&second, wxID_OK);
  EXPECT_EQ(c.gameData().get(game_data::PauseBeforeReturn), 1);
}

TEST_F(DialogViewsTest, OtherMultiplayerOptionsHandTheirPicksToTheDialog) {
  Catalogue& c = started();
  multiplayer::OtherOptionsDialog dialog(c.univ(), c.current(), c.gameData(), prompter);
  OtherOptionsView view(nullptr, dialog);
  show(&view, "other_multiplayer_options");
  wxChoice* mode = control<wxChoice>(&view, kIdMultiplayerMode);
  ASSERT_GT(mode->GetCount(), 1u);
  EXPECT_EQ(fromWx(mode->GetString(0)), dialog.mode().entries[0]);
  mode->SetSelection(1);
  click(&view, wxID_OK);
  dialog.ok();
  EXPECT_EQ(c.univ().get(univ_info::GameMode), dialog.mode().values[1]);
}

TEST_F(DialogViewsTest, AutoLaunchOptionsHandTheirBoxesAndClanToTheDialog) {
  Catalogue& c = started();
  platform::FakeNetwork network;
  multiplayer::IpxServerChoice ipxServer(network, fs, "C:\\");
  multiplayer::AutoLaunchOptionsDialog dialog(c.univ(), &ipxServer);
  AutoLaunchOptionsView view(nullptr, dialog);
  show(&view, "auto_deathmatch_options");
  const int neverServer =
      kIdAutoLaunchBox + int(multiplayer::AutoLaunchOptionsDialog::kNeverServer);
  EXPECT_EQ(fromWx(control<wxCheckBox>(&view, neverServer)->GetLabel()), "Never launch as server");
  EXPECT_FALSE(control<wxTextCtrl>(&view, kIdMapSocket)->IsEnabled());
  control<wxCheckBox>(&view, neverServer)->SetValue(true);
  control<wxTextCtrl>(&view, kIdClan)->SetValue("Kestrels");
  EXPECT_EQ(textOf(&view, kIdIpxServer), "127.0.0.1:21300");
  control<wxTextCtrl>(&view, kIdIpxServer)->SetValue("192.168.1.10");
  click(&view, wxID_OK);
  EXPECT_TRUE(dialog.ok());
  EXPECT_EQ(network.ipxServerText, "192.168.1.10");
  EXPECT_EQ(c.univ().get(univ_info::NeverServer), 1);
  EXPECT_EQ(c.univ().get(univ_info::Clan), "Kestrels");
}

TEST_F(DialogViewsTest, NewNumberShowsThePromptOfItsList) {
  multiplayer::NewNumberDialog dialog(multiplayer::NumberList::kInternet);
  dialog.setName("Bob's server");
  NewNumberView view(nullptr, dialog);
  show(&view, "new_number");
  EXPECT_EQ(textOf(&view, kIdNumberName), "Bob's server");
  control<wxTextCtrl>(&view, kIdNumberNumber)->SetValue("10.0.0.7");
  click(&view, wxID_OK);
  EXPECT_EQ(dialog.number(), "10.0.0.7");
}

TEST_F(DialogViewsTest, RenameOffersTheNameAndHandsBackWhatWasTyped) {
  files::NameDialog dialog(files::NameDialog::kRenameTitle, "MAP01");
  NameView view(nullptr, dialog);
  show(&view, "rename");
  EXPECT_EQ(fromWx(view.GetTitle()), "Rename");
  EXPECT_EQ(textOf(&view, kIdNameField), "MAP01");
  control<wxTextCtrl>(&view, kIdNameField)->SetValue("Big City");
  click(&view, wxID_CANCEL);
  EXPECT_EQ(dialog.name(), "MAP01");
  control<wxTextCtrl>(&view, kIdNameField)->SetValue("Big City");
  click(&view, wxID_OK);
  EXPECT_EQ(dialog.name(), "Big City");
}

TEST_F(DialogViewsTest, UnzipProfileShowsTheProgramAndItsKindAndKeepsThemOnOk) {
  launch::UnzipProfileDialog dialog({"c:\\pkunzip.exe", false, false});
  const PathBridge noDrives;
  UnzipProfileView view(nullptr, dialog, noDrives);
  show(&view, "unzip_profile");
  EXPECT_EQ(fromWx(view.GetTitle()), "UnZip Profile");
  EXPECT_EQ(textOf(&view, kIdUnzipProgram), "c:\\pkunzip.exe");
  EXPECT_FALSE(control<wxButton>(&view, kIdUnzipBrowse)->IsEnabled());  // no drive map here
  control<wxTextCtrl>(&view, kIdUnzipProgram)->SetValue("c:\\progra~1\\winzip\\WINZIP32.EXE");
  control<wxCheckBox>(&view, kIdWinZip)->SetValue(true);
  click(&view, wxID_CANCEL);
  EXPECT_EQ(dialog.profile().program, "c:\\pkunzip.exe");
  click(&view, wxID_OK);
  EXPECT_EQ(dialog.profile(),
            (launch::UnzipProfile{"c:\\progra~1\\winzip\\WINZIP32.EXE", false, true}));
}

TEST_F(DialogViewsTest, JoystickSlidersApplyInOrderAndCancelRestores) {
  using Rules = input::JoystickSettingsDialog;
  catalogue::UnivInfoRecord univ;
  univ.set(univ_info::OverallSpeed, 1.0f);
  univ.set(univ_info::LowSpeed, 0.005f);
  univ.set(univ_info::MidSpeed, 0.05f);
  univ.set(univ_info::HighSpeed, 0.1f);
  platform::ScriptedPrompter prompter;
  Rules dialog(univ, prompter);
  JoystickSettingsView view(nullptr, dialog);
  show(&view, "joystick_settings");
  EXPECT_EQ(fromWx(view.GetTitle()), "Joystick Quillfen95 Settings");
  auto slider = [&](Rules::Slider which) {
    return control<wxSlider>(&view, kIdJoystickSlider + which);
  };
  EXPECT_EQ(slider(Rules::kOverall)->GetValue(), 5);
  EXPECT_EQ(slider(Rules::kHigh)->GetMax(), 10000);
  slider(Rules::kLow)->SetValue(200);
  slider(Rules::kMid)->SetValue(100);
  click(&view, kIdJoystickApply);
  EXPECT_FLOAT_EQ(univ.get(univ_info::MidSpeed), 0.02f);
  EXPECT_EQ(slider(Rules::kMid)->GetValue(), 200);
  click(&view, wxID_CANCEL);
  EXPECT_FLOAT_EQ(univ.get(univ_info::LowSpeed), 0.005f);
  click(&view, kIdJoystickTurnOff);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Joystick Off"});
}

}  // namespace
