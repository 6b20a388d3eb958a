// Any bytes as what a stream connection delivers: the messages read back are the stream's
// frames, framed again they give the bytes taken, none is over the limit, and they do not
// depend on how the stream was cut into pieces. A message read as a hello is one written so.
//
// Input: one byte giving the piece size (1 to 256), then the stream.
// Seeds (fuzz/corpus/stream_frames/): what a connection carried in the tests: a hello and
// 312-byte map blocks, and one cut short.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/stream_frames.h"

namespace {

namespace frames = platform::frames;
using Next = frames::FrameReader::Next;

// Every whole message of `stream` fed in pieces of `piece` bytes, and how the reader ended.
Next readAll(std::span<const uint8_t> stream, size_t piece,
             std::vector<std::vector<uint8_t>>& messages) {
  frames::FrameReader reader;
  std::vector<uint8_t> message;
  Next last = Next::kIncomplete;
  for (size_t at = 0; at < stream.size(); at += piece) {
    reader.append(stream.subspan(at, std::min(piece, stream.size() - at)));
    while ((last = reader.next(message)) == Next::kMessage) messages.push_back(message);
  }
  return last;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t piece = size_t(data[0]) + 1;
  const std::span<const uint8_t> stream(data + 1, size - 1);

  std::vector<std::vector<uint8_t>> inPieces, whole;
  const Next endInPieces = readAll(stream, piece, inPieces);
  const Next endWhole = readAll(stream, stream.size() + 1, whole);
  if (inPieces != whole || (!stream.empty() && endInPieces != endWhole)) __builtin_trap();

  std::vector<uint8_t> again;
  for (const auto& message : whole) {
    if (message.size() > frames::kMaxMessage) __builtin_trap();
    const auto framed = frames::frame(message);
    again.insert(again.end(), framed.begin(), framed.end());
    if (const auto socket = frames::readHello(message)) {
      if (frames::hello(*socket) != message) __builtin_trap();
    }
  }
  if (again.size() > stream.size() || !std::equal(again.begin(), again.end(), stream.begin()))
    __builtin_trap();
  return 0;
}
