// The endpoint by which copies of the program on a network find each other and start a game
// together. The multiplayer selections open it while multiplayer mode and automatic launching
// are on, and close it otherwise.
#pragma once

namespace multiplayer {

class Coordination {
 public:
  virtual ~Coordination() = default;
  virtual bool exists() const = 0;
  // Made while multiplayer mode and automatic launching are on, and destroyed otherwise.
  virtual void create() = 0;
  virtual void destroy() = 0;
};

}  // namespace multiplayer
