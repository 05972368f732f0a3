// my_atoi with any bytes and any radix, against the plain Horner loop and,
// for short decimal strings, against std::from_chars.
#include <charconv>
#include <cstdint>
#include <memory>

#include "conversions.h"
#include "fuzz_input.h"
#include "model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzInput in{data, size};
  const auto radix = in.take<std::int32_t>();
  // Exactly the string and its 0 byte on the heap: reading past is a report.
  auto str = std::make_unique<char[]>(in.size + 1);
  std::memcpy(str.get(), in.data, in.size);
  str[in.size] = 0;
  const std::size_t len = std::strlen(str.get());

  const std::uint32_t got = conversions::my_atoi(str.get(), radix);
  FUZZ_CHECK(got == model::my_atoi(str.get(), radix));

  bool decimal = len > 0 && len <= 9;
  for (std::size_t i = 0; i < len; ++i) {
    decimal = decimal && str[i] >= '0' && str[i] <= '9';
  }
  if (decimal && radix == 10) {
    std::uint32_t value = 0;
    std::from_chars(str.get(), str.get() + len, value);
    FUZZ_CHECK(got == value);
  }
  return 0;
}
