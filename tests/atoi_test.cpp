#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "conversions.h"

namespace {

struct AtoiCase {
  const char* str;
  std::int32_t radix;
  std::uint32_t expected;
};

TEST(MyAtoi, Table) {
  const std::string forty_ones(40, '1');
  const AtoiCase kCases[] = {
      {"123", 10, 123},
      {"0000000123", 10, 123},
      {"0", 10, 0},
      {"101", 2, 5},
      {"1:", 16, 26},
      {"??", 16, 255},
      {"0S", 36, 35},
      {"4294967295", 10, 4294967295},
      {"4294967296", 10, 0},            // wraps
      {"99999999999", 10, 1215752191},  // wraps
      {"ff", 16, 918},                  // 'f' counts as 54
      {"-12", 10, 4294967008},          // '-' counts as -3
      {" 12", 10, 4294965708},          // ' ' counts as -16
      {"\xB0"
       "1",
       10, 4294966017},          // 0xB0 counts as -128, signed char or not
      {"\x80", 10, 4294967120},  // -128 - 48
      {"\xFF", 10, 4294967247},  // -1 - 48
      {"\x7F", 10, 79},
      // Bytes just outside '0'..'9' at the end of a word of eight and of
      // sixteen: the word paths must hand them to the plain loop.
      {"0000000/", 10, 4294967295},
      {"000000000000000/", 10, 4294967295},
      {"000000000000000:", 10, 10},
      {forty_ones.c_str(), 2, 4294967295},  // 2^40 - 1 modulo 2^32
      // Null and empty read as 0, so a width-0 string round-trips.
      {nullptr, 10, 0},
      {"", 10, 0},
      {"", 0, 0},
      // Any radix is the multiplier modulo 2^32.
      {"11", -1, 0},
      {"12", -10, 4294967288},
      {"10", INT_MIN, 2147483648},
      {"100", 65536, 0},
      {"123", 0, 3},
      {"7", 1, 7},
      {"1111", 1, 4},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(conversions::my_atoi(c.str, c.radix), c.expected)
        << "str " << (c.str ? c.str : "(null)") << " radix " << c.radix;
  }
}

// Every digit string my_itoa makes from a value of 0 or more, in radixes 2 to
// 80, reads back through my_atoi; one digit short fails.
TEST(RoundTrip, EveryRadixBoundaryValueAndWidth) {
  for (std::int32_t radix = 2; radix <= 80; ++radix) {
    std::vector<std::int32_t> values = {0, 1, INT_MAX};
    for (std::int64_t p = radix; p <= INT_MAX; p *= radix) {
      values.push_back(static_cast<std::int32_t>(p - 1));
      if (p <= INT_MAX) values.push_back(static_cast<std::int32_t>(p));
    }
    for (const std::int32_t v : values) {
      std::int32_t digits = 0;
      for (std::int64_t rest = v; rest > 0; rest /= radix) ++digits;
      char buf[48];
      if (digits > 0) {
        EXPECT_EQ(conversions::my_itoa(v, buf, digits - 1, radix), nullptr)
            << v << " radix " << radix;
      }
      for (std::int32_t width = digits; width <= digits + 3; ++width) {
        ASSERT_EQ(conversions::my_itoa(v, buf, width, radix), buf)
            << v << " radix " << radix << " width " << width;
        EXPECT_EQ(std::strlen(buf), static_cast<std::size_t>(width));
        EXPECT_EQ(conversions::my_atoi(buf, radix),
                  static_cast<std::uint32_t>(v))
            << v << " radix " << radix << " width " << width;
      }
    }
  }
}

}  // namespace
