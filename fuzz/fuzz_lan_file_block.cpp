// Any stream as the blocks of a map arriving at a client's download: never more than the
// announced size is written, and the map's name holds a file only when all of it came; an
// interrupted, short, overlong or foreign stream leaves no file behind.
//
// Input: two bytes (little-endian) with the announced size, then the messages the server
// sends, each ended by the separator kNextMessage (the last by the input's end); the stream
// closes after the last.
// Seeds (fuzz/corpus/lan_file_block/): the blocks a server sent for maps of 700, 512 and 0
// bytes, and for 700 bytes with the connection lost after the first block.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "input_parts.h"
#include "lan_copies.h"

namespace {

constexpr uint8_t kNextMessage[] = {0, 'Q', 'F', '9', '5', '-', 'B', 'L', 'O', 'C', 'K', 0};
constexpr const char* kMap = "D:\\GAMES\\DUKE3D\\maps\\NEW.MAP";
constexpr const char* kScratch = "D:\\GAMES\\DUKE3D\\maps\\QF95DL.TMP";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint32_t announced = uint32_t(data[0] | data[1] << 8);
  std::span<const uint8_t> rest(data + 2, size - 2);

  lanfuzz::Network net;
  lanfuzz::Copy& client = net.client;
  lan::Announcement a = net.server.socket->announcement();
  a.set(lan::announcement::LaunchFile, "NEW.MAP");
  a.set(lan::announcement::LaunchFileSize, int32_t(announced));
  a.set(lan::announcement::LaunchFileTime, 1000000000);
  if (client.socket->hear(a.bytes()) != lan::LanSocket::Heard::kDownload) __builtin_trap();
  auto download = client.socket->startDownload();
  std::string error;
  auto stream = net.server.network.connectStream(
      lan::streamAddress(client.network.address(lan::kCoordinationSocket)), error);
  if (!download || !stream) __builtin_trap();

  const auto check = [&] {
    const auto scratch = client.fs.stat(kScratch);
    if (scratch && scratch->size > announced) __builtin_trap();
    const bool done = download->result() == lan::DownloadDialog::Result::kDone;
    if (client.fs.exists(kMap) != done) __builtin_trap();
    if (done && (scratch || client.fs.stat(kMap)->size != announced ||
                 client.fs.modificationTime(kMap) != 1000000000))
      __builtin_trap();
  };
  while (!rest.empty()) {
    const size_t end = fuzzinput::find(rest, kNextMessage);
    stream->send(rest.subspan(0, end));
    rest = rest.subspan(std::min(rest.size(), end + sizeof kNextMessage));
    download->poll();
    check();
  }
  stream.reset();
  for (int i = 0; i < 4; ++i) download->poll();
  check();
  if (download->result() == lan::DownloadDialog::Result::kRunning) __builtin_trap();
  const bool whole = download->result() == lan::DownloadDialog::Result::kDone;
  download.reset();
  if (client.fs.exists(kScratch) || client.fs.exists(kMap) != whole) __builtin_trap();
  return 0;
}
