// The IPX network's server as the player chooses it in "Auto DeathMatch Launch Options": kept
// beside the records for the next start, refused texts leaving the server in use, and the
// environment's server greyed in the dialog.
#include "multiplayer/ipx_server_choice.h"

#include <gtest/gtest.h>

#include "catalogue/default_univ_info.h"
#include "multiplayer/auto_launch_options_dialog.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_network.h"

namespace {

using multiplayer::AutoLaunchOptionsDialog;
using multiplayer::IpxServerChoice;

constexpr const char* kStartup = "C:\\QF95\\";
constexpr const char* kStored = "C:\\QF95\\Quillfen.Ipx";

class IpxServerChoiceTest : public ::testing::Test {
 protected:
  IpxServerChoiceTest() { fs.createDirectory("C:\\QF95"); }
  std::string stored() {
    const auto bytes = fs.readWhole(kStored);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(none)";
  }

  platform::FakeFileSystem fs;
  platform::FakeNetwork network;
  catalogue::UnivInfoRecord univ = catalogue::defaultUnivInfo();
};

TEST_F(IpxServerChoiceTest, AChosenServerIsUsedAtOnceAndAgainAtTheNextStart) {
  IpxServerChoice choice(network, fs, kStartup);
  choice.applyStored();  // nothing stored yet: the default stays
  EXPECT_EQ(network.ipxServerText, "127.0.0.1:21300");
  EXPECT_TRUE(choice.problem().empty());

  AutoLaunchOptionsDialog dialog(univ, &choice);
  EXPECT_EQ(dialog.field(AutoLaunchOptionsDialog::kIpxServer), "127.0.0.1:21300");
  EXPECT_TRUE(dialog.enabled(AutoLaunchOptionsDialog::kIpxServer));
  ASSERT_TRUE(dialog.setField(AutoLaunchOptionsDialog::kIpxServer, "192.168.1.5:3000"));
  EXPECT_TRUE(dialog.ok());
  EXPECT_EQ(network.ipxServerText, "192.168.1.5:3000");
  EXPECT_EQ(stored(), "192.168.1.5:3000\r\n");

  platform::FakeNetwork nextStart;
  IpxServerChoice again(nextStart, fs, kStartup);
  again.applyStored();
  EXPECT_EQ(nextStart.ipxServerText, "192.168.1.5:3000");
}

TEST_F(IpxServerChoiceTest, ARefusedServerChangesNothingButTheRestIsStored) {
  IpxServerChoice choice(network, fs, kStartup);
  AutoLaunchOptionsDialog dialog(univ, &choice);
  dialog.setField("Never launch as server", "on");
  dialog.setField(AutoLaunchOptionsDialog::kIpxServer, "not a host");
  EXPECT_FALSE(dialog.ok());
  EXPECT_FALSE(dialog.ipxServerError().empty());
  EXPECT_EQ(univ.get(catalogue::univ_info::NeverServer), 1);
  EXPECT_EQ(network.ipxServerText, "127.0.0.1:21300");
  EXPECT_EQ(stored(), "(none)");

  // A file that cannot be written: the server in use goes back to the one before.
  fs.failReplace(kStored);
  std::string error;
  EXPECT_FALSE(choice.choose("10.0.0.9", error));
  EXPECT_NE(error.find(kStored), std::string::npos);
  EXPECT_EQ(network.ipxServerText, "127.0.0.1:21300");

  // An overlong line, stored by hand, is not handed to the network.
  fs.putFile("C:\\QF95\\Quillfen.Ipx", std::string(200, 'a') + "\r\n");
  choice.applyStored();
  EXPECT_NE(choice.problem().find("Quillfen.Ipx"), std::string::npos);
  EXPECT_EQ(network.ipxServerText, "127.0.0.1:21300");
}

TEST_F(IpxServerChoiceTest, TheEnvironmentsServerIsShownGreyedAndNeverReplaced) {
  network.ipxServerFixed = true;
  network.ipxServerText = "10.1.1.1:213";
  fs.putFile(kStored, "192.168.1.5:3000\r\n");
  IpxServerChoice choice(network, fs, kStartup);
  choice.applyStored();
  EXPECT_EQ(network.ipxServerText, "10.1.1.1:213");
  AutoLaunchOptionsDialog dialog(univ, &choice);
  EXPECT_EQ(dialog.field(AutoLaunchOptionsDialog::kIpxServer), "10.1.1.1:213");
  EXPECT_FALSE(dialog.enabled(AutoLaunchOptionsDialog::kIpxServer));
  EXPECT_FALSE(dialog.setField(AutoLaunchOptionsDialog::kIpxServer, "10.0.0.2"));
  EXPECT_TRUE(dialog.ok());
  EXPECT_EQ(stored(), "192.168.1.5:3000\r\n");
}

}  // namespace
