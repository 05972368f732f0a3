// from_chars_fixed on any bytes, as any integer type, in any base (a few
// outside 2..36), from a heap buffer of exactly those bytes, so that reading
// one byte outside them is an ASan report; against std::from_chars on the
// whole range (fields_oracle.h).
#include <cstdint>
#include <cstring>
#include <memory>

#include "conversions.h"
#include "fields_oracle.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzInput in{data, size};
  const auto type = in.take<std::uint8_t>();
  // Half the inputs take base 10, which has kernels of its own.
  const auto b = in.take<std::uint8_t>();
  const int base = b < 128 ? 10 : b % 40;
  auto buffer = std::make_unique<char[]>(in.size);
  if (in.size > 0) std::memcpy(buffer.get(), in.data, in.size);
  const char* const first = buffer.get();
  const char* const last = first + in.size;

  with_integer_type(type, [&](auto zero) {
    using T = decltype(zero);
    const auto got = oracle::fixed_read<T>(first, last, base, T{42});
    if (base < 2 || base > 36) {
      FUZZ_CHECK(got == (oracle::Read<T>{0, std::errc::invalid_argument, 42}));
    } else {
      FUZZ_CHECK(got == oracle::read<T>(first, last, base, T{42}));
    }
  });
  return 0;
}
