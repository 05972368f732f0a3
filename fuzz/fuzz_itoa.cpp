// my_itoa with any value, width and radix, into a heap buffer of exactly the
// size its contract allows, so that one byte too many is an ASan report.
#include <climits>
#include <cstdint>
#include <memory>

#include "conversions.h"
#include "fuzz_input.h"
#include "model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzInput in{data, size};
  const auto a = in.take<std::int32_t>();
  auto buff_size = in.take<std::int32_t>();
  const auto radix = in.take<std::int32_t>();
  // Keep positive widths allocatable; widths of 0 or less all behave alike.
  if (buff_size > 256) buff_size %= 257;

  const std::size_t capacity =
      buff_size > 0 ? static_cast<std::size_t>(buff_size) + 1 : 1;
  constexpr char kFill = static_cast<char>(0xA5);
  auto got = std::make_unique<char[]>(capacity);
  auto want = std::make_unique<char[]>(capacity);
  std::memset(got.get(), kFill, capacity);
  std::memset(want.get(), kFill, capacity);

  char* result = conversions::my_itoa(a, got.get(), buff_size, radix);
  char* expected = model::my_itoa(a, want.get(), buff_size, radix);

  // Same outcome and the same bytes as the plain digit loop.
  FUZZ_CHECK((result == nullptr) == (expected == nullptr));
  FUZZ_CHECK(result == nullptr || result == got.get());
  FUZZ_CHECK(std::memcmp(got.get(), want.get(), capacity) == 0);

  // The contract in its own terms.
  const bool untouched = got[0] == kFill;
  if (a < 0 || radix < 1) {
    FUZZ_CHECK(result == nullptr && untouched);
  } else if (buff_size <= 0) {
    FUZZ_CHECK((result != nullptr) == (a == 0));
    FUZZ_CHECK(a == 0 ? got[0] == 0 : untouched);
  }
  if (result != nullptr && buff_size > 0) {
    FUZZ_CHECK(got[static_cast<std::size_t>(buff_size)] == 0);
  }
  if (result != nullptr && radix >= 2 && radix <= 80) {
    FUZZ_CHECK(conversions::my_atoi(result, radix) ==
               static_cast<std::uint32_t>(a));
  }
  return 0;
}
