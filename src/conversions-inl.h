// The definitions behind conversions.h: the kernels, the field templates, and
// the four routines. Include conversions.h, not this file.
//
// The routines are compiled once by the library's source file, which defines
// CONVERSIONS_DEFINE_ROUTINES, or inline into every user in header-only mode
// (CONVERSIONS_HEADER_ONLY). The kernels and the templates are inline in both
// modes. The helpers are in conversions::detail, not in an anonymous
// namespace, so that every translation unit shares one copy of each.
//
// The file reads top down: bytes and words, formatting, reversal, parsing,
// then the public routines and templates. It needs C++17; the library itself
// is built as C++20.
#ifndef CONVERSIONS_INL_H
#define CONVERSIONS_INL_H

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <type_traits>

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
// Loops of a few steps, known at compile time, in straight-line code.
#if CONVERSIONS_GNU
#define CONVERSIONS_UNROLL _Pragma("GCC unroll 16")
#else
#define CONVERSIONS_UNROLL
#endif
#if CONVERSIONS_GNU && defined(__x86_64__)
#define CONVERSIONS_SSE2 1
#include <emmintrin.h>
#else
#define CONVERSIONS_SSE2 0
#endif
// Whether a float converts to a 64-bit integer in one instruction: on 64-bit
// targets and on 32-bit x86 (x87). Other 32-bit targets call a runtime
// helper, which costs more than truncate's integer-only path and may raise
// inexact for whole values; they take that path.
#if CONVERSIONS_GNU && (UINTPTR_MAX > 0xffffffffu || defined(__i386__))
#define CONVERSIONS_FLOAT_TO_INT64 1
#else
#define CONVERSIONS_FLOAT_TO_INT64 0
#endif
// In header-only mode my_itoa and my_atoi are forced inline, so that a
// constant width or radix leaves only its own code at the call site.
#if CONVERSIONS_GNU && defined(CONVERSIONS_HEADER_ONLY)
#define CONVERSIONS_DISPATCH [[gnu::always_inline]]
#else
#define CONVERSIONS_DISPATCH
#endif
#if defined(__cpp_lib_is_constant_evaluated)
#define CONVERSIONS_CONSTANT_EVALUATED() std::is_constant_evaluated()
#else
#define CONVERSIONS_CONSTANT_EVALUATED() false
#endif

