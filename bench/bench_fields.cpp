// The field templates per call, with width and base constants at the call
// site as a record's code has them, in header-only mode: to_chars_fixed
// beside header-only my_itoa at the same width and beside std::to_chars into
// a scratch buffer, '0'-padded into the field; from_chars_fixed beside
// std::from_chars on the same known-length range. Every column checks what
// the routine checks: that the value fits, every byte is a digit, no
// overflow.
//
//   bench_fields [google benchmark flags]
//   bench_fields --count CALLS   (for callgrind.sh)
// CONVERSIONS_HEADER_ONLY comes from the conversions::header_only target.
#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>

#include "conversions.h"
#include "harness.h"

namespace {

using bench::g_buffer;
using bench::kInputs;
using bench::kStride;

// Inputs for W digits in base B: values of exactly W digits (up to Top), to
// write; and texts of exactly W characters, zero-padded values that fit, to
// read, kStride bytes apart.
template <class T, int B, int W, T Top = std::numeric_limits<T>::max()>
struct Field {
  static T random(std::mt19937_64& rng, T low, T high) {
    return std::uniform_int_distribution<T>(low, high)(rng);
  }
  static constexpr T kLow = [] {
    T low = 1;
    for (int k = 1; k < W; ++k) low = static_cast<T>(low * B);
    return low;
  }();
  static constexpr T kHigh =
      kLow <= Top / B ? static_cast<T>(kLow * B - 1) : Top;
  static inline const std::vector<T> values = [] {
    std::mt19937_64 rng(W * 37 + B);
    std::vector<T> v(kInputs);
    for (T& x : v) x = random(rng, kLow, kHigh);
    return v;
  }();
  static inline const std::vector<char> texts = [] {
    std::mt19937_64 rng(W * 41 + B);
    std::vector<char> t(kInputs * kStride, 0);
    for (std::size_t i = 0; i < kInputs; ++i) {
      char* s = &t[i * kStride];
      char* end = std::to_chars(s, s + W, random(rng, 0, kHigh), B).ptr;
      std::copy_backward(s, end, s + W);
      std::fill(s, s + W - (end - s), '0');
    }
    return t;
  }();
  static const char* text(std::size_t i) { return &texts[i * kStride]; }
};

// The decimal std::uint32_t table of writes has my_itoa beside it, which
// takes an std::int32_t: its 10-digit values stop at 2^31 - 1.
template <class T, int B, int W>
using WriteInputs =
    std::conditional_t<std::is_same_v<T, std::uint32_t> && B == 10,
                       Field<T, B, W, 0x7fffffff>, Field<T, B, W>>;

// Forced inline into the benchmark's loop, as into a caller's: before the
// constant width folds them, the routines look too big to inline. The peers
// are wrapped alike.
template <class T, int B, int W>
[[gnu::always_inline]] inline std::uintptr_t write_fixed(std::size_t i) {
  const auto r = conversions::to_chars_fixed(
      g_buffer, g_buffer + W, WriteInputs<T, B, W>::values[i], B);
  return static_cast<std::uintptr_t>(r.ec);
}
template <class T, int B, int W>
[[gnu::always_inline]] inline std::uintptr_t write_itoa(std::size_t i) {
  const auto v = static_cast<std::int32_t>(WriteInputs<T, B, W>::values[i]);
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(v, g_buffer, W, B));
}
template <class T, int B, int W>
[[gnu::always_inline]] inline std::uintptr_t write_std(std::size_t i) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits,
                                  WriteInputs<T, B, W>::values[i], B)
                        .ptr;
  const auto n = static_cast<std::size_t>(end - digits);
  if (n > W) return 1;  // too large, as to_chars_fixed reports it
  std::memset(g_buffer, '0', W - n);
  std::memcpy(g_buffer + W - n, digits, n);
  return 0;
}
template <class T, int B, int W>
[[gnu::always_inline]] inline std::uintptr_t read_fixed(std::size_t i) {
  const char* s = Field<T, B, W>::text(i);
  T value = 0;
  const auto r = conversions::from_chars_fixed(s, s + W, value, B);
  return r.ec == std::errc{} ? static_cast<std::uintptr_t>(value) : 1;
}
template <class T, int B, int W>
[[gnu::always_inline]] inline std::uintptr_t read_std(std::size_t i) {
  const char* s = Field<T, B, W>::text(i);
  T value = 0;
  const auto r = std::from_chars(s, s + W, value, B);
  return r.ec == std::errc{} && r.ptr == s + W
             ? static_cast<std::uintptr_t>(value)
             : 1;
}

// One table: a row per width From..From + sizeof...(K) - 1 and a column per
// routine or peer, the field template first.
template <class T, int B, int From, bool Write, bool WithItoa, int... K>
void add_table(std::vector<bench::Case>& all, const std::string& group,
               std::integer_sequence<int, K...>) {
  const std::string row = Write ? "w" : "len";
  if constexpr (Write) {
    (all.push_back(bench::make_case<write_fixed<T, B, From + K>>(
         group, "to_chars_fixed", row + std::to_string(From + K))),
     ...);
    if constexpr (WithItoa) {
      (all.push_back(bench::make_case<write_itoa<T, B, From + K>>(
           group, "my_itoa", row + std::to_string(From + K))),
       ...);
    }
    (all.push_back(bench::make_case<write_std<T, B, From + K>>(
         group, "to_chars+pad", row + std::to_string(From + K))),
     ...);
  } else {
    (all.push_back(bench::make_case<read_fixed<T, B, From + K>>(
         group, "from_chars_fixed", row + std::to_string(From + K))),
     ...);
    (all.push_back(bench::make_case<read_std<T, B, From + K>>(
         group, "from_chars", row + std::to_string(From + K))),
     ...);
  }
}

}  // namespace

int main(int argc, char** argv) {
  using std::uint32_t, std::uint64_t;
  std::vector<bench::Case> all;
  const auto ten = std::make_integer_sequence<int, 10>{};
  const auto eight = std::make_integer_sequence<int, 8>{};
  add_table<uint32_t, 10, 1, true, true>(
      all, "to_chars_fixed<uint32_t>(f, f + W, v), base 10", ten);
  add_table<uint64_t, 10, 11, true, false>(
      all, "to_chars_fixed<uint64_t>(f, f + W, v), base 10", ten);
  add_table<uint32_t, 16, 1, true, false>(
      all, "to_chars_fixed<uint32_t>(f, f + W, v, 16)", eight);
  add_table<uint32_t, 10, 1, false, false>(
      all, "from_chars_fixed<uint32_t>(s, s + L, v), base 10", ten);
  add_table<uint64_t, 10, 11, false, false>(
      all, "from_chars_fixed<uint64_t>(s, s + L, v), base 10", ten);
  add_table<uint32_t, 16, 1, false, false>(
      all, "from_chars_fixed<uint32_t>(s, s + L, v, 16)", eight);
  return bench::main(argc, argv, all);
}
