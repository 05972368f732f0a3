#include "conversions.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

// GCC and Clang get their builtins, attributes and an asm barrier; any other
// compiler takes the plain C++ paths. Defining CONVERSIONS_PORTABLE forces the
// plain paths, so that GCC and Clang build and test them too.
#if defined(__GNUC__) && !defined(CONVERSIONS_PORTABLE)
#define CONVERSIONS_GNU 1
#define CONVERSIONS_NOINLINE [[gnu::noinline]]
#else
#define CONVERSIONS_GNU 0
#define CONVERSIONS_NOINLINE
#endif

namespace conversions {

namespace {

// The digit byte is the low 8 bits of 48 + d. Unsigned arithmetic, because d
// can be close to 2^31 when the radix is.
char digit_char(std::uint32_t d) noexcept {
  return static_cast<char>(static_cast<unsigned char>(48u + d));
}

// A character's value is its code as a signed 8-bit number, minus 48, taken
// modulo 2^32. Going through unsigned char keeps plain char's signedness out.
std::uint32_t char_value(char c) noexcept {
  const auto code = static_cast<std::int8_t>(static_cast<unsigned char>(c));
  return static_cast<std::uint32_t>(code) - 48u;
}

// One instruction with GCC and Clang; plain shifts elsewhere.
std::uint64_t byte_swap(std::uint64_t w) noexcept {
#if CONVERSIONS_GNU
  return __builtin_bswap64(w);
#else
  w = (w & 0x00ff00ff00ff00ffu) << 8 | (w >> 8 & 0x00ff00ff00ff00ffu);
  w = (w & 0x0000ffff0000ffffu) << 16 | (w >> 16 & 0x0000ffff0000ffffu);
  return w << 32 | w >> 32;
#endif
}
std::uint32_t byte_swap(std::uint32_t w) noexcept {
  return static_cast<std::uint32_t>(byte_swap(std::uint64_t{w}) >> 32);
}
std::uint16_t byte_swap(std::uint16_t w) noexcept {
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
  if constexpr (std::endian::native == std::endian::big) return byte_swap(w);
  return w;
}
template <class Word>
void store_le(char* p, Word w) noexcept {
  if constexpr (std::endian::native == std::endian::big) w = byte_swap(w);
  store(p, w);
}

// Writes the k bytes before end, reversed, at dst; the two ranges must not
// overlap.
void reverse_tail(char* dst, const char* end, std::uint32_t k) noexcept {
  std::uint32_t m = 0;
  for (; k - m >= 2; m += 2) {
    store(dst + m, byte_swap(load<std::uint16_t>(end - 2 - m)));
  }
  if (m < k) dst[m] = end[-1 - static_cast<std::ptrdiff_t>(m)];
}

// The first k bytes of w, 2 <= k <= 8, at p: two stores that overlap in the
// middle instead of one per byte, and not one byte past p + k.
void store_le_first(char* p, std::uint64_t w, std::uint32_t k) noexcept {
  if (k >= 4) {
    store_le(p, static_cast<std::uint32_t>(w));
    store_le(p + k - 4, static_cast<std::uint32_t>(w >> (8 * (k - 4))));
  } else {
    store_le(p, static_cast<std::uint16_t>(w));
    store_le(p + k - 2, static_cast<std::uint16_t>(w >> (8 * (k - 2))));
  }
}

constexpr std::uint64_t kZeros = 0x3030303030303030u;  // eight '0' bytes

// "00" to "99": the two digits of each value below 100, most significant
// first.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Two, four or eight decimal digits of v (v < 10^2, 10^4, 10^8), most
// significant first: the first digit in the low byte. x / 100 ==
// (x * 5243) >> 19 for x < 10^4, which compilers find for themselves.
std::uint64_t decimal2(std::uint32_t v) noexcept {
  return load_le<std::uint16_t>(kDigitPairs.data() + 2 * v);
}
std::uint64_t decimal4(std::uint32_t v) noexcept {
  return decimal2(v / 100) | decimal2(v % 100) << 16;
}
std::uint64_t decimal8(std::uint32_t v) noexcept {
  return decimal4(v / 10000) | decimal4(v % 10000) << 32;
}

// The same for hex digits (v < 16^2, 16^4, 16^8). A hex digit is '0' plus
// its nibble: 10 to 15 are ':' to '?', so no letters to adjust for. Eight
// take the nibbles spread one per byte, least significant first, swapped.
std::uint64_t hex2(std::uint32_t v) noexcept {
  return ((v >> 4) | (v & 15) << 8) + 0x3030u;
}
std::uint64_t hex4(std::uint32_t v) noexcept {
  return hex2(v >> 8) | hex2(v & 255) << 16;
}
std::uint64_t hex8(std::uint32_t v) noexcept {
  std::uint64_t w = v;
  w = (w | w << 16) & 0x0000ffff0000ffffu;
  w = (w | w << 8) & 0x00ff00ff00ff00ffu;
  w = (w | w << 4) & 0x0f0f0f0f0f0f0f0fu;
  return byte_swap(w + kZeros);
}

// Writes n digits of value, least significant first, and returns what is
// left of the value: not 0 means it did not fit. Once the value is used up
// the remaining digits are '0'. A compile-time radix turns the division into
// a multiplication; radix 0 means "use r". The general path: radixes other
// than 10 and 16, and values that do not fit the width.
template <std::uint32_t Radix>
std::uint32_t write_digits(std::uint32_t value, std::uint32_t r, char* out,
                           std::uint32_t n) noexcept {
  const std::uint32_t radix = Radix != 0 ? Radix : r;
  std::uint32_t i = 0;
  if constexpr (Radix == 10) {
    if (n >= 8) {  // the low eight digits in one word
      store_le(out, byte_swap(decimal8(value % 100000000u)));
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

// 10^k modulo 2^32: exact up to 10^9, the multipliers of Horner's rule
// beyond.
constexpr auto kPowersOf10 = [] {
  std::array<std::uint32_t, 16> powers{};
  std::uint32_t p = 1;
  for (auto& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// '0' in the first n bytes at out, with 8-byte stores that may run up to 7
// bytes past them: the caller writes those bytes afterwards, and has 9 more.
void fill_zeros(char* out, std::uint32_t n) noexcept {
  for (std::uint32_t i = 0; i < n; i += 8) store(out + i, kZeros);
}

// The fast paths of radixes 10 and 16 write the digits in reading order, so
// nothing is reversed. Each takes only a value that fits the width n >= 1
// (false otherwise, before writing) and writes exactly n digits and the 0
// byte.
//
// Widths 1 to 7: the digits of the smallest word of 2, 4 or 8 digits that
// holds n, shifted down by its leading digits. Those are '0' because the
// value fits, and the shift brings in 0 bytes, so the n digits and the 0 byte
// are the word's low n + 1 bytes: at most 8, stored in two overlapping
// pieces.
template <std::uint64_t (*Two)(std::uint32_t),
          std::uint64_t (*Four)(std::uint32_t),
          std::uint64_t (*Eight)(std::uint32_t)>
void store_short(std::uint32_t v, char* out, std::uint32_t n) noexcept {
  std::uint64_t word = 0;
  std::uint32_t size = 0;
  if (n <= 2) {
    word = Two(v);
    size = 2;
  } else if (n <= 4) {
    word = Four(v);
    size = 4;
  } else {
    word = Eight(v);
    size = 8;
  }
  store_le_first(out, word >> (8 * (size - n)), n + 1);
}

// Radix 10: widths 1 to 7 as above. Wider: '0' padding, the one or two
// digits of v / 10^8 (at most 21), then one word for the low eight digits.
// Ten digits hold any 31-bit value, so only widths below 10 can fail.
bool decimal_fixed(std::uint32_t v, char* out, std::uint32_t n) noexcept {
  if (n < 8) {
    if (v >= kPowersOf10[n]) return false;
    store_short<decimal2, decimal4, decimal8>(v, out, n);
    return true;
  }
  if (n < 10 && v >= kPowersOf10[n]) return false;
  const std::uint32_t top = v / 100000000u;
  if (n >= 10) {
    fill_zeros(out, n - 10);
    store_le(out + n - 10, static_cast<std::uint16_t>(decimal2(top)));
  } else if (n == 9) {
    out[0] = digit_char(top);
  }
  store_le(out + n - 8, decimal8(v % 100000000u));
  out[n] = '\0';
  return true;
}

// Radix 16: widths 1 to 7 as above. Wider: '0' padding, then eight digits,
// which hold any 31-bit value.
bool hex_fixed(std::uint32_t v, char* out, std::uint32_t n) noexcept {
  if (n < 8) {
    if (v >> (4 * n) != 0) return false;
    store_short<hex2, hex4, hex8>(v, out, n);
    return true;
  }
  fill_zeros(out, n - 8);
  store_le(out + n - 8, hex8(v));
  out[n] = '\0';
  return true;
}

// True when every byte of w is '0'..'9'. Adding 0x46 sets the high bit of
// the bytes 0x3a to 0xb9 ('9' < byte, 0x80 to 0xaf among them); subtracting
// 0x30 sets it for the bytes below '0' and from 0xb0 up. A carry or borrow
// only starts at a failing byte and moves up, so the lowest failing byte is
// always caught: no false positives, no misses. The subtraction is shared
// with the value functions below.
template <class Word>
bool all_decimal(Word w) noexcept {
  constexpr Word ones = static_cast<Word>(~Word{0}) / 0xff;  // 0x0101...
  return (((w + 0x46 * ones) | (w - 0x30 * ones)) & (0x80 * ones)) == 0;
}

// The value of eight decimal digits, the first one most significant: pairs,
// then two multiplications combine the four pairs. A pair is at most 99, so
// no byte carries into the next; each product puts its two pairs' share in
// the high half, where the sum is below 10^8.
std::uint32_t decimal8_value(std::uint64_t w) noexcept {
  w -= kZeros;
  w = (w * 10) + (w >> 8);  // every even byte: 10 * digit + next digit
  w = (((w & 0x000000ff000000ffu) * (100 + (1000000ull << 32))) +
       (((w >> 16) & 0x000000ff000000ffu) * (1 + (10000ull << 32)))) >>
      32;
  return static_cast<std::uint32_t>(w);
}
// The same for four digits; a pair is at most 99, so no byte carries.
std::uint32_t decimal4_value(std::uint32_t w) noexcept {
  w -= 0x30303030u;
  w = (w * 10) + (w >> 8);
  return (w & 0xff) * 100 + (w >> 16 & 0xff);
}

// The plain loop, continued from sum, the value of the first i characters:
// any byte, any radix, two digits per step to halve the chain of dependent
// multiplications. Out of line, so that the fast paths stay small.
CONVERSIONS_NOINLINE std::uint32_t parse_general(const char* str,
                                                 std::size_t len,
                                                 std::uint32_t r,
                                                 std::uint32_t sum,
                                                 std::size_t i) noexcept {
  const std::uint32_t r2 = r * r;
  for (; len - i >= 2; i += 2) {
    sum = sum * r2 + (char_value(str[i]) * r + char_value(str[i + 1]));
  }
  if (i < len) sum = sum * r + char_value(str[i]);
  return sum;
}

// Any radix, the whole string.
CONVERSIONS_NOINLINE std::uint32_t parse_radix(const char* str,
                                               std::uint32_t r) noexcept {
  return parse_general(str, std::strlen(str), r, 0, 0);
}

// Radix 10, exactly Len < 16 characters, in straight-line code: a word of
// eight digits if there are eight, and the rest on its own, in parallel,
// joined by one multiplication. The rest is single digits, then a word of
// four when there are four. Single digits take any byte; if a word is not
// all digits, the plain loop reads the string instead. Every load lies
// inside the string.
template <std::size_t Len>
std::uint32_t parse_decimal_fixed(const char* str) noexcept {
  constexpr std::size_t kRest = Len % 8;
  constexpr std::size_t kSingles = kRest % 4;
  const char* p = str + (Len - kRest);
  std::uint32_t rest = 0;
  if constexpr (kSingles > 0) rest = char_value(p[0]);
  if constexpr (kSingles > 1) rest = rest * 10 + char_value(p[1]);
  if constexpr (kSingles > 2) rest = rest * 10 + char_value(p[2]);
  if constexpr (kRest >= 4) {
    const std::uint32_t w = load_le<std::uint32_t>(p + kSingles);
    if (!all_decimal(w)) return parse_general(str, Len, 10, 0, 0);
    rest = rest * 10000 + decimal4_value(w);
  }
  if constexpr (Len < 8) {
    return rest;
  } else {
    const std::uint64_t w = load_le<std::uint64_t>(str);
    if (!all_decimal(w)) return parse_general(str, Len, 10, 0, 0);
    return decimal8_value(w) * kPowersOf10[kRest] + rest;
  }
}

std::uint32_t parse_decimal_long(const char* str, std::size_t len) noexcept;

// Radix 10, any length: the parser above for len, Lo <= len < Hi, found by
// halving the range, a few well-predicted branches and no indirect jump; 16
// stands for sixteen and more.
template <std::size_t Lo, std::size_t Hi>
std::uint32_t parse_decimal(const char* str, std::size_t len) noexcept {
  if constexpr (Hi - Lo > 1) {
    constexpr std::size_t kMid = (Lo + Hi) / 2;
    if (len < kMid) return parse_decimal<Lo, kMid>(str, len);
    return parse_decimal<kMid, Hi>(str, len);
  } else if constexpr (Lo == 16) {
    return parse_decimal_long(str, len);
  } else {
    return parse_decimal_fixed<Lo>(str);
  }
}

// Sixteen or more: eight digits to a word until fewer than eight are left,
// then the rest as above, joined by one multiplication. Out of line, so that
// the loop's registers cost the common lengths nothing.
CONVERSIONS_NOINLINE std::uint32_t parse_decimal_long(
    const char* str, std::size_t len) noexcept {
  std::uint32_t sum = 0;
  std::size_t i = 0;
  for (; len - i >= 8; i += 8) {
    const std::uint64_t w = load_le<std::uint64_t>(str + i);
    if (!all_decimal(w)) return parse_general(str, len, 10, sum, i);
    sum = sum * 100000000u + decimal8_value(w);
  }
  if (i == len) return sum;
  return sum * kPowersOf10[len - i] + parse_decimal<1, 8>(str + i, len - i);
}

// Reverses the len bytes at a: byte-swapped words from both ends instead of
// one byte at a time. Internal, so that my_itoa's call binds here and not
// through the shared library's symbol table.
void reverse_bytes(char* a, std::uint32_t len) noexcept {
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
  // from the back. Right after my_itoa's stores, a load straddling two of
  // them would stall on store forwarding; these loads never straddle.
  const std::uint32_t n = j - i;
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

// my_itoa for every radix and width, the digits least significant first,
// then reversed; a value that is not used up by the width did not fit, and
// what was written stays as it is. A width of 0 writes no digit. Out of line,
// so that the fast paths stay small.
CONVERSIONS_NOINLINE char* format_general(std::uint32_t value, char* buffer,
                                          std::uint32_t n,
                                          std::uint32_t r) noexcept {
  std::uint32_t rest = 0;
  switch (r) {
    case 2:
      rest = write_digits<2>(value, r, buffer, n);
      break;
    case 8:
      rest = write_digits<8>(value, r, buffer, n);
      break;
    case 10:
      rest = write_digits<10>(value, r, buffer, n);
      break;
    case 16:
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

}  // namespace

std::uint32_t truncate(float f) noexcept {
  // |f| >= 2^63, the infinities and NaN give the intermediate -2^63, whose
  // low 32 bits are zero. Those inputs are decided on the bits and replaced
  // by +0 before converting, so the conversion only ever sees values it is
  // defined for: it cannot raise FE_INVALID or trap. In range, the cast
  // truncates toward zero whatever the rounding mode.
  const auto bits = std::bit_cast<std::uint32_t>(f);
  auto in_range = (bits & 0x7fffffffu) < 0x5f000000u ? bits : 0u;  // 2^63
#if CONVERSIONS_GNU
  // Hides from the optimizer that out-of-range inputs become 0; otherwise it
  // may fold the choice past the conversion and convert the original value.
  asm("" : "+r"(in_range));
#endif
  const auto wide = static_cast<std::int64_t>(std::bit_cast<float>(in_range));
  return static_cast<std::uint32_t>(wide);  // modulo 2^32
}

void reverse_char(char* a, std::uint32_t len) noexcept {
  reverse_bytes(a, len);
}

char* my_itoa(std::int32_t a, char* buffer, std::int32_t buff_size,
              std::int32_t radix) noexcept {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  const std::uint32_t n =
      buff_size > 0 ? static_cast<std::uint32_t>(buff_size) : 0;
  const auto value = static_cast<std::uint32_t>(a);
  if (n != 0) {
    if (radix == 10 && decimal_fixed(value, buffer, n)) return buffer;
    if (radix == 16 && hex_fixed(value, buffer, n)) return buffer;
  }
  return format_general(value, buffer, n, static_cast<std::uint32_t>(radix));
}

std::uint32_t my_atoi(const char* str, std::int32_t radix) noexcept {
  if (str == nullptr) return 0;
  // Horner's rule modulo 2^32, which is what the plain loop computes; taking
  // several digits per step only regroups the same sum.
  if (radix != 10) return parse_radix(str, static_cast<std::uint32_t>(radix));
  return parse_decimal<0, 17>(str, std::strlen(str));
}

}  // namespace conversions