namespace conversions {
namespace detail {

// A test build defines CONVERSIONS_COUNT_PLAIN_LOOPS to count the runs of the
// plain one-digit-per-step loops, and so to see that the fast paths are taken
// wherever they should be: a fast path that quietly stopped being taken would
// still give the right bytes.
#if defined(CONVERSIONS_COUNT_PLAIN_LOOPS)
inline long plain_loops = 0;
#define CONVERSIONS_PLAIN_LOOP()                                  \
  do {                                                            \
    if (!CONVERSIONS_CONSTANT_EVALUATED()) ++detail::plain_loops; \
  } while (false)
#else
#define CONVERSIONS_PLAIN_LOOP() static_cast<void>(0)
#endif

// ---------------------------------------------------------------------------
// Bytes and words
//
// The kernels below work on SWAR words: eight characters in a 64-bit integer,
// the character at the lowest address in the low byte, whatever the target's
// byte order. Words are moved with memcpy, which is how to load and store
// unaligned bytes without aliasing trouble; compilers make it one
// instruction.
// ---------------------------------------------------------------------------

#if defined(__cpp_lib_endian)
inline constexpr bool kBigEndian = std::endian::native == std::endian::big;
#elif defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__)
inline constexpr bool kBigEndian = __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__;
#else
inline constexpr bool kBigEndian = false;  // MSVC: little-endian targets only
#endif

inline constexpr std::uint64_t kOnes = 0x0101010101010101u;  // 1 in each byte
inline constexpr std::uint64_t kZeros = 0x30 * kOnes;        // eight '0's

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
inline std::uint8_t byte_swap(std::uint8_t w) noexcept { return w; }

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

// Bytes, 1 <= Bytes <= 8, move in one or two accesses: a size that is not a
// power of two takes the largest power below it (the head), then the rest,
// or, for a rest of three, a second access of the head's size that ends at
// p + Bytes (7 = 4 + 4, overlapping by one). Nothing outside
// [p, p + Bytes) is read or written.
template <std::size_t Bytes>
using Head = std::conditional_t<
    Bytes >= 8, std::uint64_t,
    std::conditional_t<
        Bytes >= 4, std::uint32_t,
        std::conditional_t<Bytes >= 2, std::uint16_t, std::uint8_t>>>;

// The low Bytes bytes of w, stored at p.
template <std::size_t Bytes>
void store_first(char* p, std::uint64_t w) noexcept {
  static_assert(Bytes >= 1 && Bytes <= 8);
  constexpr std::size_t kHead = sizeof(Head<Bytes>);
  constexpr std::size_t kTail = Bytes - kHead;
  store_le(p, static_cast<Head<Bytes>>(w));
  if constexpr (kTail == 1) {
    p[kHead] = static_cast<char>(w >> (8 * kHead));
  } else if constexpr (kTail == 2) {
    store_le(p + kHead, static_cast<std::uint16_t>(w >> (8 * kHead)));
  } else if constexpr (kTail == 3) {
    store_le(p + Bytes - kHead,
             static_cast<Head<Bytes>>(w >> (8 * (Bytes - kHead))));
  }
}
// The Bytes bytes at p, as the low bytes of a word; its other bytes are 0.
template <std::size_t Bytes>
std::uint64_t load_first(const char* p) noexcept {
  static_assert(Bytes >= 1 && Bytes <= 8);
  constexpr std::size_t kHead = sizeof(Head<Bytes>);
  constexpr std::size_t kTail = Bytes - kHead;
  std::uint64_t w = load_le<Head<Bytes>>(p);
  if constexpr (kTail == 1) {
    w |= std::uint64_t{static_cast<unsigned char>(p[kHead])} << (8 * kHead);
  } else if constexpr (kTail == 2) {
    w |= std::uint64_t{load_le<std::uint16_t>(p + kHead)} << (8 * kHead);
  } else if constexpr (kTail == 3) {
    // The second head repeats one byte of the first; or-ing it in is exact.
    w |= std::uint64_t{load_le<Head<Bytes>>(p + Bytes - kHead)}
         << (8 * (Bytes - kHead));
  }
  return w;
}

// ---------------------------------------------------------------------------
// Formatting
//
// A fixed width is known before the first digit is made, so the digits come
// in reading order, straight into a word, and one or two stores write them:
// no loop, no reversal. The width picks its code once, by a switch; inlined
// with a constant width, the switch folds to that width's code. The words
// come from a "00".."99" table (radix 10) or from moving each nibble into a
// byte (radix 16). Everything else (other radixes, values that do not fit)
// writes digits least significant first with a division per digit.
// ---------------------------------------------------------------------------

// 10^k for k < 20. Their low 32 bits are also the multipliers that join a run
// of k more digits in Horner's rule modulo 2^32.
inline constexpr auto kPowersOf10 = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t p = 1;
  for (auto& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();
inline constexpr std::uint32_t kTenTo8 = 100000000u;
inline constexpr std::uint64_t kTenTo16 = 10000000000000000u;

// "00" to "99": the two digits of each value below 100, first digit first.
inline constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The N decimal digits of v < 10^N, N <= 8, as a word: the first digit in the
// low byte, 0 bytes above the last. Two digits are one load from the pair
// table; more split v into a high part and the low two or four digits. The
// index is widened to std::size_t once, here, not at every use. Below 10^4,
// v / 100 is (v * 5243) >> 19: the compiler, not knowing the bound, cannot
// use that.
template <std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t decimal_word(
    std::uint32_t v) noexcept {
  // Where the last two and the last four digits start; 0 where N is too
  // small for them to be used.
  constexpr unsigned kLastTwo = N >= 2 ? 8 * (N - 2) : 0;
  constexpr unsigned kLastFour = N >= 4 ? 8 * (N - 4) : 0;
  if constexpr (N == 1) {
    return v + std::uint64_t{'0'};
  } else if constexpr (N == 2) {
    return load_le<std::uint16_t>(kDigitPairs.data() + 2 * std::size_t{v});
  } else if constexpr (N <= 4) {
    const std::uint32_t high = (v * 5243) >> 19;
    return decimal_word<N - 2>(high) | decimal_word<2>(v - high * 100)
                                           << kLastTwo;
  } else if constexpr (N <= 6) {
    // v / 10^4 and v / 100 side by side, not one from the other: a shorter
    // chain of multiplications.
    const std::uint32_t high = v / 10000;
    const std::uint32_t middle = v / 100;
    return decimal_word<N - 4>(high) |
           decimal_word<2>(middle - high * 100) << kLastFour |
           decimal_word<2>(v - middle * 100) << kLastTwo;
  } else {
    const std::uint32_t high = v / 10000;
    return decimal_word<N - 4>(high) | decimal_word<4>(v - high * 10000)
                                           << kLastFour;
  }
}

// Hex digit bytes from a word of nibbles, one per byte at the bytes that ones
// marks: '0' + nibble, so 10..15 are ':'..'?', or with Letters 'a'..'f'. A
// nibble of 10 or more carries into bit 4 once 6 is added: that bit, moved
// down, picks the bytes that take 'a' - ':' = 39 more.
template <bool Letters>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t hex_digits(
    std::uint64_t nibbles, std::uint64_t ones) noexcept {
  std::uint64_t w = nibbles + 0x30 * ones;
  if constexpr (Letters) w += ((nibbles + 6 * ones) >> 4 & ones) * 39;
  return w;
}
// The two nibbles of a byte v, the high one in the low byte.
inline std::uint64_t nibble_pair(std::uint64_t v) noexcept {
  return (v >> 4) | (v & 15) << 8;
}
// The N hex digits of v < 16^N, N <= 8, as decimal_word has them. Up to four
// take nibble pairs; more spread the eight nibbles one per byte, least
// significant first, and swap; v's leading '0' digits are then shifted out.
template <std::size_t N, bool Letters>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t hex_word(
    std::uint32_t v) noexcept {
  if constexpr (N == 1) {
    return hex_digits<Letters>(v, 1);
  } else if constexpr (N == 2) {
    return hex_digits<Letters>(nibble_pair(v), 0x0101);
  } else if constexpr (N <= 4) {
    const std::uint64_t nibbles = nibble_pair(v >> 8) | nibble_pair(v & 255)
                                                            << 16;
    return hex_digits<Letters>(nibbles, 0x01010101) >> (8 * (4 - N));
  } else {
    std::uint64_t w = v;
    w = (w | w << 16) & 0x0000ffff0000ffffu;
    w = (w | w << 8) & 0x00ff00ff00ff00ffu;
    w = (w | w << 4) & 0x0f0f0f0f0f0f0f0fu;
    return byte_swap(hex_digits<Letters>(w, kOnes)) >> (8 * (8 - N));
  }
}

template <std::uint32_t Radix, bool Letters, std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline std::uint64_t digits_word(
    std::uint32_t v) noexcept {
  if constexpr (Radix == 10) {
    return decimal_word<N>(v);
  } else {
    return hex_word<N, Letters>(v);
  }
}

// Writes v < Radix^N, Radix 10 or 16, as exactly N digits at out, N <= 20:
// up to eight from one word; more as the digits above the low eight (or, past
// sixteen, the low sixteen) and then those, each part by this same code.
template <std::uint32_t Radix, bool Letters, std::size_t N, class U>
CONVERSIONS_ALWAYS_INLINE inline void put_digits(char* out, U v) noexcept {
  static_assert(N >= 1 && N <= (Radix == 10 ? 20 : 16));
  if constexpr (N <= 8) {
    store_first<N>(
        out, digits_word<Radix, Letters, N>(static_cast<std::uint32_t>(v)));
  } else if constexpr (N <= 16) {
    if constexpr (Radix == 16) {
      std::uint32_t high = 0;  // a 32-bit value has only '0's there
      if constexpr (sizeof(U) > 4) high = static_cast<std::uint32_t>(v >> 32);
      put_digits<16, Letters, N - 8>(out, high);
      store_le(out + N - 8,
               hex_word<8, Letters>(static_cast<std::uint32_t>(v)));
    } else {
      put_digits<10, false, N - 8>(out, v / kTenTo8);
      store_le(out + N - 8,
               decimal_word<8>(static_cast<std::uint32_t>(v % kTenTo8)));
    }
  } else {
    put_digits<Radix, Letters, N - 16>(out, std::uint64_t{v} / kTenTo16);
    put_digits<Radix, Letters, 16>(out + N - 16, std::uint64_t{v} % kTenTo16);
  }
}

// '0' in the n bytes at out, in 8-byte stores that may run up to 7 bytes
// past them: the digits that follow the padding are written afterwards, over
// those bytes, and are at least eight.
inline void fill_zeros(char* out, std::size_t n) noexcept {
  for (std::size_t i = 0; i < n; i += 8) store(out + i, kZeros);
}

// Writes n digits of value, least significant first, and returns what is
// left of the value: not 0 means it did not fit. Once the value is used up
// the remaining digits are '0'. A compile-time radix turns the division into
// a multiplication; Radix 0 means "use r".
template <std::uint32_t Radix>
std::uint32_t write_digits(std::uint32_t value, std::uint32_t r, char* out,
                           std::uint32_t n) noexcept {
  CONVERSIONS_PLAIN_LOOP();
  const std::uint32_t radix = Radix != 0 ? Radix : r;
  std::uint32_t i = 0;
  for (; i < n && value != 0; ++i) {
    // cppcheck-suppress zerodivcond ; r >= 1: format_general returns before
    out[i] = digit_char(value % radix);
    value /= radix;
  }
  if (i < n) std::memset(out + i, '0', n - i);
  return value;
}

// my_itoa's widths 1 to kFastWidths in radixes 10 and 16. Ten decimal or
// eight hex digits hold any 31-bit value; wider fields pad with '0'.
inline constexpr std::uint32_t kFastWidths = 12;

// A value that does not fit width n, in radix 10 or 16: a negative a (v >=
// 2^31) writes nothing; any other writes the n least significant digits,
// least significant first, and no 0 byte. Out of line: failures are rare.
template <std::uint32_t Radix>
CONVERSIONS_NOINLINE inline char* format_overflow(std::uint32_t v, char* buffer,
                                                  std::uint32_t n) noexcept {
  if (v < 0x80000000u) write_digits<Radix>(v, Radix, buffer, n);
  return nullptr;
}

// my_itoa at width N: the fit check, the N digits and the 0 byte. Below eight
// digits the word's byte above the last digit is 0, so one store of N + 1
// bytes writes the 0 byte too.
template <std::uint32_t Radix, std::size_t N>
CONVERSIONS_ALWAYS_INLINE inline char* format_width(std::uint32_t v,
                                                    char* buffer) noexcept {
  constexpr std::uint64_t kLimit =
      Radix == 10 ? (N < 10 ? kPowersOf10[N] : 0x80000000u)
                  : (N < 8 ? std::uint64_t{1} << (4 * N) : 0x80000000u);
  if (v >= kLimit) return format_overflow<Radix>(v, buffer, N);
  if constexpr (N < 8) {
    store_first<N + 1>(buffer, digits_word<Radix, false, N>(v));
  } else {
    put_digits<Radix, false, N>(buffer, v);
    buffer[N] = '\0';
  }
  return buffer;
}

// Radix 10 or 16 wider than the fast paths: '0' padding, then ten decimal or
// eight hex digits, which hold any 31-bit value, and the 0 byte.
template <std::uint32_t Radix>
CONVERSIONS_NOINLINE inline char* format_wide(std::uint32_t v, char* buffer,
                                              std::uint32_t width) noexcept {
  constexpr std::uint32_t kDigits = Radix == 10 ? 10 : 8;
  fill_zeros(buffer, width - kDigits);
  put_digits<Radix, false, kDigits>(buffer + width - kDigits, v);
  buffer[width] = '\0';
  return buffer;
}

inline void reverse_bytes(char* a, std::uint32_t len) noexcept;

// my_itoa for everything but radixes 10 and 16 at positive widths: the
// checks, widths of 0 and other radixes. The digits are written least
// significant first, then reversed; a value that is not used up by the width
// did not fit, and what was written stays as it is. Out of line, so that the
// fast paths stay small.
CONVERSIONS_NOINLINE inline char* format_general(std::int32_t a, char* buffer,
                                                 std::int32_t buff_size,
                                                 std::int32_t radix) noexcept {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  const auto value = static_cast<std::uint32_t>(a);
  const std::uint32_t n =
      buff_size > 0 ? static_cast<std::uint32_t>(buff_size) : 0;
  std::uint32_t rest = 0;
  switch (radix) {
    case 2: rest = write_digits<2>(value, 2, buffer, n); break;
    case 8: rest = write_digits<8>(value, 8, buffer, n); break;
    default:
      rest =
          write_digits<0>(value, static_cast<std::uint32_t>(radix), buffer, n);
      break;
  }
  if (rest != 0) return nullptr;
  buffer[n] = '\0';
  reverse_bytes(buffer, n);
  return buffer;
}

// Radix 10 or 16: one switch to the width's code; wider fields to
// format_wide, the rest to format_general.
template <std::uint32_t Radix>
CONVERSIONS_ALWAYS_INLINE inline char* format_fixed(
    std::int32_t a, char* buffer, std::int32_t width) noexcept {
  const auto v = static_cast<std::uint32_t>(a);
  switch (width) {
    case 1: return format_width<Radix, 1>(v, buffer);
    case 2: return format_width<Radix, 2>(v, buffer);
    case 3: return format_width<Radix, 3>(v, buffer);
    case 4: return format_width<Radix, 4>(v, buffer);
    case 5: return format_width<Radix, 5>(v, buffer);
    case 6: return format_width<Radix, 6>(v, buffer);
    case 7: return format_width<Radix, 7>(v, buffer);
    case 8: return format_width<Radix, 8>(v, buffer);
    case 9: return format_width<Radix, 9>(v, buffer);
    case 10: return format_width<Radix, 10>(v, buffer);
    case 11: return format_width<Radix, 11>(v, buffer);
    case 12: return format_width<Radix, 12>(v, buffer);
    default: break;
  }
  if (width > 0 && a >= 0) {
    return format_wide<Radix>(v, buffer, static_cast<std::uint32_t>(width));
  }
  return format_general(a, buffer, width, Radix);
}

// ---------------------------------------------------------------------------
// Reversal
//
// Byte-swapped words from both ends instead of one byte at a time.
// ---------------------------------------------------------------------------

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
  // Under 16 left: one word from the front, and the bytes after it two at a
  // time from the back, into the front. Two-byte loads, so that no load
  // spans two of the caller's recent byte stores, which would stall until
  // they are written.
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

// ---------------------------------------------------------------------------
// Parsing
//
// Horner's rule, sum = sum * radix + digit, regroups: eight digits are
// (10 * d0 + d1) pairs, pairs make fours, fours make eights, each step one
// multiply-add across all lanes of a word. The sixteen-character kernel is
// exact modulo 2^32 for any byte (a byte's value is its code as a signed
// 8-bit number, minus 48); the words of four and eight check their bytes,
// and my_atoi hands a string that is not all digits to the plain loop.
// from_chars_fixed checks every byte and then takes the same kernels.
// ---------------------------------------------------------------------------

// True when every byte of w is '0'..'9'. Adding 0x46 sets the high bit of
// the bytes 0x3a to 0xb9 ('9' < byte, 0x80 to 0xaf among them); subtracting
// 0x30 sets it for the bytes below '0' and from 0xb0 up. A carry or borrow
// starts only at a failing byte and moves up, so the lowest failing byte is
// always caught: no false positives, no misses.
template <class Word>
bool all_decimal(Word w) noexcept {
  constexpr Word ones = static_cast<Word>(kOnes);
  return (((w + 0x46 * ones) | (w - 0x30 * ones)) & (0x80 * ones)) == 0;
}

// The value of the eight digits '0'..'9' of w, the first most significant:
// each even byte becomes 10 * digit + next digit (at most 99, so no byte
// carries into the next), then two multiplications combine the four pairs,
// each product putting its two pairs' share in the high half, where the sum
// is below 10^8.
inline std::uint32_t decimal8_value(std::uint64_t w) noexcept {
  w -= kZeros;
  w = (w * 10) + (w >> 8);
  w = (((w & 0x000000ff000000ffu) * (100 + (1000000ull << 32))) +
       (((w >> 16) & 0x000000ff000000ffu) * (1 + (10000ull << 32)))) >>
      32;
  return static_cast<std::uint32_t>(w);
}
// The same for the four digits of w: the product puts 100 * first pair +
// second pair (at most 9999) in bits 16 to 31.
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
  CONVERSIONS_PLAIN_LOOP();
  const std::uint32_t r2 = r * r;
  for (; len - i >= 2; i += 2) {
    sum = sum * r2 + (char_value(str[i]) * r + char_value(str[i + 1]));
  }
  if (i < len) sum = sum * r + char_value(str[i]);
  return sum;
}

// The plain loop out of line, so that the fast paths stay small:
// parse_radix for every radix but 10, with the call of strlen and its stack
// frame; parse_decimal_slow for up to eight decimal characters that are not
// all digits.
CONVERSIONS_NOINLINE inline std::uint32_t parse_radix(
    const char* str, std::uint32_t r) noexcept {
  return parse_loop(str, std::strlen(str), r, 0, 0);
}
CONVERSIONS_NOINLINE inline std::uint32_t parse_decimal_slow(
    const char* str, std::size_t len) noexcept {
  return parse_loop(str, len, 10, 0, 0);
}

// Len characters, 9 <= Len <= 16, as two runs of eight decimal digits, most
// significant first: the values of the first eight and of the last eight,
// each exact modulo 2^32 for any byte, and exact for digits. A shorter run
// is preceded by 16 - Len 0 bytes, which count as leading zeros.
//
// A byte's value is its code as a signed 8-bit number c, minus 48. Flipping
// the high bit makes it c + 128, a plain byte from 0 to 255, so every lane
// stays unsigned and nothing carries from one lane into the next: fours are
// at most 255 * 1111, eights 283305 * 10001 < 2^32. Each character then
// counts 176 too many and each leading 0 byte 128; excess<Len> is what that
// adds to the first eight and to the last eight.
template <std::size_t Len>
constexpr std::uint32_t excess(bool first_eight) noexcept {
  std::uint32_t sum = 0;
  for (std::size_t i = first_eight ? 0 : 8; i < (first_eight ? 8 : 16); ++i) {
    sum = sum * 10 + (i < 16 - Len ? 128 : 176);
  }
  return sum;
}
#if CONVERSIONS_SSE2
using Bytes16 = __m128i;
// Two 8-byte loads, at str and ending at str + Len, both inside the string;
// below 16 they overlap, and the first moves up by 16 - Len bytes.
template <std::size_t Len>
CONVERSIONS_ALWAYS_INLINE inline Bytes16 load16(const char* str) noexcept {
  static_assert(Len >= 9 && Len <= 16);
  if constexpr (Len == 16) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(str));
  } else {
    const __m128i first = _mm_slli_epi64(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(str)), 8 * (16 - Len));
    return _mm_castps_si128(
        _mm_loadh_pi(_mm_castsi128_ps(first),
                     reinterpret_cast<const __m64*>(str + Len - 8)));
  }
}
// Fours with pmaddwd, from the even and the odd bytes of each 16-bit lane
// (1000 * a + 10 * c plus 100 * b + d); eights with pmuludq, whose 64-bit
// products keep the whole sum. The eights are the low halves of the two
// 64-bit lanes, the excess still in.
inline __m128i decimal16_eights(Bytes16 x) noexcept {
  x = _mm_xor_si128(x, _mm_set1_epi8(static_cast<char>(0x80)));
  const __m128i fours = _mm_add_epi32(
      _mm_madd_epi16(_mm_and_si128(x, _mm_set1_epi16(0xff)),
                     _mm_set1_epi32(1000 + (10 << 16))),
      _mm_madd_epi16(_mm_srli_epi16(x, 8), _mm_set1_epi32(100 + (1 << 16))));
  return _mm_add_epi32(_mm_mul_epu32(fours, _mm_set1_epi32(10000)),
                       _mm_srli_epi64(fours, 32));
}
template <std::size_t Len>
std::uint64_t decimal16_halves(Bytes16 x) noexcept {
  const __m128i halves =
      _mm_sub_epi32(_mm_shuffle_epi32(decimal16_eights(x), 0x08),
                    _mm_set_epi32(0, 0, static_cast<int>(excess<Len>(false)),
                                  static_cast<int>(excess<Len>(true))));
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(halves));
}
// first * 10^8 + last modulo 2^32, in the vector unit.
template <std::size_t Len>
std::uint32_t decimal16_value(Bytes16 x) noexcept {
  constexpr std::uint32_t kExcess =
      excess<Len>(true) * kTenTo8 + excess<Len>(false);
  const __m128i eights = decimal16_eights(x);
  const __m128i sum =
      _mm_add_epi32(_mm_mul_epu32(eights, _mm_cvtsi32_si128(kTenTo8)),
                    _mm_unpackhi_epi64(eights, eights));
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(sum)) - kExcess;
}
// Whether the Len characters are all '0'..'9'. As signed bytes, 0x80 and up
// are below '0'; the leading 0 bytes are left out.
template <std::size_t Len>
bool all_decimal(Bytes16 x) noexcept {
  const __m128i bad = _mm_or_si128(_mm_cmplt_epi8(x, _mm_set1_epi8('0')),
                                   _mm_cmpgt_epi8(x, _mm_set1_epi8('9')));
  return (_mm_movemask_epi8(bad) >> (16 - Len)) == 0;
}
#else
struct Bytes16 {
  std::uint64_t first, last;
};
template <std::size_t Len>
Bytes16 load16(const char* str) noexcept {
  static_assert(Len >= 9 && Len <= 16);
  return {load_le<std::uint64_t>(str) << (8 * (16 - Len)),
          load_le<std::uint64_t>(str + Len - 8)};
}
// One run of eight with the same lanes as the SSE2 code, in a 64-bit word.
inline std::uint32_t decimal8_any(std::uint64_t w) noexcept {
  w ^= 0x80 * kOnes;
  w = (w & 0x00ff00ff00ff00ffu) * 10 + (w >> 8 & 0x00ff00ff00ff00ffu);
  w = (w & 0x0000ffff0000ffffu) * 100 + (w >> 16 & 0x0000ffff0000ffffu);
  return static_cast<std::uint32_t>((w & 0xffffffffu) * 10000 + (w >> 32));
}
template <std::size_t Len>
std::uint64_t decimal16_halves(Bytes16 x) noexcept {
  return (decimal8_any(x.first) - excess<Len>(true)) |
         std::uint64_t{decimal8_any(x.last) - excess<Len>(false)} << 32;
}
template <std::size_t Len>
std::uint32_t decimal16_value(Bytes16 x) noexcept {
  const std::uint64_t halves = decimal16_halves<Len>(x);
  return static_cast<std::uint32_t>(halves) * kTenTo8 +
         static_cast<std::uint32_t>(halves >> 32);
}
template <std::size_t Len>
bool all_decimal(Bytes16 x) noexcept {
  constexpr std::uint64_t kPadding = Len == 16 ? 0 : kZeros >> (8 * (Len - 8));
  return all_decimal(x.first | kPadding) && all_decimal(x.last);
}
#endif

