// The hit-point files: what one launch does to a slot's file, how files of any shape are read,
// and the favourites lines made from them.
#include "multiplayer/hit_point_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "launch/launch_pipeline.h"
#include "platform/fake/fake_file_system.h"
#include "support/catalogue_fixture.h"

namespace {

using multiplayer::HitPointRecord;
using platform::LocalDate;
namespace hp = multiplayer::hit_point;

constexpr LocalDate kDec8{2026, 12, 8};

HitPointRecord record(const std::string& path, uint16_t count, LocalDate date = kDec8) {
  HitPointRecord r = multiplayer::launchRecord(path, "", date);
  multiplayer::setHitCount(r, count);
  return r;
}

std::vector<uint8_t> fileOf(const std::vector<HitPointRecord>& records) {
  std::vector<uint8_t> bytes;
  for (const HitPointRecord& r : records)
    bytes.insert(bytes.end(), r.bytes().begin(), r.bytes().end());
  return bytes;
}

std::string map(int n) {
  return "D:\\MAPS\\E" + std::to_string(n) + ".MAP";
}

class HitPointDatabaseTest : public ::testing::Test {
 protected:
  HitPointDatabaseTest() { fs.makeDirectories("C:\\QF95\\"); }

  std::vector<uint8_t> bytes() { return fs.readWhole(db.path(3)).value_or(std::vector<uint8_t>{}); }
  std::string text(size_t at) { return reinterpret_cast<const char*>(bytes().data() + at); }
  // The paths in the file and their counts: "E7.MAP 2".
  std::vector<std::string> listed() {
    std::vector<std::string> out;
    for (const HitPointRecord& r : multiplayer::parseHitPoints(bytes()))
      out.push_back(r.get(hp::FilePath).substr(8) + " " + std::to_string(multiplayer::hitCount(r)));
    return out;
  }

