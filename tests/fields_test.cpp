// to_chars_fixed and from_chars_fixed against std::to_chars and
// std::from_chars (fields_oracle.h), for every integer type, base 2..36 and
// width 0 to the type's digits + 2; and both in constant evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "conversions.h"
#include "fields_oracle.h"

namespace {

template <class T>
class Fields : public testing::Test {};
using Types = testing::Types<char, signed char, unsigned char, short,
                             unsigned short, int, unsigned, long, unsigned long,
                             long long, unsigned long long>;
TYPED_TEST_SUITE(Fields, Types);

// 0, 1, min, max, each power of the base and one less, their negatives, and
// values of random size.
template <class T>
std::vector<T> values(int base) {
  using L = std::numeric_limits<T>;
  std::vector<T> v = {0, 1, L::min(), L::max(), static_cast<T>(L::min() + 1)};
  for (T p = 1; p <= L::max() / static_cast<T>(base);) {
    p = static_cast<T>(p * static_cast<T>(base));
    v.insert(v.end(), {p, static_cast<T>(p - 1), static_cast<T>(0 - p),
                       static_cast<T>(1 - p)});
  }
  std::mt19937_64 rng(static_cast<unsigned>(base));
  for (int k = 0; k < 8; ++k) v.push_back(static_cast<T>(rng() >> rng() % 64));
  return v;
}

// The text of v in base, and the longest text of T.
template <class T>
std::string text(T v, int base) {
  char s[72];
  return std::string(s, std::to_chars(s, s + sizeof s, v, base).ptr);
}
template <class T>
std::size_t longest(int base) {
  using L = std::numeric_limits<T>;
  return std::max(text(L::min(), base).size(), text(L::max(), base).size());
}

TYPED_TEST(Fields, ToCharsFixedIsStdToCharsPaddedAndReadsBack) {
  using T = TypeParam;
  constexpr std::size_t kGuard = 8;  // sentinel bytes either side
  int failures = 0;
  for (int base = 2; base <= 36; ++base) {
    for (const T v : values<T>(base)) {
      for (std::size_t w = 0; w <= longest<T>(base) + 2; ++w) {
        std::array<char, 2 * kGuard + 72> got, want;
        got.fill('#');
        want.fill('#');
        char* first = got.data() + kGuard;
        const auto field = oracle::field(v, w, base);
        if (field) field->copy(want.data() + kGuard, w);
        const auto r = oracle::fixed_write(first, first + w, v, base);
        std::string caps(first, w);
        for (char& c : caps) c = static_cast<char>(std::toupper(c));
        const oracle::Read<T> back{static_cast<std::ptrdiff_t>(w), {}, v};
        if (r.ptr == first + w && got == want &&
            r.ec == (field ? std::errc{} : std::errc::value_too_large) &&
            (!field ||
             (oracle::fixed_read<T>(first, first + w, base, 0) == back &&
              oracle::fixed_read<T>(caps.data(), caps.data() + w, base, 0) ==
                  back))) {
          continue;
        }
        ADD_FAILURE() << "value " << +v << " base " << base << " width " << w
                      << ": \"" << std::string(got.begin(), got.end()) << '"';
        if (++failures == 10) return;
      }
    }
  }
}

// |s| + base^k in base, from s's digits.
std::string add_power(std::string s, int base, std::size_t k) {
  const std::string digits = "0123456789abcdefghijklmnopqrstuvwxyz";
  const auto b = static_cast<std::size_t>(base);
  for (std::size_t i = s.size() - k; i-- > 0 && s[i] != '-';) {
    const std::size_t d = digits.find(s[i]) + 1;
    s[i] = digits[d % b];
    if (d < b) return s;
  }
  s.insert(s.begin() + (s[0] == '-' ? 1 : 0), '1');
  return s;
}

// Every width of the base's top digit, of '-' and it, and of max + base^k and
// min - base^k (past each digit of a multi-word check) zero-padded; alone and
// with a bad character at each position (every one of them for the top
// digits, one for the others).
TYPED_TEST(Fields, FromCharsFixedIsStdFromCharsOnTheWholeRange) {
  using T = TypeParam;
  using L = std::numeric_limits<T>;
  int failures = 0;
  // Whether from_chars_fixed agrees; false at the tenth mismatch.
  const auto same = [&failures](const std::string& s, int base) {
    const char* end = s.data() + s.size();
    if (oracle::fixed_read<T>(s.data(), end, base, 42) ==
        oracle::read<T>(s.data(), end, base, 42)) {
      return true;
    }
    ADD_FAILURE() << '"' << s << "\" base " << base;
    return ++failures < 10;
  };
  for (int base = 2; base <= 36; ++base) {
    std::string bad("/:@[`{- \0\x80\xb0\xe1", 12);
    if (base < 36) {  // the first letter past the base's digits, both cases
      bad += text(base, 36);
      bad += static_cast<char>(std::toupper(bad.back()));
    }
    const char top = text(base - 1, 36)[0];
    std::vector<std::string> past = {"-1"};
    for (const std::string& edge :
         {text(L::max(), base), text(L::min(), base)}) {
      const std::size_t n = edge.size() - (edge[0] == '-' ? 1 : 0);
      for (std::size_t k = 0; k < n; ++k) {
        past.push_back(add_power(edge, base, k));
      }
    }
    for (std::size_t w = 0; w <= longest<T>(base) + 2; ++w) {
      std::vector<std::string> tried = {std::string(w, top),
                                        std::string("-").append(w, top)};
      for (const std::string& p : past) {
        const std::size_t sign = p[0] == '-' ? 1 : 0;
        if (w >= p.size()) {
          tried.push_back(p.substr(0, sign) + std::string(w - p.size(), '0') +
                          p.substr(sign));
        }
      }
      for (std::string& t : tried) {
        if (!same(t, base)) return;
        for (std::size_t i = 0; i < t.size(); ++i) {
          const char kept = t[i];
          for (std::size_t k = 0; k < bad.size(); ++k) {
            if (&t != &tried.front() && k != i % bad.size()) continue;
            t[i] = bad[k];
            if (!same(t, base)) return;
          }
          t[i] = kept;
        }
      }
    }
  }
}

TYPED_TEST(Fields, BadBaseOrReversedRangeChangesNothing) {
  using T = TypeParam;
  char field[] = "7777";
  const oracle::Read<T> kept{0, std::errc::invalid_argument, 5};
  for (const int base : {INT_MIN, -10, 0, 1, 37, 64, INT_MAX}) {
    const auto w = conversions::to_chars_fixed(field, field + 4, T{1}, base);
    EXPECT_TRUE(w.ptr == field && w.ec == kept.ec) << base;
    EXPECT_EQ(oracle::fixed_read<T>(field, field + 4, base, 5), kept) << base;
  }
  const auto w = conversions::to_chars_fixed(field + 4, field, T{1});
  EXPECT_TRUE(w.ptr == field + 4 && w.ec == kept.ec);
  EXPECT_STREQ(field, "7777");
}

#if defined(__cpp_lib_is_constant_evaluated)
// In constant evaluation: v written as text into a field of its length, and
// read back.
template <class T, std::size_t N>
constexpr bool constant_round_trip(T v, int base, const char (&text)[N]) {
  std::array<char, N - 1> field{};
  char* const end = field.data() + field.size();
  const auto w = conversions::to_chars_fixed(field.data(), end, v, base);
  T back{};
  const auto r = conversions::from_chars_fixed(field.data(), end, back, base);
  return w.ec == std::errc{} && r.ec == std::errc{} && r.ptr == end &&
         back == v && std::equal(field.begin(), field.end(), text);
}
static_assert(constant_round_trip<std::uint32_t>(4294967295, 10,
                                                 "004294967295"));
static_assert(constant_round_trip<std::int32_t>(-12345, 10, "-0000012345"));
static_assert(constant_round_trip<std::uint64_t>(0xfedcba9876543210, 16,
                                                 "fedcba9876543210"));
static_assert(constant_round_trip<std::int64_t>(-0xbeef, 16, "-000beef"));
static_assert(constant_round_trip<unsigned short>(65535, 36, "01ekf"));
static_assert(constant_round_trip<signed char>(-128, 36, "-03k"));

// The errors, too: a value too large leaves the field; a bad character or
// an out-of-range number leaves the value.
constexpr bool constant_errors() {
  char field[] = {'a', 'b', 'c'};
  const auto w = conversions::to_chars_fixed(field, field + 3, 1000u);
  int v = 7;
  const char text[] = "12x4", big[] = "-2147483649", upper[] = "7FfF";
  const auto x = conversions::from_chars_fixed(text, text + 4, v);
  const auto o = conversions::from_chars_fixed(big, big + 11, v);
  const bool kept = v == 7 && field[0] == 'a' && field[2] == 'c';
  const auto u = conversions::from_chars_fixed(upper, upper + 4, v, 16);
  return kept && w.ec == std::errc::value_too_large && x.ptr == text + 2 &&
         x.ec == std::errc::invalid_argument &&
         o.ec == std::errc::result_out_of_range && u.ec == std::errc{} &&
         v == 0x7fff;
}
static_assert(constant_errors());
#endif

}  // namespace
