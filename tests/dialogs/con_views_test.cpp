// The views of the CON editor and the weapon forms: they show their rule classes' state in the
// controls of their ids, double clicks and buttons reach the rules, and Finish writes back.
// Screenshots when QF95_SCREENSHOT_DIR is set.
#include <wx/listbox.h>
#include <wx/notebook.h>

#include "dialogs_fixture.h"
#include "gui/dialogs/con_editor_views.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/scripted_prompter.h"
#include "view_helpers.h"

namespace {

using namespace gui::dialogs;
using gui::fromWx;
using viewtest::click;
using viewtest::control;
using viewtest::show;

// A double click on the list's entry `index`, as wx reports it.
void doubleClick(wxListBox* list, int index) {
  list->SetSelection(index);
  wxCommandEvent event(wxEVT_LISTBOX_DCLICK, list->GetId());
  event.SetEventObject(list);
  event.SetInt(index);
  event.SetString(list->GetString(unsigned(index)));
  list->GetEventHandler()->ProcessEvent(event);
}

class ConViewsTest : public dialogtest::DialogTest {
 protected:
  ConViewsTest() {
    fs.putFile("D:\\ADDON\\USER.CON",
               "definevolumename 0 L.A. MELTDOWN\r\ndefinevolumename 1 LUNAR APOCALYPSE\r\n"
               "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
               "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n");
    fs.putFile("D:\\ADDON\\TOWER.MAP", "m");
    fs.makeDirectories("D:\\ADDON\\MORE");
  }
  platform::ScriptedPrompter boxes;
};

TEST_F(ConViewsTest, TheEditorShowsVolumesAndLevelsAssignsRenamesAndFinishes) {
  content::ConEditor editor(fs, boxes, "GAME.CON", "D:\\ADDON\\", false);
  ConEditorView view(nullptr, editor);
  view.setAskName([](const std::string&) { return std::optional<std::string>("THE TOWER"); });
  show(&view, "con_editor");
  auto* tabs = control<wxNotebook>(&view, kIdConTabs);
  ASSERT_EQ(tabs->GetPageCount(), 3u);
  EXPECT_EQ(fromWx(tabs->GetPageText(0)), "Vol0 : L.A. MELTDOWN");
  auto* levels = control<wxListBox>(&view, kIdConLevels);
  ASSERT_EQ(levels->GetCount(), 11u);
  EXPECT_EQ(fromWx(levels->GetString(1)), "E1L2.MAP : RED LIGHT DISTRICT");
  auto* files = control<wxListBox>(&view, kIdConFiles);
  ASSERT_EQ(files->GetCount(), 3u);
  EXPECT_EQ(fromWx(files->GetString(2)), "TOWER.MAP");
  EXPECT_EQ(viewtest::textOf(&view, kIdConDirectory), "D:\\ADDON\\");

  levels->SetSelection(2);
  doubleClick(files, 2);
  EXPECT_EQ(fromWx(levels->GetString(2)), "TOWER.MAP : TOWER.MAP");
  doubleClick(levels, 2);
  EXPECT_EQ(fromWx(levels->GetString(2)), "TOWER.MAP : THE TOWER");
  click(&view, wxID_OK);
  EXPECT_FALSE(view.IsShown());
  const auto written = fs.readWhole("D:\\ADDON\\USER.CON");
  ASSERT_TRUE(written);
  // Level 2 of volume 0 had no line: the name stays in the form only; the rest went back.
  EXPECT_EQ(std::string(written->begin(), written->end()),
            "definevolumename 0 L.A. MELTDOWN\r\ndefinevolumename 1 LUNAR APOCALYPSE\r\n"
            "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
            "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n");
}

TEST_F(ConViewsTest, TheWeaponOrderMovesTheSelectedWeaponAndTheEditorFormOpensEmpty) {
  catalogue::GameDataRecord data;
  content::WeaponOrder order(data);
  WeaponOrderView view(nullptr, order);
  show(&view, "weapon_order");
  auto* list = control<wxListBox>(&view, kIdWeaponList);
  ASSERT_EQ(list->GetCount(), 10u);
  click(&view, kIdWeaponDown);  // nothing selected: nothing moves
  EXPECT_EQ(fromWx(list->GetString(0)), "Shotgun");
  list->SetSelection(0);
  click(&view, kIdWeaponDown);
  EXPECT_EQ(fromWx(list->GetString(0)), "Chain Gun");
  EXPECT_EQ(list->GetSelection(), 1);
  EXPECT_EQ(data.get(catalogue::game_data::WeaponOrder), "4357860291");

  WeaponsEditorView form(nullptr);
  show(&form, "weapons_editor");
  EXPECT_EQ(fromWx(form.GetTitle()), content::WeaponsEditorForm::kTitle);
}

TEST_F(ConViewsTest, TheRtsEditorReplacesThePickedSoundAndFinishes) {
  fs.putFile("D:\\ADDON\\RTSTOOL.EXE", "MZ");
  fs.putFile("D:\\ADDON\\DUKE.RTS", std::string(300, 'r'));
  fs.putFile("D:\\ADDON\\SOUNDS\\CHEER.WAV", "w");
  catalogue::GameInfoRecord game;
  game.set(catalogue::game_info::GameDir, "D:\\ADDON\\");
  game.set(catalogue::game_info::RtsToolName, "rtstool.exe");
  platform::FakeProcesses processes;
  content::RtsEditor editor(fs, processes, boxes, game, "D:\\ADDON\\", "DUKE.RTS");
  ASSERT_FALSE(editor.failed());
  RtsEditorView view(nullptr, editor);
  show(&view, "rts_editor");
  auto* sounds = control<wxListBox>(&view, kIdRtsSounds);
  ASSERT_EQ(sounds->GetCount(), 10u);
  auto* files = control<wxListBox>(&view, kIdRtsFiles);
  ASSERT_GT(files->GetCount(), 0u);
  doubleClick(files, 0);  // "[..]": the RTS file's directory
  EXPECT_EQ(viewtest::textOf(&view, kIdRtsDirectory), "D:\\ADDON\\");
  const int soundsDir = files->FindString("[SOUNDS]");
  ASSERT_NE(soundsDir, wxNOT_FOUND);
  doubleClick(files, soundsDir);
  sounds->SetSelection(3);
  ASSERT_NE(files->FindString("CHEER.WAV"), wxNOT_FOUND);
  doubleClick(files, files->FindString("CHEER.WAV"));
  EXPECT_EQ(fromWx(sounds->GetString(3)), "CHEER.WAV");
  click(&view, wxID_OK);
  EXPECT_FALSE(view.IsShown());
}

}  // namespace
