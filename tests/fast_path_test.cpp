// The fast paths are taken wherever they should be. They give the same bytes
// as the plain loops, so no other test sees one quietly stop being taken; in
// this build the library counts the runs of its plain loops instead
// (CONVERSIONS_COUNT_PLAIN_LOOPS).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "conversions.h"

namespace {

template <class Call>
long plain_loops(Call call) {
  const long before = conversions::detail::plain_loops;
  call();
  return conversions::detail::plain_loops - before;
}

TEST(FastPaths, FormattingTakesNoPlainLoopInRadixes10And16) {
  char buf[32];
  for (std::int32_t width = 1; width <= 24; ++width) {
    for (const std::int32_t radix : {10, 16}) {
      EXPECT_EQ(plain_loops([&] {
                  EXPECT_NE(conversions::my_itoa(9, buf, width, radix),
                            nullptr);
                }),
                0)
          << "my_itoa width " << width << " radix " << radix;
    }
    EXPECT_EQ(plain_loops([&] {
                conversions::to_chars_fixed(buf, buf + width, -7, 10);
                conversions::to_chars_fixed(buf, buf + width, 9ull, 10);
                conversions::to_chars_fixed(buf, buf + width, 15u, 16);
                conversions::to_chars_fixed(buf, buf + width, 15ull, 16);
              }),
              0)
        << "to_chars_fixed width " << width;
  }
}

TEST(FastPaths, DecimalParsingTakesNoPlainLoop) {
  for (std::size_t len = 1; len <= 40; ++len) {
    const std::string digits(len, '7');
    EXPECT_EQ(
        plain_loops([&] { (void)conversions::my_atoi(digits.c_str(), 10); }), 0)
        << "my_atoi length " << len;
    if (len > 20) continue;
    const char* first = digits.c_str();
    EXPECT_EQ(plain_loops([&] {
                std::uint64_t wide = 0;
                conversions::from_chars_fixed(first, first + len, wide);
                if (len > 10) return;
                std::uint32_t narrow = 0;
                conversions::from_chars_fixed(first, first + len, narrow);
              }),
              0)
        << "from_chars_fixed length " << len;
  }
}

// The counter itself works: these take the plain loops.
TEST(FastPaths, OtherRadixesTakeThePlainLoops) {
  char buf[8];
  std::uint32_t value = 0;
  EXPECT_EQ(plain_loops([&] { (void)conversions::my_itoa(5, buf, 3, 7); }), 1);
  EXPECT_EQ(plain_loops([&] { (void)conversions::my_atoi("12", 7); }), 1);
  EXPECT_EQ(plain_loops([&] { (void)conversions::my_atoi("1x34", 10); }), 1);
  EXPECT_EQ(plain_loops([&] {
              conversions::to_chars_fixed(buf, buf + 3, 5, 7);
              conversions::from_chars_fixed(buf, buf + 3, value, 7);
            }),
            2);
}

}  // namespace
