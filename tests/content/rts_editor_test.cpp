// The RTS editor over a pretend RTS file: the sound names read from the end of the file, the
// unpack and pack commands of the game's RTS tool, replacing sounds, and the clean-up.
#include "content/rts_editor.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/scripted_prompter.h"

namespace {

namespace gi = catalogue::game_info;
using content::RtsEditor;
using platform::FakeProcesses;

// An RTS file whose table names `sounds`: sound data, then ten 16-byte entries (an 8-byte name
// and 8 other bytes), then 8 bytes more.
std::vector<uint8_t> rtsFile(const std::vector<std::string>& sounds) {
  std::vector<uint8_t> bytes(100, 0x11);
  for (size_t i = 0; i < RtsEditor::kSounds; ++i) {
    std::string name = i < sounds.size() ? sounds[i] : "";
    name.resize(8, '\0');
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.insert(bytes.end(), 8, 0x22);
  }
  bytes.insert(bytes.end(), 8, 0x33);
  return bytes;
}

class RtsEditorTest : public ::testing::Test {
 protected:
  RtsEditorTest() {
    fs.makeDirectories("C:\\DUKE3D\\SOUNDS");
    fs.putFile("C:\\DUKE3D\\RTSTOOL.EXE", "MZ");
    fs.putFile("C:\\DUKE3D\\DUKE.RTS", rtsFile({"TAUNT01", "TAUNT02"}));
    fs.putFile("C:\\DUKE3D\\SOUNDS\\CHEER.WAV", "w");
    game.set(gi::GameDir, "C:\\DUKE3D\\");
    game.set(gi::RtsToolName, "rtstool.exe");
  }
  std::vector<std::string> commands() const { return processes.commandTexts(); }

  platform::FakeFileSystem fs;
  FakeProcesses processes;
  platform::ScriptedPrompter prompter;
  catalogue::GameInfoRecord game;
};

TEST_F(RtsEditorTest, TheSoundsAreUnpackedReplacedAndPackedBackIntoTheFile) {
  // What the tool's unpacking would leave: one sound as .wav, the other as .voc.
  fs.makeDirectories("C:\\DUKE3D\\~~delete.~me");
  fs.putFile("C:\\DUKE3D\\~~delete.~me\\TAUNT01.wav", "1");
  RtsEditor editor(fs, processes, prompter, game, "C:\\DUKE3D\\", "DUKE.RTS");
  ASSERT_FALSE(editor.failed());
  EXPECT_EQ(editor.soundNames()[0], "TAUNT01.wav");
  EXPECT_EQ(editor.soundNames()[1], "TAUNT02.voc");
  EXPECT_EQ(editor.soundNames()[2], "");
  EXPECT_EQ(commands(), std::vector<std::string>{"C:\\DUKE3D\\rtstool.exe -u DUKE.RTS"});
  EXPECT_TRUE(fs.exists("C:\\DUKE3D\\~~delete.~me\\DUKE.RTS"));

  editor.openFileEntry("[..]", -1);
  editor.openFileEntry("[SOUNDS]", -1);
  EXPECT_EQ(editor.listDirectory(), "C:\\DUKE3D\\SOUNDS\\");
  EXPECT_EQ(editor.fileEntries().back(), "CHEER.WAV");
  editor.openFileEntry("CHEER.WAV", -1);  // no sound picked: nothing
  EXPECT_EQ(editor.soundNames()[1], "TAUNT02.voc");
  editor.openFileEntry("CHEER.WAV", 1);
  EXPECT_EQ(editor.soundNames()[1], "CHEER.WAV");
  EXPECT_TRUE(fs.exists("C:\\DUKE3D\\~~delete.~me\\CHEER.WAV"));

  // The tool's packing rebuilds the working copy; Finish puts it over the RTS file.
  fs.putFile("C:\\DUKE3D\\~~delete.~me\\DUKE.RTS", "rebuilt");
  editor.finish();
  EXPECT_EQ(fs.readWhole("C:\\DUKE3D\\DUKE.RTS"),
            std::vector<uint8_t>({'r', 'e', 'b', 'u', 'i', 'l', 't'}));
  const std::vector<std::string> ran = commands();
  ASSERT_EQ(ran.size(), 6u);
  EXPECT_EQ(ran[1], "C:\\DUKE3D\\rtstool.exe MakeRts.txt");
  EXPECT_EQ(ran[2], "del C:\\DUKE3D\\~~delete.~me\\*.voc");
  EXPECT_EQ(ran[5], "del C:\\DUKE3D\\~~delete.~me\\MakeRts.txt");
  const auto list = fs.readWhole("C:\\DUKE3D\\~~delete.~me\\MakeRts.txt");
  ASSERT_TRUE(list);
  EXPECT_EQ(std::string(list->begin(), list->end()),
            "DUKE.RTS\r\nTAUNT01.wav\r\nCHEER.WAV\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(RtsEditorTest, AMissingFileOrToolKeepsTheFormClosed) {
  RtsEditor missing(fs, processes, prompter, game, "C:\\DUKE3D\\", "NONE.RTS");
  EXPECT_TRUE(missing.failed());
  EXPECT_EQ(prompter.texts().back(), RtsEditor::kCannotOpen);
  game.set(gi::RtsToolName, "xtstool.exe");
  RtsEditor noTool(fs, processes, prompter, game, "C:\\DUKE3D\\", "DUKE.RTS");
  EXPECT_TRUE(noTool.failed());
  EXPECT_NE(prompter.texts().back().find("xtstool.exe program is not in the Game directory"),
            std::string::npos);
  // Cancel leaves the RTS file alone.
  RtsEditor editor(fs, processes, prompter, game, "C:\\DUKE3D\\", "DUKE.RTS");
  editor.cancel();
  EXPECT_EQ(fs.readWhole("C:\\DUKE3D\\DUKE.RTS"), rtsFile({"TAUNT01", "TAUNT02"}));
}

}  // namespace

namespace {

TEST(RtsSoundNames, ATailTooShortGivesNoneAndNamesThatArePathsAreLeftEmpty) {
  EXPECT_FALSE(RtsEditor::soundNamesOf(std::vector<uint8_t>(167, 'a')));
  const auto names = RtsEditor::soundNamesOf(rtsFile({"TAUNT01", "..\\EVIL", "FULLNAME", "a/b"}));
  ASSERT_TRUE(names);
  EXPECT_EQ((*names)[0], "TAUNT01");
  EXPECT_EQ((*names)[1], "");
  EXPECT_EQ((*names)[2], "FULLNAME");  // eight bytes without a NUL: cut to its room
  EXPECT_EQ((*names)[3], "");
}

}  // namespace
