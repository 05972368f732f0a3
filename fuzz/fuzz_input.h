// Takes fixed-size fields off the front of a fuzzer's input.
#ifndef CONVERSIONS_FUZZ_INPUT_H
#define CONVERSIONS_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

struct FuzzInput {
  const std::uint8_t* data;
  std::size_t size;

  template <typename T>
  T take() {
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
  }
};

// A broken invariant is a finding: say which, and abort so libFuzzer keeps
// the input.
#define FUZZ_CHECK(cond)                                     \
  do {                                                       \
    if (!(cond)) {                                           \
      std::fprintf(stderr, "invariant broken: %s\n", #cond); \
      std::abort();                                          \
    }                                                        \
  } while (0)

#endif  // CONVERSIONS_FUZZ_INPUT_H