// my_atoi in radix 10 for exactly Len characters, in straight-line code;
// every load lies inside the string.
// - Len < 8: single digits, then a word of four when there are four. Single
//   digits take any byte; a word of four that is not all digits hands the
//   string to the plain loop.
// - Len 8: one word of eight, likewise.
// - Len 9 to 16: the sixteen-character kernel, which takes any byte.
template <std::size_t Len>
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_decimal_fixed(
    const char* str) noexcept {
  if constexpr (Len > 8) {
    return decimal16_value<Len>(load16<Len>(str));
  } else {
    constexpr std::size_t kSingles = Len % 4;
    std::uint32_t sum = 0;
    if constexpr (kSingles > 0) sum = char_value(str[0]);
    if constexpr (kSingles > 1) sum = sum * 10 + char_value(str[1]);
    if constexpr (kSingles > 2) sum = sum * 10 + char_value(str[2]);
    if constexpr (Len == 8) {
      const std::uint64_t w = load_le<std::uint64_t>(str);
      if (!all_decimal(w)) return parse_decimal_slow(str, Len);
      sum = decimal8_value(w);
    } else if constexpr (Len >= 4) {
      const std::uint32_t w = load_le<std::uint32_t>(str + kSingles);
      if (!all_decimal(w)) return parse_decimal_slow(str, Len);
      sum = sum * 10000 + decimal4_value(w);
    }
    return sum;
  }
}

