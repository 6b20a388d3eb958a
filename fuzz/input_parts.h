// Several files and choices inside one fuzzer input.
//
// unpack(): a game file of twenty definitions is 245,100 bytes, nearly all of them zero, and an
// input is at most 64 KB, so the targets that take such files read them packed;
// tools/make_fuzz_seeds.py packs the real files into the seeds. An op byte below 0x80 is
// followed by op + 1 bytes taken as they are (a literal cut by the end of the input keeps what
// there is); an op byte from 0x80 up stands for op - 0x7F zero bytes. Every byte of a literal
// maps to one byte of the file, so the fuzzer's byte mutations stay byte mutations of the file.
// find(): cuts an input into files at a separator.
// checksum(): picks a share of the inputs for an expensive path so that every mutation draws
// again (a switch bit would stay set in the mutations of an input that has it).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace fuzzinput {

// The file packed in `packed`, at most `limit` bytes of it, sized first and made in one piece.
// Not instrumented for coverage: how an input is cut up is no behaviour of the program.
__attribute__((no_sanitize("coverage"))) inline std::vector<uint8_t> unpack(
    std::span<const uint8_t> packed, size_t limit) {
  const uint8_t* const begin = packed.data();
  const uint8_t* const end = begin + packed.size();
  size_t size = 0;
  for (const uint8_t* p = begin; p < end && size < limit;) {
    const uint8_t op = *p++;
    const size_t run = op >= 0x80 ? size_t(op - 0x7F) : std::min<size_t>(op + 1, end - p);
    if (op < 0x80) p += run;
    size += run;
  }
  std::vector<uint8_t> out(std::min(size, limit));
  size_t at = 0;
  for (const uint8_t* p = begin; p < end && at < out.size();) {
    const uint8_t op = *p++;
    if (op >= 0x80) {
      at += op - 0x7F;
      continue;
    }
    const size_t count = std::min({size_t(op) + 1, size_t(end - p), out.size() - at});
    std::memcpy(out.data() + at, p, count);
    p += count;
    at += count;
  }
  return out;
}

// Where `separator` first occurs in `bytes`, or bytes.size(). A plain loop: the library's
// searches call memcmp, which the fuzzer intercepts and records at every candidate position.
__attribute__((no_sanitize("coverage"))) inline size_t find(std::span<const uint8_t> bytes,
                                                            std::span<const uint8_t> separator) {
  if (separator.empty() || bytes.size() < separator.size()) return bytes.size();
  for (size_t at = 0; at + separator.size() <= bytes.size(); ++at) {
    size_t n = 0;
    while (n < separator.size() && bytes[at + n] == separator[n]) ++n;
    if (n == separator.size()) return at;
  }
  return bytes.size();
}

// FNV-1a of the whole input. Not instrumented: a loop over every byte would only feed the
// fuzzer noise.
__attribute__((no_sanitize("coverage"))) inline uint32_t checksum(const uint8_t* data,
                                                                  size_t size) {
  uint32_t sum = 2166136261u;
  for (size_t i = 0; i < size; ++i) sum = (sum ^ data[i]) * 16777619u;
  return sum;
}

}  // namespace fuzzinput
