// The checks of the network layer: at the program's start (no window without it), and when the
// view is set up with multiplayer mode on and the start-up check asked for, before the
// coordination endpoint is opened.
#pragma once

#include "catalogue/univ_info_record.h"
#include "multiplayer/coordination.h"
#include "platform/network.h"
#include "platform/prompter.h"

namespace multiplayer {

inline constexpr const char* kNetworkFailedMessage = "Windows sockets initialization failed.";
inline constexpr const char* kNoNetworkMessage = "Couldn't find a useable Winsock.dll #1";
inline constexpr const char* kWrongNetworkMessage = "Couldn't find a useable Winsock.dll #2";

// The program's start: false (after the message) when the layer does not start.
bool startNetworkLayer(platform::Network& network, platform::Prompter& prompter);

// The view's set-up: with the start-up check on (the settings' word at 7130) and multiplayer
// mode on, the layer must start in version 1.1 exactly; then the endpoint is opened. Otherwise,
// and after either message, an open endpoint is closed.
void checkCoordinationAtStart(const catalogue::UnivInfoRecord& univ, platform::Network& network,
                              platform::Prompter& prompter, Coordination& coordination);

}  // namespace multiplayer