  platform::FakeFileSystem fs;
  multiplayer::HitPointDatabase db{fs, "C:\\QF95\\"};
};

TEST_F(HitPointDatabaseTest, TheSameFileTwiceIsOneRecordCountedTwiceWithTheLatestDate) {
  ASSERT_TRUE(db.recordLaunch(3, "C:\\MAPS\\HELL.MAP", "-map HELL.MAP", {2026, 12, 7}));
  ASSERT_TRUE(db.recordLaunch(3, "C:\\MAPS\\HELL.MAP", "-map HELL.MAP -s3", kDec8));
  EXPECT_EQ(db.path(3), "C:\\QF95\\Quillfen95 New HitPoint DataBase.dat3");

  // The record as other programs read it, byte by byte.
  const std::vector<uint8_t> b = bytes();
  ASSERT_EQ(b.size(), 287u);
  EXPECT_EQ(text(0), "C:\\MAPS\\HELL.MAP");
  EXPECT_EQ(text(129), "-map HELL.MAP -s3");
  EXPECT_EQ(std::vector<uint8_t>(b.begin() + 258, b.begin() + 267),
            (std::vector<uint8_t>{26, 11, 8, 2, 0, 0x39, 0x1B, 0, 0}));  // 26-Dec-08, 2, 6969
  EXPECT_EQ(std::vector<uint8_t>(b.begin() + 267, b.end()), std::vector<uint8_t>(20, 0));
}

TEST_F(HitPointDatabaseTest, ANewFileInAFullListTakesThePlaceOfTheEarliestLeastLaunched) {
  std::vector<HitPointRecord> full;
  for (int i = 0; i < 25; ++i) full.push_back(record(map(i), i == 7 || i == 19 ? 2 : 5));
  std::swap(full[7], full[19]);  // the file is not sorted: E19 is the earlier one now
  fs.putFile(db.path(3), fileOf(full));
  ASSERT_TRUE(db.recordLaunch(3, "D:\\MAPS\\NEW.MAP", "", kDec8));
  std::vector<std::string> paths = listed();
  ASSERT_EQ(paths.size(), 25u);
  EXPECT_EQ(std::count(paths.begin(), paths.end(), "E19.MAP 2"), 0);
  EXPECT_EQ(std::vector<std::string>(paths.end() - 2, paths.end()),
            (std::vector<std::string>{"E7.MAP 2", "NEW.MAP 1"}));

  // Counts at the top stay there; a listed file takes no new place.
  multiplayer::setHitCount(full[0], 65535);
  fs.putFile(db.path(3), fileOf(full));
  ASSERT_TRUE(db.recordLaunch(3, map(0), "", kDec8));
  EXPECT_EQ(listed().size(), 25u);
  EXPECT_EQ(listed()[0], "E0.MAP 65535");
}

TEST_F(HitPointDatabaseTest, OnlyTheFirstTwentyFiveRecordsOfALongerFileCount) {
  std::vector<HitPointRecord> thirty;
  for (int i = 0; i < 30; ++i) thirty.push_back(record(map(i), uint16_t(40 - i)));
  fs.putFile(db.path(3), fileOf(thirty));
  EXPECT_EQ(db.favourites(3).size(), 25u);
  // E27 lies past the 25th record: it is a new file, in the place of E24, the least launched.
  ASSERT_TRUE(db.recordLaunch(3, map(27), "", kDec8));
  EXPECT_EQ(listed().size(), 25u);
  EXPECT_EQ(listed()[23], "E23.MAP 17");
  EXPECT_EQ(listed()[24], "E27.MAP 1");
}

TEST_F(HitPointDatabaseTest, MostLaunchedFirstThenMostRecentThenByTheirBytes) {
  fs.putFile(
      db.path(3),
      fileOf({record("D:\\MAPS\\A", 3, {2026, 1, 5}), record("D:\\MAPS\\B", 3, {2025, 12, 31}),
              record("D:\\MAPS\\C", 3, {2026, 2, 1}), record("D:\\MAPS\\D", 3, {2026, 1, 6}),
              record("D:\\MAPS\\F", 3, {2026, 1, 5}), record("D:\\MAPS\\E", 3, {2026, 1, 5}),
              record("D:\\MAPS\\G", 7, {2001, 1, 1}), record("D:\\MAPS\\H", 3, {1999, 1, 1})}));
  ASSERT_TRUE(db.recordLaunch(3, "D:\\MAPS\\I", "", kDec8));
  // Two-digit years compare as stored: 99 is later than 26.
  EXPECT_EQ(listed(), (std::vector<std::string>{"G 7", "H 3", "C 3", "D 3", "A 3", "E 3", "F 3",
                                                "B 3", "I 1"}));
}

TEST_F(HitPointDatabaseTest, LongTextsAreCutToTheirFieldsAndALongPathStillMatchesItself) {
  const std::string longPath = "D:\\MAPS\\" + std::string(200, 'P');
  ASSERT_TRUE(db.recordLaunch(3, longPath, std::string(300, 'a'), kDec8));
  ASSERT_TRUE(db.recordLaunch(3, longPath, std::string(300, 'a'), kDec8));
  ASSERT_EQ(bytes().size(), 287u);
  EXPECT_EQ(text(0), longPath.substr(0, 128));
  EXPECT_EQ(text(129), std::string(128, 'a'));
  EXPECT_EQ(bytes()[258], 26);  // the date after the texts is untouched
  EXPECT_EQ(listed(), std::vector<std::string>{std::string(120, 'P') + " 2"});
}

TEST_F(HitPointDatabaseTest, FilesOfAnyShapeAreReadAsTheirWholeRecords) {
  EXPECT_TRUE(db.favourites(3).empty());                   // missing
  fs.putFile(db.path(3), std::vector<uint8_t>(287, 'Q'));  // no NUL anywhere
  ASSERT_EQ(db.records(3).size(), 1u);
  EXPECT_EQ(db.records(3)[0].get(hp::FilePath), std::string(129, 'Q'));

  // Two records and a torn third; the second was never marked.
  HitPointRecord unmarked = record(map(2), 9);
  unmarked.set(hp::Marker, 0);
  std::vector<uint8_t> file = fileOf({record(map(1), 4), unmarked});
  file.resize(file.size() + 100, 'x');
  fs.putFile(db.path(3), file);
  ASSERT_EQ(db.favourites(3).size(), 1u);
  EXPECT_EQ(db.favourites(3)[0].path, map(1));
  // The unmarked record keeps its place; the torn tail goes.
  ASSERT_TRUE(db.recordLaunch(3, map(3), "", kDec8));
  EXPECT_EQ(listed(), (std::vector<std::string>{"E2.MAP 9", "E1.MAP 4", "E3.MAP 1"}));
}

TEST_F(HitPointDatabaseTest, AFileThatCannotBeReadOrWrittenIsLeftAsItWas) {
  fs.putFile(db.path(3), fileOf({record(map(1), 4)}));
  fs.failReplace(db.path(3));
  EXPECT_FALSE(db.recordLaunch(3, map(1), "", kDec8));
  EXPECT_EQ(listed(), std::vector<std::string>{"E1.MAP 4"});
  fs.putFile(db.path(5), fileOf({record(map(1), 4)}));
  fs.failOpen(db.path(5));
  EXPECT_FALSE(db.recordLaunch(5, map(2), "", kDec8));  // its counts would be lost
}

TEST(HitPointFavouriteLine, ShowsCountDateAndTheStartOfTheFilesName) {
  using multiplayer::favouriteLine;
  EXPECT_EQ(favouriteLine(record("C:\\MAPS\\HELL.MAP", 2)), "002  [08-Dec-26]  HELL.MAP");
  EXPECT_EQ(favouriteLine(record("C:\\ABCDEFGHIJKLMNOPQRSTUVWXYZ.MAP", 123, {2009, 1, 31})),
            "123  [31-Jan-09]  ABCDEFGHIJKLMNOPQRSTU");
  EXPECT_EQ(favouriteLine(record("HELL.MAP", 1000, {2000, 5, 1})), "1000  [01-May-00]  HELL.MAP");
  EXPECT_EQ(favouriteLine(record("C:\\MAPS\\", 1)), "001  [08-Dec-26]  ");
  // Bytes no launch wrote: a month past December, a day and year of three digits.
  HitPointRecord odd = record("D:\\X.MAP", 65535);
  odd.set(hp::Month, 12);
  odd.set(hp::Day, 255);
  odd.set(hp::Year, 200);
  EXPECT_EQ(favouriteLine(odd), "65535  [255-?\?\?-2]  X.MAP");
}

// The program counts what its launches start, for the current game, dated by its clock.
class HitPointLaunchTest : public testsupport::CatalogueTest {};

TEST_F(HitPointLaunchTest, EachGameStartedIsCountedForTheCurrentSlot) {
  fs.putFile("D:\\GAMES\\DUKE3D\\DUKE3D.EXE", "MZ");
  fs.putFile("D:\\MAPS\\HELL.MAP", "map");
  ASSERT_TRUE(makeCatalogue().LoadCatalogue());
  useBareDefinition();
  cat->gameData().set(catalogue::game_data::SelectedFile, "D:\\MAPS\\HELL.MAP");
  cat->gameData().set(catalogue::game_data::SelectedFileTemplate, "<cml>-map <fileonly>");
  machine.fakeClock.setLocalDate(kDec8);
  launch::LaunchPipeline pipeline(program->launchServices(), *cat, program->session());
  pipeline.setLaunchRecorder([this](const std::string& file, const std::string& arguments) {
    EXPECT_EQ(program->recordLaunch(file, arguments), "");
  });
  for (int i = 0; i < 2; ++i) {
    launch::LaunchState state = pipeline.newLaunchState();
    ASSERT_EQ(pipeline.launchGame(state), launch::LaunchOutcome::kReturned);
  }
  const auto favourites = program->favourites();
  ASSERT_EQ(favourites.size(), 1u);
  EXPECT_EQ(favourites[0].line, "002  [08-Dec-26]  HELL.MAP");
  EXPECT_EQ(favourites[0].path, "D:\\MAPS\\HELL.MAP");

  const std::string file = multiplayer::HitPointDatabase(fs, kStartup).path(cat->currentSlot());
  EXPECT_EQ(
      multiplayer::HitPointDatabase(fs, kStartup).records(cat->currentSlot())[0].get(hp::Arguments),
      "-map HELL.MAP");
  fs.failReplace(file);
  EXPECT_EQ(program->recordLaunch("D:\\MAPS\\HELL.MAP", ""), file);  // named for the player
}

}  // namespace
