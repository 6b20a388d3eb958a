// The file manager panel in a real window under an X server: what the controls show and what
// clicks on them do. The last test leaves a picture of the panel in the build directory.
#include "gui/files/file_manager_panel.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/treectrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "files_fixture.h"
#include "gui/files/file_manager_ids.h"

namespace filestest {
namespace {

namespace ids = gui::file_manager_ids;

class FileManagerPanelTest : public FilesTest {
 protected:
  FileManagerPanelTest() {
    kind(0, "MAP", {files::kShortDirList, files::kLongDirList}, "<cml>-map <fileonly>");
    kind(1, "GRP", {files::kShortDirList, files::kLongDirList}, "<cml>/g<fileonly>");
    kind(2, "CON", {files::kMisc1DirList}, "<cml>/x<fileonly>");
    kind(4, "CFG", {files::kMisc2DirList}, "@Default File1");
    game().set(gi::DirKindName, "Long Names", 0);
    game().set(gi::DirKindName, "CON and RTS", 1);
    game().set(gi::DirKindName, "Demos & CFGs", 2);
    workDirs("D:\\GAMES\\DUKE3D\\");
    const char* names[] = {"E1L1.MAP",
                           "E1L2.MAP",
                           "Hollywood Holocaust Remix.map",
                           "Red Light District.map",
                           "bigcity.map",
                           "DUKE3D.GRP",
                           "GAME.CON",
                           "USER.CON",
                           "DUKE3D.CFG",
                           "MAPS\\CITY.MAP"};
    for (const char* name : names) fs.putFile(std::string("D:\\GAMES\\DUKE3D\\") + name, "x");
    fs.putFile("D:\\GAMES\\DUKE3D\\Red Light District.txt",
               "Red Light District\r\nA remake of the first level, by night.\r\n");
    fs.makeDirectories("D:\\GAMES\\DUKE3D\\Add On Maps");
  }

  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "File manager", wxPoint(0, 0), wxSize(900, 420));
    panel = new gui::FileManagerPanel(frame, *cat, fs);
    frame->Show();
    runFor(50);
  }
  void TearDown() override {
    frame->Destroy();
    runFor(20);
  }

  // Lets the window system draw: the loop runs until a timer ends it.
  void runFor(int milliseconds) {
    wxGUIEventLoop loop;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    timer.StartOnce(milliseconds);
    loop.Run();
  }

  template <class T>
  T* control(int id) {
    T* found = wxDynamicCast(frame->FindWindow(id), T);
    EXPECT_NE(found, nullptr) << id;
    return found;
  }

  std::vector<std::string> items(int id) {
    std::vector<std::string> out;
    for (const wxString& s : control<wxListBox>(id)->GetStrings()) out.push_back(s.ToStdString());
    return out;
  }

  // A click (and with `twice` the double-click after it) on the entry showing `text`.
  void click(int id, const std::string& text, bool twice = false) {
    wxListBox* box = control<wxListBox>(id);
    const int index = box->FindString(text, true);
    ASSERT_NE(index, wxNOT_FOUND) << text;
    box->SetSelection(index);
    for (wxEventType type : {wxEVT_LISTBOX, wxEVT_LISTBOX_DCLICK}) {
      wxCommandEvent event(type, id);
      event.SetEventObject(box);
      event.SetInt(index);
      box->GetEventHandler()->ProcessEvent(event);
      if (!twice) break;
    }
  }

  wxFrame* frame = nullptr;
  gui::FileManagerPanel* panel = nullptr;
};