// Seventeen or more characters: sixteen at a time, then the last 0 to 15 by
// their length's code, joined by one multiplication each (Horner's rule
// regrouped, modulo 2^32). Out of line: it calls strlen.
CONVERSIONS_NOINLINE inline std::uint32_t parse_decimal_long(
    const char* str) noexcept {
  const std::size_t len = 17 + std::strlen(str + 17);
  constexpr auto kTenTo16Mod32 = static_cast<std::uint32_t>(kTenTo16);
  std::uint32_t sum = 0;
  std::size_t i = 0;
  for (; len - i >= 16; i += 16) {
    sum = sum * kTenTo16Mod32 + decimal16_value<16>(load16<16>(str + i));
  }
  const char* tail = str + i;
  std::uint32_t rest = 0;
  switch (len - i) {
    case 1: rest = parse_decimal_fixed<1>(tail); break;
    case 2: rest = parse_decimal_fixed<2>(tail); break;
    case 3: rest = parse_decimal_fixed<3>(tail); break;
    case 4: rest = parse_decimal_fixed<4>(tail); break;
    case 5: rest = parse_decimal_fixed<5>(tail); break;
    case 6: rest = parse_decimal_fixed<6>(tail); break;
    case 7: rest = parse_decimal_fixed<7>(tail); break;
    case 8: rest = parse_decimal_fixed<8>(tail); break;
    case 9: rest = parse_decimal_fixed<9>(tail); break;
    case 10: rest = parse_decimal_fixed<10>(tail); break;
    case 11: rest = parse_decimal_fixed<11>(tail); break;
    case 12: rest = parse_decimal_fixed<12>(tail); break;
    case 13: rest = parse_decimal_fixed<13>(tail); break;
    case 14: rest = parse_decimal_fixed<14>(tail); break;
    case 15: rest = parse_decimal_fixed<15>(tail); break;
    default: break;
  }
  return sum * static_cast<std::uint32_t>(kPowersOf10[len - i]) + rest;
}

