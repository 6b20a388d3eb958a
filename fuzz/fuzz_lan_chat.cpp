// Any bytes as a chat line arriving on the coordination socket, taken by every receiver a copy
// has: the idle listener, the server's dialog and the client's dialog in both phases
// (lan_copies.h says what each must keep to).
//
// Input: the datagram; receivers take at most 400 bytes of one.
// Seeds (fuzz/corpus/lan_chat/): a client's line to its server and the server's relay of it; the
// images the writers of lan/datagrams.h made, kept as they are.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "lan_copies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lanfuzz::receiveEverywhere({data, std::min<size_t>(size, lan::AnnouncementTag::kSize)});
  return 0;
}
