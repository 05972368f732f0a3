// A second translation unit in header-only mode: the addresses of what it
// compiled inline, for header_only_test.cpp to compare with its own.
#include <cstdint>

#include "conversions.h"

const void* const* other_tu_addresses() {
  static const void* const addresses[] = {
      reinterpret_cast<const void*>(&conversions::truncate),
      reinterpret_cast<const void*>(&conversions::my_itoa),
      reinterpret_cast<const void*>(&conversions::my_atoi),
      reinterpret_cast<const void*>(&conversions::reverse_char),
      conversions::detail::kDigitPairs.data()};
  return addresses;
}