// my_atoi in radix 10: finds the length one byte at a time, and goes to that
// length's code from the compare that finds the 0 byte: no strlen up to
// sixteen, so no call and no stack frame. Each compare reads a byte that the
// ones before it have shown to be inside the string.
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
// move per byte. Nor is it told what str points to: inlined on a string
// literal, GCC would warn (-Warray-bounds) of the longer lengths' loads,
// which the scan rules out.
CONVERSIONS_ALWAYS_INLINE inline std::uint32_t parse_decimal(
    const char* str) noexcept {
  const char* scan = str;
#if CONVERSIONS_GNU
  asm("" : "+r"(scan));
  asm("" : "+r"(str));
#endif
  return parse_decimal_from<0>(str, scan);
}

// ---------------------------------------------------------------------------
// Fields
//
// to_chars_fixed and from_chars_fixed in a 32- or 64-bit unsigned magnitude.
// Radixes 10 and 16 at a width the kernels cover take them,
// through a switch on the width; other bases, longer fields and constant
// evaluation take a loop of one digit per step.
// ---------------------------------------------------------------------------

template <class T>
inline constexpr bool kFieldType =
    std::is_integral_v<T> && !std::is_same_v<T, bool> &&
    !std::is_same_v<T, wchar_t> && !std::is_same_v<T, char16_t> &&
    !std::is_same_v<T, char32_t>
