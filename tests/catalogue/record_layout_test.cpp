// Record layouts: fields land on the bytes the data files use, text fields keep to their
// arrays, and bytes no field names survive.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalogue/game_data_record.h"
#include "catalogue/game_info_record.h"
#include "catalogue/univ_info_record.h"

namespace catalogue {
namespace {

// Bit pattern of the validity marker 6214.0, little-endian.
constexpr uint8_t kMarkerBytes[4] = {0x00, 0x30, 0xC2, 0x45};

template <class Rec>
void expectMarkerAt(Rec& r, size_t at) {
  for (int i = 0; i < 4; ++i) EXPECT_EQ(r.bytes()[at + i], kMarkerBytes[i]) << "byte " << at + i;
}

template <class Rec>
void fill(Rec& r, uint8_t value) {
  r.bytes().fill(value);
}

TEST(RecordLayout, MarkersSitAtTheirFileOffsets) {
  GameInfoRecord game;
  game.set(game_info::Marker, kValidMarker);
  expectMarkerAt(game, 12251);

  UnivInfoRecord univ;
  univ.set(univ_info::Marker1, kValidMarker);
  univ.set(univ_info::Marker2, kValidMarker);
  expectMarkerAt(univ, 6650);
  expectMarkerAt(univ, 7289);

  GameDataRecord data;
  data.set(game_data::Marker, kValidMarker);
  expectMarkerAt(data, 4532);
}

TEST(RecordLayout, SettingsLandOnTheirFileOffsets) {
  UnivInfoRecord univ;
  univ.set(univ_info::CurrentSlot, 14999);  // 0x3A97
  EXPECT_EQ(univ.bytes()[7281], 0x97);
  EXPECT_EQ(univ.bytes()[7282], 0x3A);

  // The factory socket numbers are entries 5..9 of the socket list.
  univ.set(univ_info::SocketNumbers, 0x4455, 5);
  univ.set(univ_info::SocketNumbers, 0x99AA, 9);
  EXPECT_EQ(image::readInt(univ.bytes(), 3430), 0x4455);
  EXPECT_EQ(image::readInt(univ.bytes(), 3446), 0x99AA);

  univ.set(univ_info::UnzipProgram, "pkunzip.exe");
  EXPECT_EQ(image::readText(univ.bytes(), 6956, 12), "pkunzip.exe");
  univ.set(univ_info::ModemString, "ATH0", 2);
  EXPECT_EQ(image::readText(univ.bytes(), 6782, 64), "ATH0");
  univ.set(univ_info::InternetNameList, "Home", 1);
  EXPECT_EQ(image::readText(univ.bytes(), 5082, 32), "Home");
  univ.set(univ_info::TimeLimit, 0x01020304);
  EXPECT_EQ(univ.bytes()[7245], 0x04);
  EXPECT_EQ(univ.bytes()[7248], 0x01);
  univ.set(univ_info::PhoneIndex, 7);
  univ.set(univ_info::ConnectionType, 4);
  EXPECT_EQ(univ.bytes()[7238], 7);
  EXPECT_EQ(univ.bytes()[7243], 4);

  GameDataRecord data;
  // The content tools read the group and RTS file names from configuration copies 2 and 3.
  data.set(game_data::ConfigFileCopy, "DUKE3D.GRP", 2);
  data.set(game_data::ConfigFileCopy, "DUKE.RTS", 3);
  EXPECT_EQ(image::readText(data.bytes(), 4130, 51), "DUKE3D.GRP");
  EXPECT_EQ(image::readText(data.bytes(), 4181, 51), "DUKE.RTS");
  data.set(game_data::SelectedFileTemplate, "<cml>-map <var>");
  EXPECT_EQ(image::readText(data.bytes(), 67, 100), "<cml>-map <var>");
  data.set(game_data::FewerPacketIndex, 3);
  data.set(game_data::WeaponsAll, 1);
  EXPECT_EQ(data.bytes()[4303], 3);
  EXPECT_EQ(image::readInt(data.bytes(), 4356), 1);

  GameInfoRecord game;
  game.set(game_info::TcDir, "TCGAME", 1);
  EXPECT_EQ(image::readText(game.bytes(), 12165, 13), "TCGAME");
  // Connect texts are indexed by connection type from the serial one.
  EXPECT_EQ(game_info::KahnConnectCommand.offset, game_info::SerialConnectCommand.offset + 3 * 51);
  EXPECT_EQ(game_info::InternetServerCommand.offset,
            game_info::SerialConnectCommand.offset + 6 * 51);
}

TEST(RecordLayout, TextWritesStopOneByteShortAndReadsStopAtTheFieldEnd) {
  GameInfoRecord game;
  fill(game, 'B');
  game.set(game_info::GameName, std::string(25, 'A'));
  EXPECT_EQ(game.get(game_info::GameName), std::string(19, 'A'));
  EXPECT_EQ(game.bytes()[19], 0);
  EXPECT_EQ(game.bytes()[20], 'B');  // GameDir untouched

  // A name that fills its array without a NUL reads as exactly the array.
  std::memset(game.bytes().data(), 'A', 20);
  EXPECT_EQ(game.get(game_info::GameName), std::string(20, 'A'));

  // A shorter text clears the old tail of the field.
  game.set(game_info::GameName, "Quake");
  EXPECT_EQ(game.get(game_info::GameName), "Quake");
  for (size_t i = 5; i < 20; ++i) EXPECT_EQ(game.bytes()[i], 0) << "byte " << i;

  // Fixed characters fill the whole field and read back without a terminator.
  GameDataRecord data;
  fill(data, 0xEE);
  data.set(game_data::WeaponOrder, "3457860291");
  EXPECT_EQ(data.get(game_data::WeaponOrder), "3457860291");
  EXPECT_EQ(data.bytes()[4293], 0xEE);  // VideoModeIndex untouched
}

TEST(RecordLayout, WritingOneFieldLeavesItsNeighboursAlone) {
  UnivInfoRecord univ;
  fill(univ, 0xEE);
  univ.set(univ_info::ModemString, "ATZ", 1);
  EXPECT_EQ(univ.bytes()[6654 + 63], 0xEE);  // end of entry 0
  EXPECT_EQ(univ.bytes()[6782], 0xEE);       // start of entry 2
  univ.set(univ_info::ComPort, 2);
  EXPECT_EQ(univ.bytes()[6929], 0xEE);  // end of BaudRate
  EXPECT_EQ(univ.bytes()[6931], 0xEE);  // start of Uart8250
  univ.set(univ_info::AutoTextTab, 1);
  EXPECT_EQ(univ.get(univ_info::FileManagerMode), 0xEE);

  GameDataRecord data;
  fill(data, 0xEE);
  data.set(game_data::ExtraOptions, std::string(200, 'x'));
  EXPECT_EQ(data.get(game_data::ExtraOptions).size(), 127u);
  EXPECT_EQ(data.bytes()[3138], 0xEE);  // end of WorkDir[3]
  EXPECT_EQ(data.bytes()[3267], 0xEE);  // ConfigFileName[0]
  data.set(game_data::SoundOption, 1, 2);
  EXPECT_EQ(data.get(game_data::SoundOption, 1), int32_t(0xEEEEEEEE));
  EXPECT_EQ(data.get(game_data::SoundOption, 3), int32_t(0xEEEEEEEE));
}

// Writes a value into every field of a table, then checks that every byte no field covers
// still holds the pattern it was loaded with.
template <class Rec, size_t N>
void expectUnnamedBytesSurvive(const std::array<FieldInfo, N>& table) {
  std::vector<uint8_t> source(Rec::kSize);
  for (size_t i = 0; i < source.size(); ++i) source[i] = uint8_t(i * 7 + 3);
  Rec r = Rec::fromBytes(source);
  std::vector<bool> named(Rec::kSize, false);
  for (const FieldInfo& f : table) {
    for (size_t i = f.offset; i < f.end(); ++i) named[i] = true;
    for (size_t k = 0; k < f.count; ++k) {
      size_t at = f.offset + k * f.size;
      if (f.kind == FieldKind::kText)
        image::writeText(r.bytes(), at, f.size, "x");
      else
        std::memset(r.bytes().data() + at, 0x5A, f.size);
    }
  }
  Rec copy = Rec::fromBytes(r.bytes());
  EXPECT_EQ(copy, r);
  size_t unnamed = 0;
  for (size_t i = 0; i < Rec::kSize; ++i) {
    if (named[i]) continue;
    ++unnamed;
    ASSERT_EQ(copy.bytes()[i], source[i]) << "byte " << i;
  }
  EXPECT_GT(unnamed, 0u);
}

TEST(RecordLayout, UnnamedBytesSurviveARoundTrip) {
  expectUnnamedBytesSurvive<GameInfoRecord>(game_info::kFields);
  expectUnnamedBytesSurvive<UnivInfoRecord>(univ_info::kFields);
  expectUnnamedBytesSurvive<GameDataRecord>(game_data::kFields);
}

TEST(RecordLayout, ShortImagesAreZeroFilled) {
  std::vector<uint8_t> part(100, 0xAB);
  GameDataRecord data = GameDataRecord::fromBytes(part);
  EXPECT_EQ(data.bytes()[99], 0xAB);
  EXPECT_EQ(data.bytes()[100], 0);
  EXPECT_NE(data.get(game_data::Marker), kValidMarker);
}

template <size_t N>
void expectUniqueNames(const std::array<FieldInfo, N>& table) {
  std::set<std::string_view> seen;
  for (const FieldInfo& f : table) EXPECT_TRUE(seen.insert(f.name).second) << f.name;
}

TEST(RecordLayout, TablesNameEachFieldOnceAndFindThemByName) {
  expectUniqueNames(game_info::kFields);
  expectUniqueNames(univ_info::kFields);
  expectUniqueNames(game_data::kFields);

  auto slot = findField(univ_info::kFields, "CurrentSlot");
  ASSERT_TRUE(slot.has_value());
  EXPECT_EQ(slot->offset, 7281u);
  EXPECT_EQ(slot->kind, FieldKind::kInt);
  auto names = findField(univ_info::kFields, "PlayerNameList");
  ASSERT_TRUE(names.has_value());
  EXPECT_EQ(names->size * names->count, 210u);
  EXPECT_FALSE(findField(game_data::kFields, "NoSuchField").has_value());
}

}  // namespace
}  // namespace catalogue
