// to_chars_fixed with any value, type, width and base (a few outside 2..36)
// into a heap buffer of exactly the field, so that one byte outside it is an
// ASan report: std::to_chars' text padded, or the field untouched; and what
// it wrote reads back.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "conversions.h"
#include "fields_oracle.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzInput in{data, size};
  const auto type = in.take<std::uint8_t>();
  // Half the inputs take the bases with kernels of their own, 10 and 16.
  const auto b = in.take<std::uint8_t>();
  const int base = b < 128 ? (b % 2 == 0 ? 10 : 16) : b % 40;
  const std::size_t width = in.take<std::uint8_t>() % 72;
  const auto bits = in.take<std::uint64_t>();

  constexpr char kFill = static_cast<char>(0xA5);
  auto buffer = std::make_unique<char[]>(width);
  char* const first = buffer.get();
  char* const last = first + width;
  std::memset(first, kFill, width);
  const std::string untouched(width, kFill);

  with_integer_type(type, [&](auto zero) {
    using T = decltype(zero);
    const auto value = static_cast<T>(bits);
    const auto r = conversions::to_chars_fixed(first, last, value, base);
    if (base < 2 || base > 36) {
      FUZZ_CHECK(r.ptr == first && r.ec == std::errc::invalid_argument);
      FUZZ_CHECK(std::string(first, width) == untouched);
      return;
    }
    const auto field = oracle::field(value, width, base);
    FUZZ_CHECK(r.ptr == last);
    FUZZ_CHECK(r.ec == (field ? std::errc{} : std::errc::value_too_large));
    FUZZ_CHECK(std::string(first, width) == field.value_or(untouched));
    if (field) {
      const oracle::Read<T> back{last - first, std::errc{}, value};
      FUZZ_CHECK(oracle::fixed_read<T>(first, last, base, T{0}) == back);
    }
  });
  return 0;
}