#if defined(__cpp_char8_t)
    && !std::is_same_v<T, char8_t>
#endif
    ;
template <class T>
using Magnitude =
    std::conditional_t<sizeof(T) <= 4, std::uint32_t, std::uint64_t>;

// Digits of the largest magnitude: 10 or 20 decimal, 8 or 16 hex.
template <class U>
inline constexpr std::size_t kDecimalDigits = sizeof(U) == 4 ? 10 : 20;
template <class U>
inline constexpr std::size_t kHexDigits = 2 * sizeof(U);

// Whether v has at most width digits in base.
template <class U>
CONVERSIONS_ALWAYS_INLINE constexpr bool fits(U v, std::size_t width,
                                              unsigned base) noexcept {
  if (base == 10) {
    return width >= kDecimalDigits<U> || v < kPowersOf10[width];
  }
  if (base == 16) return width >= kHexDigits<U> || v >> (4 * width) == 0;
  for (; width > 0 && v != 0; --width) v /= base;
  return v == 0;
}

// Digit characters, value first: '0'..'9', then 'a'..'z'.
constexpr char letter_digit(unsigned d) noexcept {
  return static_cast<char>(d < 10 ? '0' + d : 'a' + (d - 10));
}

template <class U>
constexpr void put_field_loop(char* out, std::size_t width, U v,
                              unsigned base) noexcept {
  CONVERSIONS_PLAIN_LOOP();
  for (char* p = out + width; p != out; v /= base) {
    *--p = letter_digit(static_cast<unsigned>(v % base));
  }
}

// Radix 10 or 16 at widths up to the largest magnitude's digits, by the
// width's code. The cases past the type's digits never run.
template <std::uint32_t Radix, class U>
CONVERSIONS_ALWAYS_INLINE inline void put_field(char* out, std::size_t width,
                                                U v) noexcept {
  constexpr std::size_t kDigits =
      Radix == 10 ? kDecimalDigits<U> : kHexDigits<U>;
  if (width > kDigits) {
    // memset, not fill_zeros: inlined into a caller's fixed buffer, a loop
    // of word stores of unknown count reads to GCC as overflowing it.
    std::memset(out, '0', width - kDigits);
    out += width - kDigits;
    width = kDigits;
  }
  constexpr bool kHex = Radix == 16;
  switch (width) {
    case 1: return put_digits<Radix, kHex, 1>(out, v);
    case 2: return put_digits<Radix, kHex, 2>(out, v);
    case 3: return put_digits<Radix, kHex, 3>(out, v);
    case 4: return put_digits<Radix, kHex, 4>(out, v);
    case 5: return put_digits<Radix, kHex, 5>(out, v);
    case 6: return put_digits<Radix, kHex, 6>(out, v);
    case 7: return put_digits<Radix, kHex, 7>(out, v);
    case 8: return put_digits<Radix, kHex, 8>(out, v);
    default: break;
  }
  if constexpr (kDigits > 8) {
    switch (width) {
      case 9: return put_digits<Radix, kHex, 9>(out, v);
      case 10: return put_digits<Radix, kHex, 10>(out, v);
      case 11: return put_digits<Radix, kHex, 11>(out, v);
      case 12: return put_digits<Radix, kHex, 12>(out, v);
      case 13: return put_digits<Radix, kHex, 13>(out, v);
      case 14: return put_digits<Radix, kHex, 14>(out, v);
      case 15: return put_digits<Radix, kHex, 15>(out, v);
      case 16: return put_digits<Radix, kHex, 16>(out, v);
      default: break;
    }
  }
  if constexpr (kDigits > 16) {
    switch (width) {
      case 17: return put_digits<Radix, kHex, 17>(out, v);
      case 18: return put_digits<Radix, kHex, 18>(out, v);
      case 19: return put_digits<Radix, kHex, 19>(out, v);
      case 20: return put_digits<Radix, kHex, 20>(out, v);
      default: break;
    }
  }
}

// A character's digit value in bases up to 36, letters of either case; 36 or
// more for any other character. Setting bit 5 makes 'A'..'Z' 'a'..'z' and
// moves no other character into either range.
constexpr unsigned digit_value(char c) noexcept {
  const unsigned code = static_cast<unsigned char>(c);
  if (code - '0' < 10) return code - '0';
  const unsigned letter = (code | 0x20u) - 'a';
  return letter < 26 ? letter + 10 : 36;
}

template <class U>
struct FieldValue {
  const char* bad;  // the first non-digit, or null
  bool overflow;    // the number does not fit U
  U value;
};

// Any base: one digit per step. Past an overflow it goes on looking for a
// non-digit, which is the first thing to report.
template <class U>
constexpr FieldValue<U> parse_field_loop(const char* first, const char* last,
                                         unsigned base) noexcept {
  CONVERSIONS_PLAIN_LOOP();
  constexpr U kMax = std::numeric_limits<U>::max();
  const U limit = kMax / base;
  const auto last_digit = static_cast<unsigned>(kMax % base);
  FieldValue<U> r{nullptr, false, 0};
  for (const char* p = first; p != last; ++p) {
    const unsigned d = digit_value(*p);
    if (d >= base) return {p, false, 0};
    if (r.value > limit || (r.value == limit && d > last_digit)) {
      r.overflow = true;
    } else {
      r.value = r.value * base + d;
    }
  }
  return r;
}

// Len characters, Len <= 8, as the digits of one word, '0's moved in before
// them; false when one is not a digit. Up to three take a digit at a time.
template <std::size_t Len>
CONVERSIONS_ALWAYS_INLINE inline bool parse_digits8(const char* p,
                                                    std::uint32_t& v) noexcept {
  if constexpr (Len <= 3) {
    std::uint32_t sum = 0;
    CONVERSIONS_UNROLL
    for (std::size_t i = 0; i < Len; ++i) {
      const std::uint32_t d = static_cast<unsigned char>(p[i]) - 48u;
      if (d > 9) return false;
      sum = sum * 10 + d;
    }
    v = sum;
    return true;
  } else {
    std::uint64_t w = load_first<Len>(p);
    if constexpr (Len < 8) w = w << (8 * (8 - Len)) | kZeros >> (8 * Len);
    if (!all_decimal(w)) return false;
    v = decimal8_value(w);
    return true;
  }
}

