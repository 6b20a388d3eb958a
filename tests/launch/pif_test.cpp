// The PIF image: the template's bytes, what each launch option changes, how texts keep to
// their fields, the file written over an old read-only one, and the session starter's reading.
#include "launch/pif.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"

namespace launch {
namespace {

std::vector<size_t> differences(const PifImage& a, const PifImage& b) {
  std::vector<size_t> at;
  for (size_t i = 0; i < kPifSize; ++i)
    if (a[i] != b[i]) at.push_back(i);
  return at;
}

std::string textAt(const PifImage& image, size_t at) {
  return std::string(reinterpret_cast<const char*>(image.data() + at));
}

std::vector<uint8_t> bytesAt(const PifImage& image, size_t at, size_t count) {
  return std::vector<uint8_t>(image.begin() + at, image.begin() + at + count);
}

bool inside(size_t offset, size_t at, size_t size) {
  return offset >= at && offset < at + size;
}

const std::string kProgram = "D:\\GAMES\\DUKE3D\\DUKE3D.EXE";
const std::string kWorkDir = "D:\\GAMES\\DUKE3D";

TEST(PifTemplate, HoldsThePublishedLayout) {
  const PifImage& t = pifTemplate();
  EXPECT_EQ(t[0x000], 0x00);
  EXPECT_EQ(t[0x001], 0x78);
  EXPECT_EQ(std::string(t.begin() + 0x002, t.begin() + 0x020), "QF" + std::string(28, ' '));
  EXPECT_EQ(textAt(t, 0x024), "C:\\Games\\Duke3D\\Quillfen.bat");
  EXPECT_EQ(t[0x063], 0x10);
  EXPECT_EQ(textAt(t, 0x065), "C:\\Games\\Duke3D");
  EXPECT_EQ(textAt(t, 0x0A5), "");
  EXPECT_EQ(bytesAt(t, 0x0E6, 8),
            (std::vector<uint8_t>{0x01, 0x00, 0xFF, 0x19, 0x50, 0x00, 0x00, 0x07}));

  // The three headers: name, next header, data offset, data length.
  EXPECT_EQ(textAt(t, 0x171), "MICROSOFT PIFEX");
  EXPECT_EQ(bytesAt(t, 0x181, 6), (std::vector<uint8_t>{0x87, 0x01, 0x00, 0x00, 0x71, 0x01}));
  EXPECT_EQ(textAt(t, 0x187), "WINDOWS 386 3.0");
  EXPECT_EQ(bytesAt(t, 0x197, 6), (std::vector<uint8_t>{0x05, 0x02, 0x9D, 0x01, 0x68, 0x00}));
  EXPECT_EQ(textAt(t, 0x205), "WINDOWS VMM 4.0");
  EXPECT_EQ(bytesAt(t, 0x215, 6), (std::vector<uint8_t>{0xFF, 0xFF, 0x1B, 0x02, 0xAC, 0x01}));

  EXPECT_EQ(bytesAt(t, 0x19D, 16),
            (std::vector<uint8_t>{0x80, 0x02, 0x00, 0x00, 0x64, 0x00, 0x32, 0x00, 0xFF, 0xFF, 0x00,
                                  0x00, 0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(bytesAt(t, 0x1AD, 5), (std::vector<uint8_t>{0x0A, 0x50, 0x02, 0x00, 0x1F}));
  EXPECT_EQ(textAt(t, 0x273), "PIFMGR.DLL");
  EXPECT_EQ(t[0x2C5], 0x02);
  EXPECT_EQ(textAt(t, 0x305), "Terminal");
  EXPECT_EQ(textAt(t, 0x325), "Courier New");
  EXPECT_EQ(bytesAt(t, 0x35D, 9),
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
  EXPECT_EQ(t[0x3C5], 0x01);
  EXPECT_EQ(t[0x3C6], 0x00);

  // Counted by hand from the field list: 82 in the basic section, 60 in the headers, 15 in the
  // 386 section and 74 in the VMM section. A stray or missing byte anywhere shows here.
  size_t nonZero = 0;
  for (uint8_t b : t) nonZero += b != 0;
  EXPECT_EQ(nonZero, 231u);
}

TEST(BuildPif, WithoutOptionsOnlyTheLaunchFieldsChange) {
  PifImage image = buildPif({}, kProgram, kWorkDir, false);
  for (size_t at : differences(pifTemplate(), image)) {
    EXPECT_TRUE(inside(at, pif::kTitle, pif::kTitleSize) ||
                inside(at, pif::kProgram, pif::kProgramSize) ||
                inside(at, pif::kWorkDir, pif::kWorkDirSize) ||
                inside(at, pif::kParameters, pif::kParametersSize) ||
                inside(at, pif::k386Parameters, pif::kParametersSize))
        << "offset " << at;
  }
  EXPECT_EQ(textAt(image, pif::kTitle), "Quillfen95 for Duke3D");
  // The title's blank padding after its NUL stays.
  EXPECT_EQ(std::string(image.begin() + 0x018, image.begin() + 0x020), std::string(8, ' '));
  EXPECT_EQ(textAt(image, pif::kProgram), kProgram);
  EXPECT_EQ(textAt(image, pif::kWorkDir), kWorkDir);
  EXPECT_EQ(textAt(image, pif::kParameters), "%1 %2 %3 %4 %5 %6 %7 %8 %9");
  EXPECT_EQ(textAt(image, pif::k386Parameters), "%1 %2 %3 %4 %5 %6 %7 %8 %9");
  EXPECT_EQ(image[pif::kFlags], 0x10);
}

struct OptionCase {
  const char* name;
  PifOptions options;
  std::vector<std::pair<size_t, uint8_t>> bytes;  // every byte that differs from no options
};

class BuildPifOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(BuildPifOption, ChangesExactlyItsBytes) {
  const OptionCase& c = GetParam();
  PifImage plain = buildPif({}, kProgram, kWorkDir, false);
  PifImage image = buildPif(c.options, kProgram, kWorkDir, false);
  std::vector<size_t> expectedAt;
  for (auto [at, value] : c.bytes) {
    EXPECT_EQ(image[at], value) << "offset " << at;
    expectedAt.push_back(at);
  }
  EXPECT_EQ(differences(plain, image), expectedAt);
}

PifOptions with(bool PifOptions::*flag, bool PifOptions::*also = nullptr) {
  PifOptions o;
  o.*flag = true;
  if (also) o.*also = true;
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    Options, BuildPifOption,
    ::testing::Values(
        OptionCase{"Pause", with(&PifOptions::PauseBeforeReturn), {{0x063, 0x00}}},
        OptionCase{"AltSpace", with(&PifOptions::ReserveAltSpace), {{0x1AD, 0x8A}}},
        OptionCase{"AllKeys", with(&PifOptions::ReserveAllKeys), {{0x1AD, 0xEA}, {0x1AE, 0x5F}}},
        OptionCase{"BothKeyOptions",
                   with(&PifOptions::ReserveAltSpace, &PifOptions::ReserveAllKeys),
                   {{0x1AD, 0xEA}, {0x1AE, 0x5F}}},
        OptionCase{"Terminate", with(&PifOptions::TerminateWithoutWarning), {{0x2C5, 0x12}}},
        OptionCase{"HideWindows", with(&PifOptions::HideWindowsFromGame), {{0x1B0, 0x15}}},
        OptionCase{"DosMode", with(&PifOptions::DosModeOnly), {{0x1AF, 0x82}}},
        OptionCase{
            "DosModeForAnEditor", with(&PifOptions::DosModeOnly, &PifOptions::EditorLaunch), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildPif, MapEditorTakesOnlyThePauseOption) {
  PifOptions all;
  all.PauseBeforeReturn = true;
  all.ReserveAltSpace = all.ReserveAllKeys = all.TerminateWithoutWarning = true;
  all.HideWindowsFromGame = all.DosModeOnly = true;
  PifImage build = buildPif(all, "buildpatch.bat", kWorkDir, true);

  PifOptions pauseOnly;
  pauseOnly.PauseBeforeReturn = true;
  EXPECT_EQ(build, buildPif(pauseOnly, "buildpatch.bat", kWorkDir, false));
  EXPECT_EQ(build[pif::kFlags], 0x00);
  EXPECT_EQ(textAt(build, pif::kProgram), "buildpatch.bat");
  EXPECT_EQ(textAt(build, pif::kTitle), "Quillfen95 for Duke3D");
  EXPECT_EQ(textAt(build, pif::k386Parameters), "%1 %2 %3 %4 %5 %6 %7 %8 %9");
}

TEST(BuildPif, TextsAreCutToTheirFields) {
  std::string dir63 = "C:\\" + std::string(60, 'D');
  PifImage fits = buildPif({}, kProgram, dir63, false);
  EXPECT_EQ(textAt(fits, pif::kWorkDir), dir63);

  std::string dir64 = dir63 + "E";
  PifImage cut = buildPif({}, kProgram, dir64, false);
  EXPECT_EQ(textAt(cut, pif::kWorkDir), dir63);
  EXPECT_EQ(textAt(cut, pif::kParameters), "%1 %2 %3 %4 %5 %6 %7 %8 %9");

  std::string longProgram = "C:\\" + std::string(70, 'P');
  PifImage program = buildPif({}, longProgram, kWorkDir, false);
  EXPECT_EQ(textAt(program, pif::kProgram), longProgram.substr(0, 62));
  EXPECT_EQ(program[pif::kFlags], 0x10);  // the byte after the field is untouched
}

TEST(WritePif, ReplacesAReadOnlyFileFromAnEarlierLaunch) {
  platform::FakeFileSystem fs;
  const std::string path = "C:\\GAMES\\DUKE3D\\dmpatch95.pif";
  fs.putFile(path, "old");
  fs.setReadOnly(path, true);

  PifImage image = buildPif({}, kProgram, kWorkDir, false);
  ASSERT_TRUE(writePif(fs, path, image));
  auto written = fs.readWhole(path);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, std::vector<uint8_t>(image.begin(), image.end()));
}

TEST(WritePif, CreatesANewFileAndReportsFailure) {
  platform::FakeFileSystem fs;
  fs.makeDirectories("C:\\GAMES\\");
  PifImage image = buildPif({}, kProgram, kWorkDir, false);
  EXPECT_TRUE(writePif(fs, "C:\\GAMES\\dmpatch95ForBuild.pif", image));
  EXPECT_EQ(fs.readWhole("C:\\GAMES\\dmpatch95ForBuild.pif")->size(), kPifSize);

  fs.failReplace("C:\\GAMES\\dmpatch95.pif");
  EXPECT_FALSE(writePif(fs, "C:\\GAMES\\dmpatch95.pif", image));
  EXPECT_FALSE(writePif(fs, "C:\\NOSUCH\\dmpatch95.pif", image));
}

TEST(PifReadBack, TheSessionStarterGetsWhatTheLaunchWrote) {
  PifOptions options;
  options.PauseBeforeReturn = true;
  PifImage image = buildPif(options, "D:\\GAMES\\DUKE3D\\duke3d.exe", "D:\\GAMES\\DUKE3D", false);
  auto read = platform::readPif(image);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->program, "D:\\GAMES\\DUKE3D\\duke3d.exe");
  EXPECT_EQ(read->workingDirectory, "D:\\GAMES\\DUKE3D");
  EXPECT_FALSE(read->closeOnExit);
  EXPECT_TRUE(platform::readPif(buildPif({}, "A.EXE", "", false))->closeOnExit);
}

}  // namespace
}  // namespace launch
