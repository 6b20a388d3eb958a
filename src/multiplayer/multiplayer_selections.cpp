#include "multiplayer/multiplayer_selections.h"