// Each byte's hex digit value, letters of either case; 0xff for the rest.
inline constexpr auto kHexValues = [] {
  std::array<unsigned char, 256> values{};
  for (std::size_t c = 0; c < 256; ++c) {
    const unsigned d = digit_value(static_cast<char>(c));
    values[c] = static_cast<unsigned char>(d < 16 ? d : 0xff);
  }
  return values;
}();

// Radix 16, exactly Len characters, Len <= 2 * sizeof(U), so that the value
// fits U: a table lookup per character, the values or-ed together on the
// side, so that one test at the end finds any non-digit.
template <std::size_t Len, class U>
CONVERSIONS_ALWAYS_INLINE inline FieldValue<U> parse_hex_field(
    const char* p) noexcept {
  U v = 0;
  unsigned seen = 0;
  CONVERSIONS_UNROLL
  for (std::size_t i = 0; i < Len; ++i) {
    const unsigned d = kHexValues[static_cast<unsigned char>(p[i])];
    seen |= d;
    v = static_cast<U>(v << 4 | d);
  }
  if (seen > 15) return parse_field_loop<U>(p, p + Len, 16);
  return {nullptr, false, v};
}

// Radix 10, exactly Len characters, Len <= 20: the checked kernels; a field
// with a non-digit goes to the loop, which finds it.
template <std::size_t Len, class U>
CONVERSIONS_ALWAYS_INLINE inline FieldValue<U> parse_decimal_field(
    const char* p) noexcept {
  std::uint64_t v = 0;
  if constexpr (Len <= 8) {
    std::uint32_t low = 0;
    if (!parse_digits8<Len>(p, low)) return parse_field_loop<U>(p, p + Len, 10);
    v = low;
  } else {
    constexpr std::size_t kHead = Len > 16 ? Len - 16 : 0;
    std::uint32_t head = 0;
    if constexpr (kHead > 0) {
      if (!parse_digits8<kHead>(p, head)) {
        return parse_field_loop<U>(p, p + Len, 10);
      }
    }
    const Bytes16 x = load16<Len - kHead>(p + kHead);
    if (!all_decimal<Len - kHead>(x))
      return parse_field_loop<U>(p, p + Len, 10);
    const std::uint64_t halves = decimal16_halves<Len - kHead>(x);
    v = (halves & 0xffffffffu) * kTenTo8 + (halves >> 32);
    if constexpr (kHead > 0) {
      // 20 digits may pass 2^64 - 1 = 1844 6744073709551615.
      if constexpr (Len == 20) {
        if (head > 1844 || (head == 1844 && v > 6744073709551615u)) {
          return {nullptr, true, 0};
        }
      }
      v += head * kTenTo16;
    }
  }
  if (v > std::numeric_limits<U>::max()) return {nullptr, true, 0};
  return {nullptr, false, static_cast<U>(v)};
}

template <class U>
CONVERSIONS_ALWAYS_INLINE constexpr FieldValue<U> parse_field(
    const char* first, const char* last, unsigned base) noexcept {
  if (base == 10 && !CONVERSIONS_CONSTANT_EVALUATED()) {
    const auto len = static_cast<std::size_t>(last - first);
    switch (len) {
      case 1: return parse_decimal_field<1, U>(first);
      case 2: return parse_decimal_field<2, U>(first);
      case 3: return parse_decimal_field<3, U>(first);
      case 4: return parse_decimal_field<4, U>(first);
      case 5: return parse_decimal_field<5, U>(first);
      case 6: return parse_decimal_field<6, U>(first);
      case 7: return parse_decimal_field<7, U>(first);
      case 8: return parse_decimal_field<8, U>(first);
      case 9: return parse_decimal_field<9, U>(first);
      case 10: return parse_decimal_field<10, U>(first);
      // Up to 16 also for 32 bits: a field may be wider than its values, and
      // a signed one is one character narrower with '-' than without.
      case 11: return parse_decimal_field<11, U>(first);
      case 12: return parse_decimal_field<12, U>(first);
      case 13: return parse_decimal_field<13, U>(first);
      case 14: return parse_decimal_field<14, U>(first);
      case 15: return parse_decimal_field<15, U>(first);
      case 16: return parse_decimal_field<16, U>(first);
      default: break;
    }
    if constexpr (sizeof(U) > 4) {
      switch (len) {
        case 17: return parse_decimal_field<17, U>(first);
        case 18: return parse_decimal_field<18, U>(first);
        case 19: return parse_decimal_field<19, U>(first);
        case 20: return parse_decimal_field<20, U>(first);
        default: break;
      }
    }
  }
  if (base == 16 && !CONVERSIONS_CONSTANT_EVALUATED()) {
    switch (static_cast<std::size_t>(last - first)) {
      case 1: return parse_hex_field<1, U>(first);
      case 2: return parse_hex_field<2, U>(first);
      case 3: return parse_hex_field<3, U>(first);
      case 4: return parse_hex_field<4, U>(first);
      case 5: return parse_hex_field<5, U>(first);
      case 6: return parse_hex_field<6, U>(first);
      case 7: return parse_hex_field<7, U>(first);
      case 8: return parse_hex_field<8, U>(first);
      default: break;
    }
    if constexpr (sizeof(U) > 4) {
      switch (static_cast<std::size_t>(last - first)) {
        case 9: return parse_hex_field<9, U>(first);
        case 10: return parse_hex_field<10, U>(first);
        case 11: return parse_hex_field<11, U>(first);
        case 12: return parse_hex_field<12, U>(first);
        case 13: return parse_hex_field<13, U>(first);
        case 14: return parse_hex_field<14, U>(first);
        case 15: return parse_hex_field<15, U>(first);
        case 16: return parse_hex_field<16, U>(first);
        default: break;
      }
    }
  }
  return parse_field_loop<U>(first, last, base);
}

}  // namespace detail

// ---------------------------------------------------------------------------
// The public routines and templates
// ---------------------------------------------------------------------------

#if defined(CONVERSIONS_HEADER_ONLY) || defined(CONVERSIONS_DEFINE_ROUTINES)

