#include "multiplayer/network_check.h"

namespace multiplayer {

namespace ui = catalogue::univ_info;

bool startNetworkLayer(platform::Network& network, platform::Prompter& prompter) {
  const platform::NetworkStart start = network.start(platform::kNetworkVersion11);
  if (!start.started) {
    prompter.tell(kNetworkFailedMessage);
    return false;
  }
  network.release();
  return true;
}

void checkCoordinationAtStart(const catalogue::UnivInfoRecord& univ, platform::Network& network,
                              platform::Prompter& prompter, Coordination& coordination) {
  const bool wanted = univ.get(ui::LanStartupCheck) != 0 && univ.get(ui::MultiplayerMode) != 0;
  if (wanted) {
    const platform::NetworkStart start = network.start(platform::kNetworkVersion11);
    if (!start.started) {
      prompter.tell(kNoNetworkMessage);
    } else {
      network.release();
      if (start.version != platform::kNetworkVersion11) {
        prompter.tell(kWrongNetworkMessage);
      } else {
        if (!coordination.exists()) coordination.create();
        return;
      }
    }
  }
  if (coordination.exists()) coordination.destroy();
}

}  // namespace multiplayer
