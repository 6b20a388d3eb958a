// The picked file in the editor its file kind names, the map editor's menu commands, and the
// text and help files.
#include "app/file_editing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/command_ids.h"
#include "main_window_fixture.h"

namespace {

namespace gi = catalogue::game_info;
namespace gd = catalogue::game_data;
using platform::FakeProcesses;

catalogue::GameInfoRecord kindsOf(
    std::initializer_list<std::tuple<const char*, const char*, const char*>> kinds) {
  catalogue::GameInfoRecord game;
  game.set(gi::GameDir, "D:\\GAMES\\DUKE3D\\");
  size_t i = 0;
  for (const auto& [extension, editor, load] : kinds) {
    game.set(gi::FileKindExtension, extension, i);
    game.set(gi::FileKindEditProgram, editor, i);
    game.set(gi::FileKindLoadCommand, load, i);
    ++i;
  }
  return game;
}

TEST(PlanEdit, TheFirstKindWhoseExtensionIsInTheNameDecides) {
  const auto game = kindsOf({{"GAME.CON", "QFEditCon95", ""},
                             {"MAP", "//none", ""},
                             {".MAP", "build.exe", "<cml><var>"},
                             {"RTS", "qfeditrts95", ""}});
  EXPECT_EQ(app::planEdit(game, "D:\\X\\", "USERGAME.CON", false).editor,
            app::EditorChoice::kConEditor);
  // "CON" alone is no kind here: a CON file of another name has no editor.
  EXPECT_EQ(app::planEdit(game, "D:\\X\\", "USER.CON", false).editor, app::EditorChoice::kNone);
  // "MAP" without its dot also matches "X.MAPS"; its "//" editor is none, although a later
  // kind would have one.
  for (const char* name : {"CITY.MAP", "X.MAPS"}) {
    const app::EditPlan plan = app::planEdit(game, "D:\\X\\", name, false);
    EXPECT_EQ(plan.editor, app::EditorChoice::kNoEditor) << name;
    EXPECT_EQ(plan.kind, 1) << name;
  }
  EXPECT_EQ(app::planEdit(game, "D:\\X\\", "TAUNTS.RTS", false).editor,
            app::EditorChoice::kRtsEditor);
}

TEST(PlanEdit, AnOutsideEditorGetsTheBareNameOnlyInTheGameDirectory) {
  const auto game = kindsOf({{"WAD", "deu.exe", "<cml>-file <var>"},
                             {"MAP", "build.exe|<fileonly>", "<cml>-map <var>"},
                             {"ART", "editart.exe|<MoveToMainDir>", "<cml><var>"}});
  app::EditPlan plan = app::planEdit(game, "D:\\GAMES\\DUKE3D\\", "E1.WAD", true);
  EXPECT_EQ(plan.file, "E1.WAD");
  EXPECT_EQ(plan.arguments, "<cml>-file <var>");
  EXPECT_TRUE(plan.tempCopy.empty());
  plan = app::planEdit(game, "E:\\WADS\\", "E1.WAD", false);
  EXPECT_EQ(plan.file, "E:\\WADS\\E1.WAD");

  plan = app::planEdit(game, "D:\\MAPS\\", "CITY.MAP", false);
  EXPECT_EQ(plan.file, "CITY.MAP");
  EXPECT_EQ(plan.arguments, "<fileonly>");

  // Only in the game directory: a copy under the temporary name, with the extension from the
  // first dot.
  plan = app::planEdit(game, "E:\\ART\\", "TILES.V2.ART", false);
  EXPECT_EQ(plan.file, "~tmpQF95.V2.ART");
  EXPECT_EQ(plan.arguments, "<fileonly>");
  EXPECT_EQ(plan.tempCopy, "D:\\GAMES\\DUKE3D\\~tmpQF95.V2.ART");
  plan = app::planEdit(game, "D:\\GAMES\\DUKE3D\\", "TILES000.ART", true);
  EXPECT_TRUE(plan.tempCopy.empty());
  EXPECT_EQ(plan.file, "TILES000.ART");
}

class EditCommandsTest : public apptest::MainWindowTest {
 protected:
  static constexpr const char* kMap = "D:\\MAPS\\CITY.MAP";

