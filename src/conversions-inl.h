// The definitions of the routines that conversions.h declares. The library's
// one source file compiles them once; defining CONVERSIONS_HEADER_ONLY before
// including conversions.h compiles them inline into every user instead.
// Include conversions.h, not this file. The helpers are in
// conversions::detail, not in an anonymous namespace, so that every
// translation unit of a header-only program shares one copy of each.
//
// This file needs C++17 (inline variables, if constexpr); the library itself
// is built as C++20.
#ifndef CONVERSIONS_INL_H
#define CONVERSIONS_INL_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "conversions.h"

#if defined(__has_include)
#if __has_include(<bit>)
#include <bit>
#endif
#endif

// GCC and Clang get their builtins, attributes and an asm barrier; any other
// compiler takes the plain C++ paths. Defining CONVERSIONS_PORTABLE forces the
// plain paths, so that GCC and Clang build and test them too. x86-64 adds its
// SSE2 paths (every x86-64 processor has SSE2).
#if defined(__GNUC__) && !defined(CONVERSIONS_PORTABLE)
#define CONVERSIONS_GNU 1
#define CONVERSIONS_NOINLINE [[gnu::noinline]]
#define CONVERSIONS_ALWAYS_INLINE [[gnu::always_inline]]
#else
#define CONVERSIONS_GNU 0
#define CONVERSIONS_NOINLINE
#define CONVERSIONS_ALWAYS_INLINE
#endif
#if CONVERSIONS_GNU && defined(__x86_64__)
#define CONVERSIONS_SSE2 1
#include <emmintrin.h>
#else
#define CONVERSIONS_SSE2 0
#endif
#if CONVERSIONS_GNU && defined(CONVERSIONS_HEADER_ONLY)
#define CONVERSIONS_DISPATCH [[gnu::always_inline]]
#else
#define CONVERSIONS_DISPATCH
#endif

