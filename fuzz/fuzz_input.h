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

// Calls f with a zero of the integer type numbered index (modulo 11): each
// type that std::to_chars takes, but bool.
template <class F>
void with_integer_type(std::uint8_t index, F f) {
  switch (index % 11) {
    case 0: return f(char{});
    case 1: return f(static_cast<signed char>(0));
    case 2: return f(static_cast<unsigned char>(0));
    case 3: return f(short{});
    case 4: return f(static_cast<unsigned short>(0));
    case 5: return f(0);
    case 6: return f(0u);
    case 7: return f(0l);
    case 8: return f(0ul);
    case 9: return f(0ll);
    default: return f(0ull);
  }
}

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