  app::MainWindow& start() {
    putDuke();
    fs.putFile(kMap, "original");
    app::MainWindow& w = startWindow();
    catalogue::GameInfoRecord& game = cat->current();
    game.set(gi::FileKindExtension, "MAP", 0);
    game.set(gi::FileKindEditProgram, "build.exe|<MoveToMainDir>", 0);
    game.set(gi::FileKindLoadCommand, "<cml>-map <fileonly>", 0);
    game.set(gi::FileKindExtension, "CON", 1);
    game.set(gi::FileKindEditProgram, "QFEditCon95", 1);
    return w;
  }
  void pick(const std::string& path) { cat->gameData().set(gd::SelectedFile, path); }
  std::string text(const std::string& path) {
    const auto bytes = fs.readWhole(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(none)";
  }
};

TEST_F(EditCommandsTest, AMapOutsideTheGameIsEditedAsACopyThereAndTheEditsComeBack) {
  app::MainWindow& w = start();
  ASSERT_TRUE(w.execute(app::kCmdFileEditor));
  EXPECT_EQ(prompter.texts().back(), app::kNoFileForEditor);

  pick(kMap);
  cat->gameData().set(gd::AutoBackupEditMap, 1);
  const std::string temp = cat->current().get(gi::GameDir) + "~tmpQF95.MAP";
  processes.whileRunning([&](const FakeProcesses::Call&) {
    EXPECT_EQ(text(temp), "original");
    fs.putFile(temp, "edited");
  });
  ASSERT_TRUE(w.execute(app::kCmdFileEditor));
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_NE(processes.calls()[0].program.find("dmpatch95.pif"), std::string::npos);
  EXPECT_EQ(processes.calls()[0].args, std::vector<std::string>{"~tmpQF95.MAP"});
  EXPECT_EQ(text(kMap), "edited");
  EXPECT_EQ(text(std::string(kMap) + ".bck"), "original");
  EXPECT_FALSE(fs.exists(temp));
  EXPECT_EQ(host.fileListRefreshes, 1);
}

TEST_F(EditCommandsTest, EditsThatCannotComeBackStayInTheCopyAndAreNamed) {
  app::MainWindow& w = start();
  pick(kMap);
  const std::string temp = cat->current().get(gi::GameDir) + "~tmpQF95.MAP";
  processes.whileRunning([&](const FakeProcesses::Call&) {
    fs.putFile(temp, "edited");
    fs.failCopy(kMap);
  });
  ASSERT_TRUE(w.execute(app::kCmdFileEditor));
  EXPECT_EQ(text(temp), "edited");
  EXPECT_NE(prompter.texts().back().find("your changes are in " + temp), std::string::npos);
}

TEST_F(EditCommandsTest, BuiltInAndMissingEditors) {
  app::MainWindow& w = start();
  fs.putFile("D:\\MOD\\GAME.CON", "define X 1\r\n");
  pick("D:\\MOD\\GAME.CON");
  int conEditors = 0;
  host.onConEditor = [&](content::ConEditor&) { ++conEditors; };
  ASSERT_TRUE(w.execute(app::kCmdFileEditor));
  EXPECT_EQ(conEditors, 1);
  EXPECT_TRUE(processes.calls().empty());

  cat->current().set(gi::FileKindEditProgram, "", 0);
  pick(kMap);
  ASSERT_TRUE(w.execute(app::kCmdFileEditor));
  EXPECT_EQ(prompter.texts().back(), app::kNoValidEditor);
  EXPECT_TRUE(processes.calls().empty());
}

TEST_F(EditCommandsTest, TheMapEditorStartsOnThePickedMapOrANewOne) {
  app::MainWindow& w = start();
  fs.putFile(std::string(kDukeDir) + "Build.exe", "MZ");
  ASSERT_TRUE(w.execute(app::kCmdEditSelectedMap));
  EXPECT_EQ(prompter.texts().back(), app::kNoFileForEditor);
  EXPECT_TRUE(processes.calls().empty());

  ASSERT_TRUE(w.execute(app::kCmdEditNewMap));
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_NE(processes.calls()[0].program.find("dmpatch95ForBuild.pif"), std::string::npos);
  EXPECT_TRUE(processes.calls()[0].args.empty());

  pick(kMap);
  ASSERT_TRUE(w.execute(app::kCmdEditSelectedMap));
  ASSERT_EQ(processes.calls().size(), 2u);
  EXPECT_EQ(processes.calls()[1].args, std::vector<std::string>{"~tempmap.map"});
}

TEST_F(EditCommandsTest, UndoEditPutsBackTheMapEditorsBackup) {
  app::MainWindow& w = start();
  fs.putFile("D:\\MAPS\\CITY.bck", "before");
  fs.putFile(kMap, "after");
  cat->gameData().set(gd::WorkDir, "D:\\MAPS\\", files::kShortDirList);
  cat->current().set(gi::FileKindShortDir, 1, 0);
  files::FileManager manager(*cat, fs);
  manager.refreshForGame();
  host.files = &manager;
  const auto texts = manager.list(files::kShortDirList).texts();
  const auto at = std::find(texts.begin(), texts.end(), "CITY.MAP");
  ASSERT_NE(at, texts.end());
  manager.select(files::kShortDirList, size_t(at - texts.begin()));
  ASSERT_TRUE(w.execute(app::kCmdUndoEdit));
  EXPECT_EQ(text(kMap), "before");
  // A backup made before an edit, the map's name with ".bck", comes first.
  fs.putFile(std::string(kMap) + ".bck", "older");
  ASSERT_TRUE(w.execute(app::kCmdUndoEdit));
  EXPECT_EQ(text(kMap), "older");
  ASSERT_TRUE(w.execute(app::kCmdDeleteBackUp));
  EXPECT_FALSE(fs.exists(std::string(kMap) + ".bck"));
}

TEST_F(EditCommandsTest, TheListDirectorysTextFileAndTheHelpFiles) {
  app::MainWindow& w = start();
  fs.putFile("D:\\MAPS\\README.1ST", "r");
  fs.putFile("D:\\MAPS\\CITY.DOC", "d");
  host.listDirectory = "D:\\MAPS\\";
  ASSERT_TRUE(w.execute(app::kCmdDisplayText));
  fs.putFile("D:\\MAPS\\CITY.TXT", "t");
  ASSERT_TRUE(w.execute(app::kCmdDisplayText));
  cat->current().set(gi::GameHelpFile, "manual.txt");
  ASSERT_TRUE(w.execute(app::kCmdGameHelp));
  ASSERT_TRUE(w.execute(app::kCmdEditorHelp));  // none named: nothing starts
  EXPECT_EQ(processes.transcript(),
            (std::vector<std::string>{
                "text-viewer D:\\MAPS\\CITY.DOC", "text-viewer D:\\MAPS\\CITY.TXT",
                "command start " + cat->current().get(gi::GameDir) + "manual.txt"}));
}

}  // namespace

namespace {

TEST_F(EditCommandsTest, AFileThatOnlySetsADefaultBecomesItAndMayStartTheGame) {
  app::MainWindow& w = start();
  catalogue::GameInfoRecord& game = cat->current();
  game.set(gi::FileKindExtension, "CFG", 4);
  game.set(gi::FileKindLoadCommand, "@Default File1|@Default File3", 4);
  game.set(gi::FileKindSetOnly, 1, 4);
  catalogue::ConfigWorkingCopies& copies = cat->launchLink().workingCopies();
  copies.names[0] = "DUKE3D.CFG";
  files::Selection pick;
  pick.status = files::PickStatus::kSetOnly;
  pick.fileKind = 4;
  pick.directory = "D:\\CFGS\\";
  pick.longName = "Tournament.cfg";
  pick.shortName = "TOURNA~1.CFG";
  prompter.script({platform::Answer::kNo, platform::Answer::kNo});
  w.filePicked(pick);
  ASSERT_EQ(prompter.boxes().size(), 2u);
  EXPECT_EQ(prompter.boxes()[0].caption, "Attension Message");
  EXPECT_EQ(prompter.boxes()[0].text,
            "Previous default file1 = DUKE3D.CFG.\r\nChange default file1 to TOURNA~1.CFG.\r\nDo "
            "you wish to launch this file now?");
  EXPECT_EQ(copies.names[0], "TOURNA~1.CFG");
  EXPECT_EQ(copies.dirs[2], "D:\\CFGS\\");
  EXPECT_TRUE(processes.calls().empty());
  // One Yes starts the game.
  prompter.script({platform::Answer::kNo, platform::Answer::kYes});
  w.filePicked(pick);
  EXPECT_EQ(processes.calls().size(), 1u);
}

}  // namespace