CONVERSIONS_FUNC std::uint32_t truncate(float f) noexcept {
  // |f| >= 2^63, the infinities and NaN give the intermediate -2^63, whose
  // low 32 bits are zero. They are told by an integer compare on the bits,
  // which raises nothing even for a signalling NaN.
#if CONVERSIONS_SSE2
  // Out-of-range inputs are replaced by +0 before converting, so the
  // conversion only sees values it is defined for; in range, it truncates
  // toward zero whatever the rounding mode.
  const __m128 x = _mm_set_ss(f);
  const __m128i out = _mm_cmpgt_epi32(
      _mm_and_si128(_mm_castps_si128(x), _mm_set1_epi32(0x7fffffff)),
      _mm_set1_epi32(0x5effffff));  // |f| >= 2^63, or not a number
  const __m128 in_range = _mm_andnot_ps(_mm_castsi128_ps(out), x);
  return static_cast<std::uint32_t>(_mm_cvttss_si64(in_range));
#elif CONVERSIONS_FLOAT_TO_INT64
  // The same with a scalar select. The asm hides from the optimizer that
  // out-of-range inputs become 0; otherwise it may move the select past the
  // conversion and convert the original value.
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  auto in_range = (bits & 0x7fffffffu) < 0x5f000000u ? bits : 0u;  // 2^63
  asm("" : "+r"(in_range));
  float g = 0;
  std::memcpy(&g, &in_range, sizeof g);
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(g));
#else
  // Integer arithmetic only, which no optimizer can turn into a conversion
  // of an out-of-range value, and which raises nothing at all: compilers
  // other than GCC and Clang, and 32-bit targets but x86. The value is
  // the 24-bit significand shifted by the exponent; for |f| < 2^63 that is
  // at most 63 bits.
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  const std::uint32_t exponent = bits >> 23 & 0xffu;
  if (exponent < 127 || exponent >= 127 + 63) return 0;  // |f| < 1 or out
  const std::uint64_t significand = (bits & 0x7fffffu) | 0x800000u;
  const std::uint64_t magnitude = exponent >= 150
                                      ? significand << (exponent - 150)
                                      : significand >> (150 - exponent);
  const auto low = static_cast<std::uint32_t>(magnitude);  // modulo 2^32
  return bits >> 31 != 0 ? 0u - low : low;
#endif
}

CONVERSIONS_FUNC void reverse_char(char* a, std::uint32_t len) noexcept {
  detail::reverse_bytes(a, len);
}

// Radixes 10 and 16 go to their width's code; a negative a fails that code's
// fit check.
CONVERSIONS_DISPATCH CONVERSIONS_FUNC char* my_itoa(
    std::int32_t a, char* buffer, std::int32_t buff_size,
    std::int32_t radix) noexcept {
  if (buffer != nullptr) {
    if (radix == 10) return detail::format_fixed<10>(a, buffer, buff_size);
    if (radix == 16) return detail::format_fixed<16>(a, buffer, buff_size);
  }
  return detail::format_general(a, buffer, buff_size, radix);
}

// Strings of 2^31 characters or more are read to their end: the length is a
// std::size_t throughout.
CONVERSIONS_DISPATCH CONVERSIONS_FUNC std::uint32_t my_atoi(
    const char* str, std::int32_t radix) noexcept {
  if (str == nullptr) return 0;
  if (radix == 10) return detail::parse_decimal(str);
  return detail::parse_radix(str, static_cast<std::uint32_t>(radix));
}

#endif  // CONVERSIONS_HEADER_ONLY || CONVERSIONS_DEFINE_ROUTINES

// Forced inline under GCC and Clang, so that a constant width and base leave
// only their own code at the call site.
template <class T>
CONVERSIONS_ALWAYS_INLINE CONVERSIONS_CONSTEXPR20 inline std::to_chars_result
to_chars_fixed(char* first, char* last, T value, int base) noexcept {
  static_assert(detail::kFieldType<T>, "T must be an integer type, not bool");
  using U = detail::Magnitude<T>;
  if (base < 2 || base > 36 || first > last) {
    return {first, std::errc::invalid_argument};
  }
  auto magnitude = static_cast<U>(value);
  char* digits = first;
  if constexpr (std::is_signed_v<T>) {
    if (value < 0) {
      magnitude = U{0} - magnitude;
      ++digits;
    }
  }
  if (digits >= last) return {last, std::errc::value_too_large};
  const auto width = static_cast<std::size_t>(last - digits);
  const auto b = static_cast<unsigned>(base);
  if (!detail::fits(magnitude, width, b)) {
    return {last, std::errc::value_too_large};
  }
  if (digits != first) *first = '-';
  if (!CONVERSIONS_CONSTANT_EVALUATED()) {
    if (b == 10) {
      detail::put_field<10>(digits, width, magnitude);
      return {last, std::errc{}};
    }
    if (b == 16) {
      detail::put_field<16>(digits, width, magnitude);
      return {last, std::errc{}};
    }
  }
  detail::put_field_loop(digits, width, magnitude, b);
  return {last, std::errc{}};
}

template <class T>
CONVERSIONS_ALWAYS_INLINE CONVERSIONS_CONSTEXPR20 inline std::from_chars_result
from_chars_fixed(const char* first, const char* last, T& value,
                 int base) noexcept {
  static_assert(detail::kFieldType<T>, "T must be an integer type, not bool");
  using U = detail::Magnitude<T>;
  if (base < 2 || base > 36 || first >= last) {
    return {first, std::errc::invalid_argument};
  }
  const char* digits = first;
  if constexpr (std::is_signed_v<T>) {
    if (*first == '-') {
      ++digits;
      if (digits == last) return {first, std::errc::invalid_argument};
    }
  }
  const auto field =
      detail::parse_field<U>(digits, last, static_cast<unsigned>(base));
  if (field.bad != nullptr) return {field.bad, std::errc::invalid_argument};
  // The largest magnitude: T's maximum, or one more for a negative value.
  auto limit = static_cast<U>(std::numeric_limits<T>::max());
  if (digits != first) ++limit;
  if (field.overflow || field.value > limit) {
    return {last, std::errc::result_out_of_range};
  }
  value = static_cast<T>(digits != first ? U{0} - field.value : field.value);
  return {last, std::errc{}};
}

}  // namespace conversions

#undef CONVERSIONS_GNU
#undef CONVERSIONS_NOINLINE
#undef CONVERSIONS_ALWAYS_INLINE
#undef CONVERSIONS_SSE2
#undef CONVERSIONS_FLOAT_TO_INT64
#undef CONVERSIONS_DISPATCH
#undef CONVERSIONS_CONSTANT_EVALUATED
#undef CONVERSIONS_PLAIN_LOOP
#undef CONVERSIONS_UNROLL

#endif  // CONVERSIONS_INL_H