TEST_F(FileManagerPanelTest, ShowsTheListsAndTheGamesTabTexts) {
  EXPECT_EQ(items(ids::kLeftList),
            (std::vector<std::string>{"[..]", "[ADDONM~1]", "[MAPS]", "[-C-]", "[-D-]",
                                      "BIGCITY.MAP", "E1L1.MAP", "E1L2.MAP", "HOLLYW~1.MAP",
                                      "REDLIG~1.MAP", "DUKE3D.GRP"}));
  EXPECT_EQ(items(ids::kLongNameList)[1], "[Add On Maps]");
  EXPECT_EQ(items(ids::kMisc1List).back(), "USER.CON");
  wxNotebook* tabs = control<wxNotebook>(ids::kTabStrip);
  ASSERT_EQ(tabs->GetPageCount(), 5u);
  const char* expected[] = {"Long Names", "File Text Desc", "Favorite Files", "CON and RTS",
                            "Demos & CFGs"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(tabs->GetPageText(i), expected[i]);
  EXPECT_EQ(control<wxStaticText>(ids::kLeftDirectory)->GetLabel(), "D:\\GAMES\\DUKE3D\\");
}

TEST_F(FileManagerPanelTest, DoubleClickWalksIntoADirectoryAndBackOut) {
  click(ids::kLongNameList, "[MAPS]", true);
  EXPECT_EQ(items(ids::kLongNameList),
            (std::vector<std::string>{"[..]", "[-C-]", "[-D-]", "CITY.MAP"}));
  EXPECT_EQ(control<wxStaticText>(ids::kRightDirectory)->GetLabel(), "D:\\GAMES\\DUKE3D\\MAPS\\");
  EXPECT_EQ(items(ids::kLeftList)[2], "[MAPS]");  // the left list stays where it was
  click(ids::kLongNameList, "[..]", true);
  EXPECT_EQ(control<wxStaticText>(ids::kRightDirectory)->GetLabel(), "D:\\GAMES\\DUKE3D\\");
}

TEST_F(FileManagerPanelTest, PickingADescribedFileShowsItsTextWithAutoTextTab) {
  panel->setAutoTextTab(true);
  std::vector<files::PickStatus> seen;
  panel->setSelectionHandler([&seen](const files::Selection& s) { seen.push_back(s.status); });
  int activated = 0;
  panel->setFileActivatedHandler([&activated](const files::Selection&) { ++activated; });

  click(ids::kLeftList, "REDLIG~1.MAP", true);
  EXPECT_EQ(control<wxNotebook>(ids::kTabStrip)->GetSelection(), 1);
  EXPECT_TRUE(control<wxTextCtrl>(ids::kDescription)->GetValue().StartsWith("Red Light District"));
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\REDLIG~1.MAP");
  // Every list that shows the picked file highlights it.
  wxListBox* longList = control<wxListBox>(ids::kLongNameList);
  EXPECT_EQ(longList->GetStringSelection(), "Red Light District.map");
  EXPECT_EQ(seen, std::vector<files::PickStatus>{files::PickStatus::kPicked});
  EXPECT_EQ(activated, 1);
  click(ids::kLeftList, "[MAPS]");
  EXPECT_EQ(seen.back(), files::PickStatus::kDirectory);
}

TEST_F(FileManagerPanelTest, APickedUserConShowsItsEpisodeTreeAndAMapHidesIt) {
  panel->setAutoTextTab(true);
  fs.putFile("D:\\GAMES\\DUKE3D\\USER.CON",
             "definevolumename 0 L.A. MELTDOWN\r\ndefinevolumename 1 LUNAR APOCALYPSE\r\n"
             "definelevelname 0 0 E1L1.MAP 01:45 00:53 HOLLYWOOD HOLOCAUST\r\n"
             "definelevelname 0 1 E1L2.MAP 05:10 03:21 RED LIGHT DISTRICT\r\n");
  click(ids::kMisc1List, "USER.CON");
  auto* tree = control<wxTreeCtrl>(ids::kEpisodeTree);
  EXPECT_TRUE(tree->IsShown());
  EXPECT_EQ(control<wxNotebook>(ids::kTabStrip)->GetSelection(), 1);
  wxTreeItemIdValue cookie;
  const wxTreeItemId first = tree->GetFirstChild(tree->GetRootItem(), cookie);
  ASSERT_TRUE(first.IsOk());
  EXPECT_EQ(tree->GetItemText(first), "1 : L.A. MELTDOWN");
  EXPECT_TRUE(tree->IsExpanded(first));
  EXPECT_EQ(tree->GetChildrenCount(first, false), 2u);
  EXPECT_EQ(tree->GetChildrenCount(tree->GetRootItem(), false), 3u);  // two named, one not
  runFor(400);
  const std::string dir = QF95_SCREENSHOT_DIR;
  if (std::system("command -v import > /dev/null") == 0) {
    EXPECT_EQ(std::system(("mkdir -p '" + dir + "' && import -window root '" + dir +
                           "/file_manager_episode_tree.png'")
                              .c_str()),
              0);
  }
  click(ids::kLeftList, "E1L1.MAP");
  EXPECT_FALSE(tree->IsShown());
}

TEST_F(FileManagerPanelTest, AnArchiveOpensUnderADoubleClickAndAMemberIsPicked) {
  kind(5, "ZIP", {files::kShortDirList}, "");
  std::ifstream in(QF95_SOURCE_DIR "/fuzz/corpus/zip_members/map_in_folder.zip", std::ios::binary);
  fs.putFile("D:\\GAMES\\DUKE3D\\Friends Pack.zip",
             std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
  panel->refreshForGame();
  click(ids::kLeftList, "FRIEND~1.ZIP", true);
  const std::vector<std::string> shown = items(ids::kLeftList);
  ASSERT_EQ(shown.back(), "    maps/CITY.MAP");
  click(ids::kLeftList, "    maps/CITY.MAP");
  EXPECT_EQ(data().get(gd::SelectedFile), "D:\\GAMES\\DUKE3D\\FRIEND~1.ZIP\\maps/CITY.MAP");
  runFor(400);
  const std::string dir = QF95_SCREENSHOT_DIR;
  if (std::system("command -v import > /dev/null") == 0) {
    EXPECT_EQ(std::system(("mkdir -p '" + dir + "' && import -window root '" + dir +
                           "/file_manager_zip_archive.png'")
                              .c_str()),
              0);
  }
  click(ids::kLeftList, "FRIEND~1.ZIP", true);
  EXPECT_EQ(items(ids::kLeftList).back(), "FRIEND~1.ZIP");
}

TEST_F(FileManagerPanelTest, DisabledFileManagerIsGreyedAndEmpty) {
  panel->toggleDisabled();
  EXPECT_FALSE(control<wxListBox>(ids::kLeftList)->IsEnabled());
  EXPECT_TRUE(items(ids::kLeftList).empty());
  panel->toggleDisabled();
  EXPECT_TRUE(control<wxListBox>(ids::kLeftList)->IsEnabled());
  EXPECT_FALSE(items(ids::kLeftList).empty());
}

TEST_F(FileManagerPanelTest, RendersForAPicture) {
  click(ids::kLeftList, "E1L1.MAP");
  click(ids::kLongNameList, "Hollywood Holocaust Remix.map");
  runFor(400);
  const std::string dir = QF95_SCREENSHOT_DIR;
  const std::string picture = dir + "/file_manager_panel.png";
  std::remove(picture.c_str());
  if (std::system("command -v import > /dev/null") != 0) GTEST_SKIP() << "import is missing";
  ASSERT_EQ(
      std::system(("mkdir -p '" + dir + "' && import -window root '" + picture + "'").c_str()), 0);
  std::FILE* file = std::fopen(picture.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::fseek(file, 0, SEEK_END);
  EXPECT_GT(std::ftell(file), 1000);
  std::fclose(file);
}

}  // namespace
}  // namespace filestest

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "no display to open windows on\n");
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
