// The configuration pass: the game data record first, then the slots' files in their modes,
// with the option lines written as key lines.
#include "support/launch_pass_fixture.h"

namespace {

namespace gd = catalogue::game_data;
namespace gi = catalogue::game_info;
using launch::ConfigFileWriter;

class ConfigPassTest : public testsupport::LaunchPassTest {
 protected:
  int run(ConfigFileWriter::Hooks hooks = {}) {
    ConfigFileWriter writer = makeWriter(std::move(hooks));
    int result = writer.writeConfigFiles();
    error = writer.error();
    keyError = writer.keyError();
    return result;
  }
  int error = -1;
  int keyError = -1;
};

TEST_F(ConfigPassTest, WorkedExample) {
  setLine(0, "<cml>-map <fileonly>", kMap);
  setLine(1, "<cml>-skill <var>", "3");
  setLine(2, "Map <fileonly_name>@Default File1", kMap);
  setLine(3, "<cml>-x<fileonly>y", kMap);
  const std::string cfg = useSlot(1, "DUKE3D.CFG", "N");
  fs.putFile(cfg, "[Setup]\r\nMap E1L1\r\nMapSize = 3\r\n");
  EXPECT_EQ(compose(), (std::vector<std::string>{"-map HELL.MAP", "-skill 3", "-xHELL.MAP"}));
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg), "[Setup]\r\nMap HELL\r\nMapSize = 3\r\n");
  EXPECT_EQ(text("C:\\GAMES\\DUKE3D\\HELL.MAP"), "map bytes");
  EXPECT_EQ(state.CopiedFile, "C:\\GAMES\\DUKE3D\\HELL.MAP");
  EXPECT_TRUE(state.FileCopied);
  fs.putFile(cfg, "[Setup]");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg), "[Setup]\r\nMap HELL\r\n");
}

TEST_F(ConfigPassTest, PiecesBecomeKeyLines) {
  const std::string cfg = useSlot(1, "GAME.CFG", "N");
  setLine(0, "ScreenMode = <var>@Default File1", "2");
  setLine(1, "Sound=@default file1", "1");            // key "Sound= " and the raw value
  setLine(2, "Music= @DEFAULT FILE1", "0");           // key "Music= " and the raw value
  setLine(3, "Detail = 5@Default File1", "", 1);      // key up to "=" plus a blank
  setLine(4, "Name  Duke@Default File1", "", 1);      // key up to the blank
  setLine(5, "Plain = 1@Default File1", "", 0);       // not expanded: the whole piece
  setLine(6, "A=<var>|B=<n>@Default File1", "7");     // two pieces
  setLine(7, "<cml>-game <var>@Default File1", "x");  // never written
  setLine(8, "Other = <var>@Default File2", "9");
  setLine(9, "Skip = <var>@Default File1", "", 2);
  fs.putFile(cfg, "ScreenMode = 1\r\nDetail = 1\r\nName Old\r\n");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg),
            "ScreenMode = 2\r\nDetail = 5\r\nName Duke\r\nSound=  1\r\nMusic=  0\r\n"
            "Plain = 1 \r\nA=  7\r\nB=  7\r\n");
  fs.putFile(cfg, "");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg).substr(0, 17), "ScreenMode =  2\r\n");
}

TEST_F(ConfigPassTest, SlotThatDoesNotAppendDropsMissingKeys) {
  const std::string cfg = useSlot(1, "GAME.CFG", "0");
  setLine(0, "Missing = <var>@Default File1", "1");
  setLine(1, "Plain = 1@Default File1");
  setLine(2, "LAUNCHNAME = \"<misc>\"@Default File1", "", 1);
  fs.putFile(cfg, "LAUNCHNAME = x");
  ConfigFileWriter writer = makeWriter();
  EXPECT_EQ(writer.writeConfigFiles(), 1);
  EXPECT_EQ(text(cfg), "LAUNCHNAME = \"DUKE3D.EXE\"");
  EXPECT_EQ(writer.keyError(), launch::kErrorKeyNotFound);
  EXPECT_EQ(writer.error(), 0);
  // "<misc>" is replaced in the writer's own lines.
  EXPECT_EQ(writer.lines()[2].Text, "LAUNCHNAME = \"DUKE3D.EXE\"@Default File1");
  EXPECT_EQ(lines[2].Text, "LAUNCHNAME = \"<misc>\"@Default File1");
}

TEST_F(ConfigPassTest, FilesOverTheSizeLimitAreLeftUntouched) {
  const std::string a = useSlot(1, "A.CFG", "0");
  const std::string b = useSlot(2, "B.CFG", "0");
  setLine(0, "K=<var>@Default File1|K=<var>@Default File2", "9");
  const std::string big = "K= 1\r\n" + std::string(launch::kMaxConfigFileSize - 6, 'x');
  fs.putFile(a, big);
  fs.putFile(b, big + "x");
  EXPECT_EQ(run(), 1);
  const std::string edited = text(a);
  EXPECT_EQ(edited.size(), launch::kMaxConfigFileSize);
  EXPECT_TRUE(edited == "K= 9\r\n" + big.substr(6));
  EXPECT_TRUE(text(b) == big + "x");
}