namespace conversions {
namespace detail {

#if defined(__cpp_lib_endian)
inline constexpr bool kBigEndian = std::endian::native == std::endian::big;
#elif defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__)
inline constexpr bool kBigEndian = __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__;
#else
inline constexpr bool kBigEndian = false;  // MSVC: little-endian targets only
#endif

// The digit byte is the low 8 bits of 48 + d. Unsigned arithmetic, because d
// can be close to 2^31 when the radix is.
inline char digit_char(std::uint32_t d) noexcept {
  return static_cast<char>(static_cast<unsigned char>(48u + d));
}

// A character's value is its code as a signed 8-bit number, minus 48, taken
// modulo 2^32. Going through unsigned char keeps plain char's signedness out.
inline std::uint32_t char_value(char c) noexcept {
  const auto code = static_cast<std::int8_t>(static_cast<unsigned char>(c));
  return static_cast<std::uint32_t>(code) - 48u;
}

// One instruction with GCC and Clang; plain shifts elsewhere.
inline std::uint64_t byte_swap(std::uint64_t w) noexcept {
#if CONVERSIONS_GNU
  return __builtin_bswap64(w);
#else
  w = (w & 0x00ff00ff00ff00ffu) << 8 | (w >> 8 & 0x00ff00ff00ff00ffu);
  w = (w & 0x0000ffff0000ffffu) << 16 | (w >> 16 & 0x0000ffff0000ffffu);
  return w << 32 | w >> 32;
#endif
}
inline std::uint32_t byte_swap(std::uint32_t w) noexcept {
  return static_cast<std::uint32_t>(byte_swap(std::uint64_t{w}) >> 32);
}
inline std::uint16_t byte_swap(std::uint16_t w) noexcept {
  return static_cast<std::uint16_t>(w << 8 | w >> 8);
}

// Words are moved with memcpy, which is how to load and store unaligned
// bytes without aliasing trouble; compilers make it one instruction.
template <class Word>
Word load(const char* p) noexcept {
  Word w;
  std::memcpy(&w, p, sizeof w);
  return w;
}
template <class Word>
void store(char* p, Word w) noexcept {
  std::memcpy(p, &w, sizeof w);
}

// The SWAR words below hold the character at the lowest address in their low
// byte; on a big-endian target that takes a byte swap at the memory side.
template <class Word>
Word load_le(const char* p) noexcept {
  const Word w = load<Word>(p);
  if constexpr (kBigEndian) return byte_swap(w);
  return w;
}
template <class Word>
void store_le(char* p, Word w) noexcept {
  if constexpr (kBigEndian) w = byte_swap(w);
  store(p, w);
}

// The low Bytes bytes of w at p, 1 <= Bytes <= 8, in one or two stores: a
// size that is not a power of two takes the largest power below it, then
// the rest, or a second store of that size ending at p + Bytes (7 = 4 + 4,
// overlapping by one). Nothing past p + Bytes is written.
template <std::size_t Bytes>
void store_first(char* p, std::uint64_t w) noexcept {
  constexpr std::size_t kHead = Bytes >= 8   ? 8
                                : Bytes >= 4 ? 4
                                : Bytes >= 2 ? 2
                                             : 1;
  constexpr std::size_t kTail = Bytes - kHead;
  using Head = std::conditional_t<
      kHead == 8, std::uint64_t,
      std::conditional_t<
          kHead == 4, std::uint32_t,
          std::conditional_t<kHead == 2, std::uint16_t, std::uint8_t>>>;
  static_assert(Bytes >= 1 && Bytes <= 8);
  if constexpr (kHead == 1) {
    *p = static_cast<char>(w);
  } else {
    store_le(p, static_cast<Head>(w));
  }
  if constexpr (kTail == 1) {
    p[kHead] = static_cast<char>(w >> (8 * kHead));
  } else if constexpr (kTail == 2) {
    store_le(p + kHead, static_cast<std::uint16_t>(w >> (8 * kHead)));
  } else if constexpr (kTail == 3) {
    store_le(p + Bytes - kHead, static_cast<Head>(w >> (8 * (Bytes - kHead))));
  }
}

inline constexpr std::uint64_t kZeros = 0x3030303030303030u;  // eight '0's

// 10^k modulo 2^32 for k < 16: exact up to 10^9; beyond, the multipliers
// that join a run of k more digits in Horner's rule modulo 2^32 (the last
// part of a long string).
inline constexpr auto kPowersOf10 = [] {
  std::array<std::uint32_t, 16> powers{};
  std::uint32_t p = 1;
  for (auto& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// "00" to "99": the two digits of each value below 100, most significant
// first.
inline constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The N decimal digits of v < 10^N, N <= 8, as a word: the first digit in the
// low byte, 0 bytes above the last. Two digits come from the pair table,
// indexed with a std::size_t, which saves an extension at every use. More
// split v into a high part and the low two or four digits, with divisions by
// constants, which are multiplications; below 10^4, v / 100 is
// (v * 5243) >> 19, which the compiler cannot know to use, as it does not
// know the bound.
template <std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t decimal_word(
    std::uint32_t v) noexcept {
  if constexpr (N == 1) {
    return v + std::uint64_t{'0'};
  } else if constexpr (N == 2) {
    return load_le<std::uint16_t>(kDigitPairs.data() + 2 * std::size_t{v});
  } else if constexpr (N <= 4) {
    const std::uint32_t high = (v * 5243) >> 19;
    return decimal_word<N - 2>(high) | decimal_word<2>(v - high * 100)
                                           << (8 * (N - 2));
  } else if constexpr (N <= 6) {
    // v / 10^4 and v / 100 side by side, not one from the other: a shorter
    // chain of multiplications.
    const std::uint32_t high = v / 10000;
    const std::uint32_t middle = v / 100;
    return decimal_word<N - 4>(high) |
           decimal_word<2>(middle - high * 100) << (8 * (N - 4)) |
           decimal_word<2>(v - middle * 100) << (8 * (N - 2));
  } else {
    const std::uint32_t high = v / 10000;
    return decimal_word<N - 4>(high) | decimal_word<4>(v - high * 10000)
                                           << (8 * (N - 4));
  }
}

// The same for hex (v < 16^N): a hex digit is '0' plus its nibble, since 10
// to 15 are ':' to '?', with no letters to adjust for. Up to four digits go
// through pairs; more spread the eight nibbles one per byte, least
// significant first, add '0' to each and swap; v's leading '0' digits are
// then shifted out.
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t hex_pair(
    std::uint64_t v) noexcept {
  return ((v >> 4) | (v & 15) << 8) + 0x3030u;
}
template <std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t hex_word(
    std::uint32_t v) noexcept {
  if constexpr (N == 1) {
    return v + std::uint64_t{'0'};
  } else if constexpr (N == 2) {
    return hex_pair(v);
  } else if constexpr (N <= 4) {
    return (hex_pair(v >> 8) | hex_pair(v & 255) << 16) >> (8 * (4 - N));
  } else {
    std::uint64_t w = v;
    w = (w | w << 16) & 0x0000ffff0000ffffu;
    w = (w | w << 8) & 0x00ff00ff00ff00ffu;
    w = (w | w << 4) & 0x0f0f0f0f0f0f0f0fu;
    return byte_swap(w + kZeros) >> (8 * (8 - N));
  }
}

// Writes n digits of value, least significant first, and returns what is
// left of the value: not 0 means it did not fit. Once the value is used up
// the remaining digits are '0'. A compile-time radix turns the division into
// a multiplication; radix 0 means "use r".
template <std::uint32_t Radix>
std::uint32_t write_digits(std::uint32_t value, std::uint32_t r, char* out,
                           std::uint32_t n) noexcept {
  const std::uint32_t radix = Radix != 0 ? Radix : r;
  std::uint32_t i = 0;
  if constexpr (Radix == 10) {
    if (n >= 8) {  // a failure at width 8 or 9: the low eight in one word
      store_le(out, byte_swap(decimal_word<8>(value % 100000000u)));
      value /= 100000000u;
      i = 8;
    }
  }
  for (; i < n && value != 0; ++i) {
    out[i] = digit_char(value % radix);
    value /= radix;
  }
  if (i < n) std::memset(out + i, '0', n - i);
  return value;
}

// Reverses the len bytes at a: byte-swapped words from both ends instead of
// one byte at a time.
inline void reverse_bytes(char* a, std::uint32_t len) noexcept {
  if (a == nullptr || len == 0) return;
  std::uint32_t i = 0;
  std::uint32_t j = len;  // [i, j) is still to be reversed
  // Sixteen or more left: the two words never overlap.
  for (; j - i >= 16; i += 8, j -= 8) {
    const std::uint64_t front = load<std::uint64_t>(a + i);
    const std::uint64_t back = load<std::uint64_t>(a + j - 8);
    store(a + i, byte_swap(back));
    store(a + j - 8, byte_swap(front));
  }
  // Under 16 left: one word from the front, and the bytes after it in pairs
  // from the back. A load that straddles two recent stores of a caller's
  // bytes would stall on store forwarding; these loads never straddle the
  // pairs they read.
  const std::uint32_t n = j - i;
  const auto reverse_tail = [](char* dst, const char* end, std::uint32_t k) {
    std::uint32_t m = 0;
    for (; k - m >= 2; m += 2) {
      store(dst + m, byte_swap(load<std::uint16_t>(end - 2 - m)));
    }
    if (m < k) dst[m] = end[-1 - static_cast<std::ptrdiff_t>(m)];
  };
  if (n >= 8) {
    const std::uint64_t front = load<std::uint64_t>(a + i);
    reverse_tail(a + i, a + j, n - 8);
    store(a + j - 8, byte_swap(front));
  } else if (n >= 4) {
    const std::uint32_t front = load<std::uint32_t>(a + i);
    reverse_tail(a + i, a + j, n - 4);
    store(a + j - 4, byte_swap(front));
  } else if (n >= 2) {
    const char tmp = a[i];
    a[i] = a[j - 1];
    a[j - 1] = tmp;
  }
}

// '0' in the first n bytes at out, with 8-byte stores that may run up to 7
// bytes past them; the caller writes those bytes afterwards.
inline void fill_zeros(char* out, std::uint32_t n) noexcept {
  for (std::uint32_t i = 0; i < n; i += 8) store(out + i, kZeros);
}

// my_itoa for every argument the fast paths do not take: the checks, every
// radix but 10 and 16, and their widths of 0 and past the fast paths' table.
// The digits are written least significant first, then reversed; a value
// that is not used up by the width did not fit, and what was written stays
// as it is. A width of 0 writes no digit. Out of line, so that the fast
// paths stay small.
CONVERSIONS_NOINLINE inline char* format_general(std::int32_t a, char* buffer,
                                                 std::int32_t buff_size,
                                                 std::int32_t radix) noexcept {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  const std::uint32_t n =
      buff_size > 0 ? static_cast<std::uint32_t>(buff_size) : 0;
  const auto value = static_cast<std::uint32_t>(a);
  const auto r = static_cast<std::uint32_t>(radix);
  // Radixes 10 and 16 wide: '0' padding, then ten decimal or eight hex
  // digits, which hold any 31-bit value; the padding's stores end inside the
  // digits.
  std::uint32_t rest = 0;
  switch (r) {
    case 2:
      rest = write_digits<2>(value, r, buffer, n);
      break;
    case 8:
      rest = write_digits<8>(value, r, buffer, n);
      break;
    case 10:
      if (n >= 10) {
        fill_zeros(buffer, n - 10);
        store_first<2>(buffer + n - 10, decimal_word<2>(value / 100000000u));
        store_le(buffer + n - 8, decimal_word<8>(value % 100000000u));
        buffer[n] = '\0';
        return buffer;
      }
      rest = write_digits<10>(value, r, buffer, n);
      break;
    case 16:
      if (n >= 8) {
        fill_zeros(buffer, n - 8);
        store_le(buffer + n - 8, hex_word<8>(value));
        buffer[n] = '\0';
        return buffer;
      }
      rest = write_digits<16>(value, r, buffer, n);
      break;
    default:
      rest = write_digits<0>(value, r, buffer, n);
      break;
  }
  if (rest != 0) return nullptr;
  buffer[n] = '\0';
  reverse_bytes(buffer, n);
  return buffer;
}

// my_itoa's fast paths, one function per radix (10 or 16) and width N, 1 to
// kFastWidths: straight-line code, every shift and offset a constant. Each
// takes v = a as unsigned, so a negative a is a value of 2^31 or more: it
// fails the fit check, like every value that does not fit.
// Success writes exactly N digits and the 0 byte:
// - N <= 7: the N digits and the 0 byte above them in the word are its low
//   N + 1 bytes;
// - N = 8: the word, then the 0 byte;
// - wider: the digits above the low eight (radix 10: v / 10^8 <= 21, with '0'
//   in front; radix 16: all '0'), the low eight as a word, the 0 byte.
// Ten decimal or eight hex digits hold any 31-bit value.
inline constexpr std::size_t kFastWidths = 12;

template <std::uint32_t Radix, std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t digits_word(
    std::uint32_t v) noexcept {
  if constexpr (Radix == 10) {
    return decimal_word<N>(v);
  } else {
    return hex_word<N>(v);
  }
}

// A fast path's value that does not fit its width n: a negative a (v >=
// 2^31) writes nothing; any other writes the n least significant digits,
// least significant first, and no 0 byte. The constant divisor makes each
// digit a multiplication; radix 10 takes its low eight in one word, which
// failures at widths 8 and 9 use.
template <std::uint32_t Radix>
CONVERSIONS_NOINLINE inline char* format_overflow(std::uint32_t v, char* buffer,
                                                  std::uint32_t n) noexcept {
  if (v < 0x80000000u) write_digits<Radix>(v, Radix, buffer, n);
  return nullptr;
}

template <std::uint32_t Radix, std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline char* format_width(std::uint32_t v,
                                                    char* buffer) noexcept {
  constexpr std::uint64_t kLimit =
      Radix == 10 ? (N < 10 ? kPowersOf10[N] : 0x80000000u)
                  : (N < 8 ? std::uint64_t{1} << (4 * N) : 0x80000000u);
  if (v >= kLimit) return format_overflow<Radix>(v, buffer, N);
  if constexpr (N < 8) {
    store_first<N + 1>(buffer, digits_word<Radix, N>(v));
  } else {
    std::uint32_t low = v;
    if constexpr (N > 8) {
      if constexpr (Radix == 10) {
        store_first<N - 8>(buffer, decimal_word<N - 8>(v / 100000000u));
        low = v % 100000000u;
      } else {
        store_first<N - 8>(buffer, kZeros);
      }
    }
    store_le(buffer + N - 8, digits_word<Radix, 8>(low));
    buffer[N] = '\0';
  }
  return buffer;
}

using FormatWidth = char* (*)(std::uint32_t, char*) noexcept;
template <std::uint32_t Radix, std::size_t... I>
constexpr std::array<FormatWidth, sizeof...(I)> format_widths(
    std::index_sequence<I...>) noexcept {
  return {&format_width<Radix, I + 1>...};
}
// Indexed by width - 1: one indirect jump, no tree of compares.
inline constexpr auto kDecimalWidths =
    format_widths<10>(std::make_index_sequence<kFastWidths>{});
inline constexpr auto kHexWidths =
    format_widths<16>(std::make_index_sequence<kFastWidths>{});

// Width slot + 1's code, picked by a chain of compares that a constant slot
// folds to the one call, inlined.
template <std::uint32_t Radix, std::size_t... I>
CONVERSIONS_ALWAYS_INLINE inline char* format_known_width(
    std::uint32_t slot, std::uint32_t v, char* buffer,
    std::index_sequence<I...>) noexcept {
  char* result = nullptr;
  static_cast<void>(
      ((slot == I && (result = format_width<Radix, I + 1>(v, buffer), true)) ||
       ...));
  return result;
}

// The fast path for width slot + 1: inlined where the compiler knows the
// width (header-only mode, a constant argument), else through the table.
template <std::uint32_t Radix>
CONVERSIONS_ALWAYS_INLINE inline char* format_fast(std::uint32_t slot,
                                                   std::uint32_t v,
                                                   char* buffer) noexcept {
#if CONVERSIONS_GNU
  if (__builtin_constant_p(slot)) {
    return format_known_width<Radix>(slot, v, buffer,
                                     std::make_index_sequence<kFastWidths>{});
  }
#endif
  return (Radix == 10 ? kDecimalWidths : kHexWidths)[slot](v, buffer);
}

// True when every byte of w is '0'..'9'. Adding 0x46 sets the high bit of
// the bytes 0x3a to 0xb9 ('9' < byte, 0x80 to 0xaf among them); subtracting
// 0x30 sets it for the bytes below '0' and from 0xb0 up. A carry or borrow
// only starts at a failing byte and moves up, so the lowest failing byte is
// always caught: no false positives, no misses. The word arithmetic below
// would read a few more bytes right (':' as 10, say), but a test that let
// them through would cost every string more than the rare strings that hold
// them gain; they take the plain loop, which reads every byte right.
template <class Word>
bool all_decimal(Word w) noexcept {
  constexpr Word ones = static_cast<Word>(~Word{0}) / 0xff;  // 0x0101...
  return (((w + 0x46 * ones) | (w - 0x30 * ones)) & (0x80 * ones)) == 0;
}

// The value of eight decimal digits, the first one most significant: pairs,
// then two multiplications combine the four pairs. A pair is at most 99, so
// no byte carries into the next; each product puts its two pairs' share in
// the high half, where the sum is below 10^8.
inline std::uint32_t decimal8_value(std::uint64_t w) noexcept {
  w -= kZeros;
  w = (w * 10) + (w >> 8);  // every even byte: 10 * digit + next digit
  w = (((w & 0x000000ff000000ffu) * (100 + (1000000ull << 32))) +
       (((w >> 16) & 0x000000ff000000ffu) * (1 + (10000ull << 32)))) >>
      32;
  return static_cast<std::uint32_t>(w);
}
// The same for four digits: the product puts 100 * first pair + second pair
// (at most 9999) in bits 16 to 31, above the first pair alone.
inline std::uint32_t decimal4_value(std::uint32_t w) noexcept {
  w -= 0x30303030u;
  w = (w * 10) + (w >> 8);
  return ((w & 0x00ff00ffu) * (1 + (100u << 16))) >> 16;
}

// The plain loop, continued from sum, the value of the first i characters:
// any byte, any radix, two digits per step to halve the chain of dependent
// multiplications.
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_loop(
    const char* str, std::size_t len, std::uint32_t r, std::uint32_t sum,
    std::size_t i) noexcept {
  const std::uint32_t r2 = r * r;
  for (; len - i >= 2; i += 2) {
    sum = sum * r2 + (char_value(str[i]) * r + char_value(str[i + 1]));
  }
  if (i < len) sum = sum * r + char_value(str[i]);
  return sum;
}

// The plain loop out of line, so that the fast paths stay small:
// parse_radix for every radix but 10, with the call of strlen and its stack
// frame; parse_decimal_slow for radix 10 where a word is not all digits.
CONVERSIONS_NOINLINE inline std::uint32_t parse_radix(
    const char* str, std::uint32_t r) noexcept {
  return parse_loop(str, std::strlen(str), r, 0, 0);
}
CONVERSIONS_NOINLINE inline std::uint32_t parse_decimal_slow(
    const char* str, std::size_t len, std::uint32_t sum,
    std::size_t i) noexcept {
  return parse_loop(str, len, 10, sum, i);
}

// The first Len - 8 and the last 8 of Len decimal digits, 9 <= Len <= 16:
// first * 10^8 + last modulo 2^32, and in ok whether all Len bytes are
// '0'..'9'. Two 8-byte loads, at str and at str + Len - 8, both inside the
// string; below 16 they overlap, and the first is moved up by 16 - Len bytes,
// with '0' moved in below its Len - 8 digits.
template <std::size_t Len>
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t decimal16_value(
    const char* str, bool& ok) noexcept {
  static_assert(Len >= 9 && Len <= 16);
  constexpr unsigned kShift = 8 * (16 - Len);
  constexpr std::uint64_t kPadding = kShift == 0 ? 0 : kZeros >> (64 - kShift);
#if CONVERSIONS_SSE2
  // Both words at once, each step within its lanes. d is each digit's value
  // (the padding's 0 bytes minus 0); d <= 9 exactly for '0'..'9', and then
  // d + 118 stays below 128 (unsigned, saturating). Fours come from the even
  // and the odd digits apart (1000 * a + 10 * c plus 100 * b + d, at most
  // 9999 in a 32-bit lane), eights from pairs of fours (below 10^8). Sixteen
  // digits are one 16-byte load; fifteen are one too, of the 0 byte with
  // them, moved up by a byte.
  __m128i d;
  if constexpr (Len >= 15) {
    d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(str));
    if constexpr (Len == 15) d = _mm_slli_si128(d, 1);
  } else {
    d = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(str));
    d = _mm_castps_si128(
        _mm_loadh_pi(_mm_castsi128_ps(_mm_slli_epi64(d, kShift)),
                     reinterpret_cast<const __m64*>(str + Len - 8)));
  }
  d = _mm_sub_epi8(d,
                   _mm_set_epi64x(static_cast<long long>(kZeros),
                                  static_cast<long long>(kZeros - kPadding)));
  ok = _mm_movemask_epi8(_mm_adds_epu8(d, _mm_set1_epi8(118))) == 0;
  const __m128i fours = _mm_add_epi32(
      _mm_madd_epi16(_mm_and_si128(d, _mm_set1_epi16(0xff)),
                     _mm_set1_epi32(1000 + (10 << 16))),
      _mm_madd_epi16(_mm_srli_epi16(d, 8), _mm_set1_epi32(100 + (1 << 16))));
  const __m128i eights = _mm_madd_epi16(_mm_packs_epi32(fours, fours),
                                        _mm_set1_epi32(10000 + (1 << 16)));
  const auto both = static_cast<std::uint64_t>(_mm_cvtsi128_si64(eights));
  return static_cast<std::uint32_t>(both) * 100000000u +
         static_cast<std::uint32_t>(both >> 32);
#else
  std::uint64_t first = load_le<std::uint64_t>(str);
  if constexpr (kShift != 0) first = first << kShift | kPadding;
  const std::uint64_t last = load_le<std::uint64_t>(str + Len - 8);
  ok = all_decimal(first) && all_decimal(last);
  return decimal8_value(first) * 100000000u + decimal8_value(last);
#endif
}

// Radix 10, exactly Len characters, in straight-line code; every load lies
// inside the string.
// - Len < 8: single digits, then a word of four when there are four. Single
//   digits take any byte.
// - Len 8: one word of eight.
// - Len 9 to 16: the two words above.
// If a word is not all digits, the plain loop reads the string instead.
template <std::size_t Len>
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_decimal_fixed(
    const char* str) noexcept {
  if constexpr (Len > 8) {
    bool ok = false;
    const std::uint32_t sum = decimal16_value<Len>(str, ok);
    return ok ? sum : parse_decimal_slow(str, Len, 0, 0);
  } else {
    constexpr std::size_t kSingles = Len % 4;
    std::uint32_t sum = 0;
    if constexpr (kSingles > 0) sum = char_value(str[0]);
    if constexpr (kSingles > 1) sum = sum * 10 + char_value(str[1]);
    if constexpr (kSingles > 2) sum = sum * 10 + char_value(str[2]);
    if constexpr (Len == 8) {
      const std::uint64_t w = load_le<std::uint64_t>(str);
      if (!all_decimal(w)) return parse_decimal_slow(str, Len, 0, 0);
      sum = decimal8_value(w);
    } else if constexpr (Len >= 4) {
      const std::uint32_t w = load_le<std::uint32_t>(str + kSingles);
      if (!all_decimal(w)) return parse_decimal_slow(str, Len, 0, 0);
      sum = sum * 10000 + decimal4_value(w);
    }
    return sum;
  }
}

// The parsers above by length, 0 to 15, for the end of a long string.
using ParseFixed = std::uint32_t (*)(const char*) noexcept;
template <std::size_t... L>
constexpr std::array<ParseFixed, sizeof...(L)> fixed_parsers(
    std::index_sequence<L...>) noexcept {
  return {&parse_decimal_fixed<L>...};
}
inline constexpr auto kFixedParsers =
    fixed_parsers(std::make_index_sequence<16>{});

// Seventeen or more characters: sixteen digits at a time, then the last 0 to
// 15 by their length's parser, joined by one multiplication each (Horner's
// rule regrouped, modulo 2^32). Out of line: it calls strlen.
CONVERSIONS_NOINLINE inline std::uint32_t parse_decimal_long(
    const char* str) noexcept {
  const std::size_t len = 17 + std::strlen(str + 17);
  std::uint32_t sum = 0;
  std::size_t i = 0;
  for (; len - i >= 16; i += 16) {
    bool ok = false;
    const std::uint32_t part = decimal16_value<16>(str + i, ok);
    if (!ok) return parse_decimal_slow(str, len, sum, i);
    sum = sum * static_cast<std::uint32_t>(10000000000000000u) + part;
  }
  return sum * kPowersOf10[len - i] + kFixedParsers[len - i](str + i);
}

// Radix 10: finds the length one byte at a time, and jumps to that length's
// code from the compare that finds the 0 byte: no strlen up to sixteen, so
// no call and no stack frame. Each compare reads a byte that the ones before
// it have shown to be inside the string.
template <std::size_t K>
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_decimal_from(
    const char* str, const char* scan) noexcept {
  if (scan[K] == '\0') return parse_decimal_fixed<K>(str);
  if constexpr (K < 16) {
    return parse_decimal_from<K + 1>(str, scan);
  } else {
    return parse_decimal_long(str);
  }
}
// scan is str, read for the 0 byte only. The compiler is not told that they
// are equal, so that it does not keep the first bytes from the scan for the
// short lengths' digits: that would cost every longer string a register
// move per byte.
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_decimal(
    const char* str) noexcept {
  const char* scan = str;
#if CONVERSIONS_GNU
  asm("" : "+r"(scan));
#endif
  return parse_decimal_from<0>(str, scan);
}

}  // namespace detail

CONVERSIONS_FUNC std::uint32_t truncate(float f) noexcept {
  // |f| >= 2^63, the infinities and NaN give the intermediate -2^63, whose
  // low 32 bits are zero. Those inputs are decided on the bits and replaced
  // by +0 before converting, so the conversion only ever sees values it is
  // defined for: it cannot raise FE_INVALID or trap. In range, the cast
  // truncates toward zero whatever the rounding mode. The test is an integer
  // compare on the bits, which raises nothing even for a signalling NaN.
#if CONVERSIONS_SSE2
  const __m128 x = _mm_set_ss(f);
  const __m128i out = _mm_cmpgt_epi32(
      _mm_and_si128(_mm_castps_si128(x), _mm_set1_epi32(0x7fffffff)),
      _mm_set1_epi32(0x5effffff));  // |f| >= 2^63, or not a number
  const __m128 in_range = _mm_andnot_ps(_mm_castsi128_ps(out), x);
  return static_cast<std::uint32_t>(_mm_cvttss_si64(in_range));
#else
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  auto in_range = (bits & 0x7fffffffu) < 0x5f000000u ? bits : 0u;  // 2^63
#if CONVERSIONS_GNU
  // Hides from the optimizer that out-of-range inputs become 0; otherwise it
  // may fold the choice past the conversion and convert the original value.
  asm("" : "+r"(in_range));
#endif
  float g = 0;
  std::memcpy(&g, &in_range, sizeof g);
  const auto wide = static_cast<std::int64_t>(g);
  return static_cast<std::uint32_t>(wide);  // modulo 2^32
#endif
}

CONVERSIONS_FUNC void reverse_char(char* a, std::uint32_t len) noexcept {
  detail::reverse_bytes(a, len);
}

// Radixes 10 and 16 at widths 1 to 12 jump straight to their width's code,
// after two checks: the width, and a null buffer. A negative a fails that
// code's fit check. In header-only mode GCC and Clang always inline this
// dispatcher, so that a constant width and radix leave one width's code at
// the call site.
CONVERSIONS_DISPATCH CONVERSIONS_FUNC char* my_itoa(
    std::int32_t a, char* buffer, std::int32_t buff_size,
    std::int32_t radix) noexcept {
  const std::uint32_t slot = static_cast<std::uint32_t>(buff_size) - 1;
  const auto v = static_cast<std::uint32_t>(a);
  if (radix == 10) {
    if (slot < detail::kFastWidths && buffer != nullptr) {
      return detail::format_fast<10>(slot, v, buffer);
    }
  } else if (radix == 16) {
    if (slot < detail::kFastWidths && buffer != nullptr) {
      return detail::format_fast<16>(slot, v, buffer);
    }
  }
  return detail::format_general(a, buffer, buff_size, radix);
}

CONVERSIONS_FUNC std::uint32_t my_atoi(const char* str,
                                       std::int32_t radix) noexcept {
  if (str == nullptr) return 0;
  // Horner's rule modulo 2^32, which is what the plain loop computes; taking
  // several digits per step only regroups the same sum.
  if (radix == 10) return detail::parse_decimal(str);
  return detail::parse_radix(str, static_cast<std::uint32_t>(radix));
}

}  // namespace conversions

#undef CONVERSIONS_GNU
#undef CONVERSIONS_NOINLINE
#undef CONVERSIONS_ALWAYS_INLINE
#undef CONVERSIONS_SSE2
#undef CONVERSIONS_DISPATCH

#endif  // CONVERSIONS_INL_H
