// The main view's multiplayer selections of the current game: number of players, player name,
// communication type, socket number, AI players, and which of them the view shows.
#pragma once

namespace multiplayer {}  // namespace multiplayer