TEST_F(ConfigPassTest, ModeOneCreatesTheNetworkFileAndKeepsAnExistingOne) {
  const std::string cfg = useSlot(1, "COMMIT.DAT", "1");
  EXPECT_EQ(run(), 1);
  const std::string made = text(cfg);
  EXPECT_EQ(made.size(), 283u);
  EXPECT_EQ(made,
            "[Commit]\r\nCOMMTYPE = 3\r\nNUMPLAYERS = 2\r\nPAUSE = 0\r\nVECTOR = ~\r\n"
            "SOCKETNUMBER = 34889\r\nINITSTRING = \"ATZ\"\r\nHANGUPSTRING = \"ATH0=0\"\r\n"
            "PHONENUMBER = \"\"\r\nLAUNCHNAME = \"DUKE3D.EXE\"\r\nCONNECTTYPE = 0\r\n"
            "USETONE = 1\r\nCOMPORT = 2\r\nIRQNUMBER = ~\r\nUARTADDRESS = ~\r\n"
            "PORTSPEED = 9600\r\nSHOWSTATS = 0\r\n");
  fs.putFile(cfg, "COMMTYPE = 1\r\n");
  setLine(0, "NUMPLAYERS = <var>@Default File1", "4");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg), "COMMTYPE = 1\r\n");
}

TEST_F(ConfigPassTest, ModeRStartsAfreshAndKeepsTheFirstBackup) {
  const std::string cfg = useSlot(1, "GAME.CFG", "R");
  setLine(0, "K = <var>@Default File1", "1");
  fs.putFile(cfg, "original\r\n");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg), "K =  1\r\n");
  EXPECT_EQ(text(cfg + ".backup"), "original\r\n");
  EXPECT_TRUE(prompter.boxes().empty());
  currentSlot = 0;
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg + ".backup"), "original\r\n");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Going to over write CFG file"});
}

TEST_F(ConfigPassTest, FilesThatCannotBeOpenedStopThePassWithError15) {
  const std::string a = useSlot(1, "A.CFG", "N");
  const std::string b = useSlot(2, "B.CFG", "0");
  const std::string c = useSlot(3, "C.CFG", "N");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(error, launch::kErrorFileOpen);
  EXPECT_EQ(text(a), "");  // written before the stop
  EXPECT_FALSE(fs.exists(b));
  EXPECT_FALSE(fs.exists(c));
  fs.putFile(b, "B");
  fs.failOpen(b);  // exists but cannot be read: never rewritten
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(fs.stat(b)->size, 1u);
  fs.failReplace(a);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(error, launch::kErrorFileOpen);
}

TEST_F(ConfigPassTest, AnEmptySlotEndsThePass) {
  useSlot(1, "A.CFG", "N");
  const std::string c = useSlot(3, "C.CFG", "N");
  EXPECT_EQ(run(), 1);
  EXPECT_FALSE(fs.exists(c));
}

TEST_F(ConfigPassTest, RegistryEditsThenTheGameDataRecordComeFirst) {
  const std::string cfg = useSlot(1, "A.CFG", "N");
  setLine(0, "K=<var>@Default File1", "old");
  data.set(gd::DemoName, "demo");
  auto registry = [&](launch::OptionLines& own) {
    EXPECT_FALSE(fs.exists(dataFile()));
    own[0].Value = "new";
  };
  EXPECT_EQ(run({registry, {}, {}}), 1);
  EXPECT_EQ(text(cfg), "K=  new\r\n");
  EXPECT_EQ(fs.readWhole(dataFile()),
            std::vector<uint8_t>(data.bytes().begin(), data.bytes().end()));

  fs.failReplace(dataFile());
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(error, launch::kErrorDataNotSaved);
  fs.failOpen(dataFile());
  fs.deleteFile(cfg);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(error, launch::kErrorFileOpen);
  EXPECT_FALSE(fs.exists(cfg));
}

TEST_F(ConfigPassTest, RecordsNotReadyMeanNothingIsWritten) {
  const std::string cfg = useSlot(1, "A.CFG", "N");
  int inits = 0;
  bool registry = false;
  ConfigFileWriter::Hooks hooks{
      [&](launch::OptionLines&) { registry = true; }, [&] { ++inits; }, {}};
  data.set(gd::Marker, 0.0f);
  EXPECT_EQ(run(hooks), 0);
  EXPECT_EQ(inits, 1);
  hooks.gameDataSetUp = [] { return false; };
  data.set(gd::Marker, catalogue::kValidMarker);
  EXPECT_EQ(run(hooks), 0);
  EXPECT_EQ(inits, 2);
  hooks.gameDataSetUp = {};
  game.set(gi::Marker, 1.0f);
  EXPECT_EQ(run(hooks), 0);
  EXPECT_EQ(inits, 2);
  EXPECT_FALSE(registry);
  EXPECT_FALSE(fs.exists(cfg));
  EXPECT_FALSE(fs.exists(dataFile()));
}

TEST_F(ConfigPassTest, PipelineFlagEditsACopyInTheSelectedDirectory) {
  const std::string cfg = useSlot(1, "A.CFG", "N");
  game.set(gi::LaunchPipelineFlag, 1);
  setLine(0, "K=<var>@Default File1", "1");
  fs.putFile(cfg, "K= 0\r\n");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(text(cfg), "K= 0\r\n");
  EXPECT_EQ(text("C:\\ADDONS\\HELL\\A.CFG"), "K= 1\r\n");
}

}  // namespace
