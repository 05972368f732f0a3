#include "conversions.h"

#include <bit>
#include <cstddef>
#include <cstring>

// GCC and Clang get their builtins, attributes and an asm barrier; any other
// compiler takes the plain C++ paths. Defining CONVERSIONS_PORTABLE forces the
// plain paths, so that GCC and Clang build and test them too.
#if defined(__GNUC__) && !defined(CONVERSIONS_PORTABLE)
#define CONVERSIONS_GNU 1
#define CONVERSIONS_NOINLINE [[gnu::noinline]]
#define CONVERSIONS_FLATTEN [[gnu::flatten]]
#else
#define CONVERSIONS_GNU 0
#define CONVERSIONS_NOINLINE
#define CONVERSIONS_FLATTEN
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

// Words are moved with memcpy, which is how to load and store unaligned
// bytes without aliasing trouble; compilers make it one instruction.
std::uint64_t load64(const char* p) noexcept {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}
std::uint32_t load32(const char* p) noexcept {
  std::uint32_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}
std::uint16_t load16(const char* p) noexcept {
  std::uint16_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}
void store16(char* p, std::uint16_t w) noexcept {
  std::memcpy(p, &w, sizeof w);
}
void store64(char* p, std::uint64_t w) noexcept {
  std::memcpy(p, &w, sizeof w);
}
void store32(char* p, std::uint32_t w) noexcept {
  std::memcpy(p, &w, sizeof w);
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

// Writes the k bytes before end, reversed, at dst; the two ranges must not
// overlap.
void reverse_tail(char* dst, const char* end, std::uint32_t k) noexcept {
  std::uint32_t m = 0;
  for (; k - m >= 2; m += 2) store16(dst + m, byte_swap(load16(end - 2 - m)));
  if (m < k) dst[m] = end[-1 - static_cast<std::ptrdiff_t>(m)];
}

// The SWAR words below hold the character at the lowest address in their low
// byte; on a big-endian target that takes a byte swap at the memory side.
std::uint64_t load_le64(const char* p) noexcept {
  const std::uint64_t w = load64(p);
  if constexpr (std::endian::native == std::endian::big) return byte_swap(w);
  return w;
}
void store_le64(char* p, std::uint64_t w) noexcept {
  if constexpr (std::endian::native == std::endian::big) w = byte_swap(w);
  store64(p, w);
}

// Eight decimal digits of v < 10^8, least significant first, as eight digit
// bytes: one division splits it into two 4-digit halves, then each step
// splits every lane of the word at once. n / 100 == (n * 5243) >> 19 for
// n < 10^4 and n / 10 == (n * 103) >> 10 for n < 100; the lanes are wide
// enough that no product spills into its neighbour.
std::uint64_t decimal8_lsb_first(std::uint32_t v) noexcept {
  std::uint64_t w = v % 10000 | std::uint64_t{v / 10000} << 32;
  std::uint64_t q = ((w * 5243) >> 19) & 0x0000007f0000007fu;
  w = (w - q * 100) | q << 16;
  q = ((w * 103) >> 10) & 0x000f000f000f000fu;
  w = (w - q * 10) | q << 8;
  return w + 0x3030303030303030u;
}

// The eight nibbles of v, least significant first, spread one per byte.
std::uint64_t hex8_lsb_first(std::uint32_t v) noexcept {
  std::uint64_t w = v;
  w = (w | w << 16) & 0x0000ffff0000ffffu;
  w = (w | w << 8) & 0x00ff00ff00ff00ffu;
  w = (w | w << 4) & 0x0f0f0f0f0f0f0f0fu;
  return w + 0x3030303030303030u;
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
    // Ten digits hold any 32-bit value: the low eight in one word, then the
    // top two (the rest is at most 42) without a loop.
    if (n >= 8) {
      store_le64(out, decimal8_lsb_first(value % 100000000u));
      value /= 100000000u;
      i = 8;
      if (n >= 10) {
        const char top[2] = {digit_char(value % 10), digit_char(value / 10)};
        std::memcpy(out + 8, top, 2);  // one store, for reverse_char's load
        value = 0;
        i = 10;
      }
    }
  } else if constexpr (Radix == 16) {
    if (n >= 8 && value != 0) {  // eight nibbles are all of a 32-bit value
      store_le64(out, hex8_lsb_first(value));
      value = 0;
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

// True when all eight bytes are '0'..'9': adding 0x46 sets the high bit of
// a byte above '9', subtracting 0x30 that of one below '0' (and of any byte
// of 0x80 and up). Carries only start at a failing byte, so the lowest one
// is always caught: no false positives. The subtraction is shared with
// decimal8_value.
bool all_decimal(std::uint64_t w) noexcept {
  return (((w + 0x4646464646464646u) | (w - 0x3030303030303030u)) &
          0x8080808080808080u) == 0;
}

// The value of eight decimal digits, the first one most significant: pairs,
// then two multiplications combine the four pairs.
std::uint32_t decimal8_value(std::uint64_t w) noexcept {
  w -= 0x3030303030303030u;
  w = (w * 10) + (w >> 8);  // every even byte: 10 * digit + next digit
  w = (((w & 0x000000ff000000ffu) * (100 + (1000000ull << 32))) +
       (((w >> 16) & 0x000000ff000000ffu) * (1 + (10000ull << 32)))) >>
      32;
  return static_cast<std::uint32_t>(w);
}

constexpr std::uint32_t kPowersOf10[9] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Everything but the short decimal case below: decimal strings eight digits
// per word, then the last few as the string's last eight bytes with the ones
// already read turned into leading '0'; any other byte or radix one or two
// digits at a time. Out of line, so that the common path stays small.
CONVERSIONS_NOINLINE std::uint32_t parse_general(const char* str,
                                                 std::size_t len,
                                                 std::uint32_t r) noexcept {
  std::uint32_t sum = 0;
  std::size_t i = 0;
  if (r == 10) {
    for (; len - i >= 8; i += 8) {
      const std::uint64_t w = load_le64(str + i);
      if (!all_decimal(w)) break;  // any other byte: the plain loop below
      sum = sum * 100000000u + decimal8_value(w);
    }
    if (i >= 8 && i < len && len - i < 8) {
      const auto k = static_cast<unsigned>(len - i);
      const std::uint64_t keep = ~std::uint64_t{0} << (64 - 8 * k);
      const std::uint64_t w =
          (load_le64(str + len - 8) & keep) | (0x3030303030303030u & ~keep);
      if (all_decimal(w)) return sum * kPowersOf10[k] + decimal8_value(w);
    }
    for (; i < len; ++i) sum = sum * 10 + char_value(str[i]);
    return sum;
  }
  // Two digits per step halve the chain of dependent multiplications.
  const std::uint32_t r2 = r * r;
  for (; len - i >= 2; i += 2) {
    sum = sum * r2 + (char_value(str[i]) * r + char_value(str[i + 1]));
  }
  if (i < len) sum = sum * r + char_value(str[i]);
  return sum;
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
  if (a == nullptr || len == 0) return;
  // Byte-swapped words from both ends instead of one byte at a time. Two
  // words that overlap in the middle are fine: both are read before either
  // is written, and the overlap gets the same bytes from each.
  std::uint32_t i = 0;
  std::uint32_t j = len;  // [i, j) is still to be reversed
  for (; j - i >= 16; i += 8, j -= 8) {
    const std::uint64_t front = load64(a + i);
    const std::uint64_t back = load64(a + j - 8);
    store64(a + i, byte_swap(back));
    store64(a + j - 8, byte_swap(front));
  }
  // Under 16 left: one word from the front, and the bytes after it in pairs
  // from the back. Right after my_itoa's stores, a load straddling two of
  // them would stall on store forwarding; these loads never straddle.
  const std::uint32_t n = j - i;
  if (n >= 8) {
    const std::uint64_t front = load64(a + i);
    reverse_tail(a + i, a + j, n - 8);
    store64(a + j - 8, byte_swap(front));
  } else if (n >= 4) {
    const std::uint32_t front = load32(a + i);
    reverse_tail(a + i, a + j, n - 4);
    store32(a + j - 4, byte_swap(front));
  } else if (n >= 2) {
    const char tmp = a[i];
    a[i] = a[j - 1];
    a[j - 1] = tmp;
  }
}

// Flattened so that reverse_char, which must stay callable on its own, is
// inlined here rather than paid for as a call on every success.
CONVERSIONS_FLATTEN char* my_itoa(std::int32_t a, char* buffer,
                                  std::int32_t buff_size,
                                  std::int32_t radix) noexcept {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  // The digits go in least significant first, as many as the width; a
  // value that is not used up by then did not fit, and what was written
  // stays as it is. A width of 0 or less writes no digit.
  const std::uint32_t n =
      buff_size > 0 ? static_cast<std::uint32_t>(buff_size) : 0;
  const auto value = static_cast<std::uint32_t>(a);
  const auto r = static_cast<std::uint32_t>(radix);
  std::uint32_t rest = 0;
  switch (radix) {
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
  reverse_char(buffer, n);
  return buffer;
}

std::uint32_t my_atoi(const char* str, std::int32_t radix) noexcept {
  if (str == nullptr) return 0;
  const std::size_t len = std::strlen(str);
  // Horner's rule modulo 2^32, which is what the plain loop computes; taking
  // several digits per step only regroups the same sum. The common case, 8
  // to 11 decimal digits (every 32-bit value at full width), is one word and
  // up to three single digits, which take any byte.
  if (radix == 10 && len - 8 <= 3) {
    const std::uint64_t head = load_le64(str);
    if (all_decimal(head)) {
      // The few digits after the word are summed on their own, in parallel
      // with the word, and joined by one multiplication.
      const std::size_t k = len - 8;
      std::uint32_t tail = 0;
      if (k > 0) tail = char_value(str[8]);
      if (k > 1) tail = tail * 10 + char_value(str[9]);
      if (k > 2) tail = tail * 10 + char_value(str[10]);
      return decimal8_value(head) * kPowersOf10[k] + tail;
    }
  }
  return parse_general(str, len, static_cast<std::uint32_t>(radix));
}

}  // namespace conversions
