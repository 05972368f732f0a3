// The fast paths against the plain algorithms of tests/model.h: the same
// result and every byte of a guarded buffer the same, over boundary and
// random inputs.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "conversions.h"
#include "model.h"

namespace {

std::vector<std::int32_t> radixes() {
  std::vector<std::int32_t> r;
  for (std::int32_t k = -3; k <= 300; ++k) r.push_back(k);
  for (std::int32_t k = 0; k < 4; ++k) {
    r.push_back(INT_MAX - k);
    r.push_back(INT_MIN + k);
  }
  return r;
}

// Boundary values for this radix (r^k - 1, r^k), the extremes and a few
// random ones.
std::vector<std::int32_t> values(std::int32_t radix, std::mt19937& rng) {
  std::vector<std::int32_t> v = {0,           1,  2,  INT_MAX,
                                 INT_MAX - 1, -1, -5, INT_MIN};
  if (radix >= 2) {
    for (std::int64_t p = radix; p <= INT_MAX; p *= radix) {
      v.push_back(static_cast<std::int32_t>(p - 1));
      v.push_back(static_cast<std::int32_t>(p));
    }
  }
  std::uniform_int_distribution<std::int32_t> any(INT_MIN, INT_MAX);
  for (int k = 0; k < 4; ++k) v.push_back(any(rng));
  return v;
}

TEST(Differential, MyItoaMatchesModelByteForByte) {
  std::mt19937 rng(2024);
  constexpr std::size_t kGuard = 8;
  int mismatches = 0;
  for (const std::int32_t radix : radixes()) {
    for (const std::int32_t a : values(radix, rng)) {
      for (std::int32_t width = -3; width <= 40; ++width) {
        std::array<char, 2 * kGuard + 41> got, want;
        got.fill('#');
        want.fill('#');
        const char* r =
            conversions::my_itoa(a, got.data() + kGuard, width, radix);
        const char* m = model::my_itoa(a, want.data() + kGuard, width, radix);
        if ((r == nullptr) != (m == nullptr) || got != want) {
          ADD_FAILURE() << "a=" << a << " width=" << width
                        << " radix=" << radix;
          if (++mismatches == 10) return;
        }
      }
    }
  }
}

// Digit strings, strings with one stray byte at each place (the eight-digit
// steps must fall back), and random bytes, including those of 128 and up.
std::vector<std::string> strings(std::mt19937& rng) {
  std::vector<std::string> s = {"", "0", "4294967295", "4294967296",
                                "99999999999999999999"};
  std::uniform_int_distribution<int> digit('0', '9');
  std::uniform_int_distribution<int> byte(1, 255);
  for (std::size_t len = 1; len <= 40; ++len) {
    std::string d;
    for (std::size_t k = 0; k < len; ++k) d += static_cast<char>(digit(rng));
    s.push_back(d);
    for (const char stray : {'/', ':', ' ', '\x80', '\xff', 'f'}) {
      std::string t = d;
      t[static_cast<std::size_t>(byte(rng)) % len] = stray;
      s.push_back(t);
    }
    std::string r;
    for (std::size_t k = 0; k < len; ++k) r += static_cast<char>(byte(rng));
    s.push_back(r);
  }
  // A stray at every place up to 40 digits, so that every word and single
  // digit of the decimal paths meets one; the bytes sit either side of the
  // digit check's boundaries.
  for (std::size_t len = 1; len <= 40; ++len) {
    for (std::size_t at = 0; at < len; ++at) {
      for (const char stray : {'/', ':', '\xaf', '\xb0', '\xb9', '\xba'}) {
        std::string t(len, '7');
        t[at] = stray;
        s.push_back(t);
      }
    }
  }
  return s;
}

TEST(Differential, MyAtoiMatchesModel) {
  std::mt19937 rng(7);
  int mismatches = 0;
  const auto all = strings(rng);
  for (const std::int32_t radix : radixes()) {
    for (const auto& str : all) {
      if (conversions::my_atoi(str.c_str(), radix) !=
          model::my_atoi(str.c_str(), radix)) {
        ADD_FAILURE() << "str=\"" << str << "\" radix=" << radix;
        if (++mismatches == 10) return;
      }
    }
  }
}

TEST(Differential, ReverseCharMatchesModel) {
  for (std::uint32_t len = 0; len <= 100; ++len) {
    std::string got(120, '#'), want(120, '#');
    for (std::uint32_t k = 0; k < len; ++k) {
      got[k] = want[k] = static_cast<char>('!' + k);
    }
    conversions::reverse_char(got.data(), len);
    model::reverse_char(want.data(), len);
    EXPECT_EQ(got, want) << "len " << len;
  }
}

}  // namespace
