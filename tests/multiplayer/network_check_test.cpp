// The network layer's checks at the program's start and at the view's set-up.
#include "multiplayer/network_check.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_network.h"
#include "platform/fake/scripted_prompter.h"

namespace {

using namespace multiplayer;
namespace ui = catalogue::univ_info;

struct Endpoint : Coordination {
  bool exists() const override { return isOpen; }
  void create() override { isOpen = true; }
  void destroy() override { isOpen = false; }
  bool isOpen = false;
};

TEST(NetworkCheck, TheProgramDoesNotStartWithoutTheNetworkLayer) {
  platform::FakeNetwork network;
  platform::ScriptedPrompter prompter;
  EXPECT_TRUE(startNetworkLayer(network, prompter));
  EXPECT_EQ(network.asked, platform::kNetworkVersion11);
  EXPECT_EQ(network.releases, 1);
  network.result = {};
  EXPECT_FALSE(startNetworkLayer(network, prompter));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Windows sockets initialization failed."});
}

TEST(NetworkCheck, TheViewsSetUpOpensTheEndpointOnlyWithVersionOneOne) {
  platform::FakeNetwork network;
  platform::ScriptedPrompter prompter;
  catalogue::UnivInfoRecord univ;
  Endpoint endpoint;
  univ.set(ui::MultiplayerMode, 1);
  checkCoordinationAtStart(univ, network, prompter, endpoint);
  EXPECT_FALSE(endpoint.exists());  // the start-up check is off
  EXPECT_EQ(network.starts, 0);

  univ.set(ui::LanStartupCheck, 1);
  checkCoordinationAtStart(univ, network, prompter, endpoint);
  EXPECT_TRUE(endpoint.exists());

  network.result = {true, 0x0202};
  checkCoordinationAtStart(univ, network, prompter, endpoint);
  EXPECT_FALSE(endpoint.exists());
  network.result = {};
  checkCoordinationAtStart(univ, network, prompter, endpoint);
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Couldn't find a useable Winsock.dll #2",
                                                        "Couldn't find a useable Winsock.dll #1"}));
  EXPECT_EQ(network.releases, 2);  // every start that went through
}

}  // namespace
