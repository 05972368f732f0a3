#include "conversions.h"

#include <bit>
#include <cstring>

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

}  // namespace

std::uint32_t truncate(float f) noexcept {
  // Integer arithmetic on the bit pattern only. A float comparison or cast
  // would raise FE_INVALID on NaN or out of range, and compilers are free to
  // run a guarded cast speculatively; integer code cannot trap or raise.
  const auto bits = std::bit_cast<std::uint32_t>(f);
  const int exponent = static_cast<int>((bits >> 23) & 0xffu) - 150;
  const std::uint32_t significand = (bits & 0x7fffffu) | 0x800000u;
  // |f| = significand * 2^exponent. Only the low 32 bits of the truncated
  // magnitude matter, and from 2^32 up (exponent >= 32) they are all zero.
  // That covers the out-of-range values, the infinities and NaN too: their
  // intermediate is -2^63, whose low 32 bits are zero as well. Below 1 the
  // shift leaves nothing, subnormals and zeros included.
  std::uint32_t magnitude = 0;
  if (exponent >= 32) {
    magnitude = 0;
  } else if (exponent >= 0) {
    magnitude = significand << exponent;
  } else {
    magnitude = significand >> (exponent < -31 ? 31 : -exponent);
  }
  // Negative values wrap modulo 2^32.
  return (bits >> 31) != 0 ? 0u - magnitude : magnitude;
}

void reverse_char(char* a, std::uint32_t len) noexcept {
  if (a == nullptr || len == 0) return;
  for (std::uint32_t i = 0; i <= (len - 1) / 2; ++i) {
    const char tmp = a[i];
    a[i] = a[len - 1 - i];
    a[len - 1 - i] = tmp;
  }
}

char* my_itoa(std::int32_t a, char* buffer, std::int32_t buff_size,
              std::int32_t radix) noexcept {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  const std::int32_t len = buff_size;
  auto value = static_cast<std::uint32_t>(a);
  const auto r = static_cast<std::uint32_t>(radix);
  char* temp = buffer;
  while (value > 0 || buff_size > 0) {
    if (buff_size <= 0) return nullptr;
    *temp++ = digit_char(value % r);
    value /= r;
    --buff_size;
  }
  *temp = '\0';
  reverse_char(buffer, static_cast<std::uint32_t>(len - buff_size));
  return buffer;
}

std::uint32_t my_atoi(const char* str, std::int32_t radix) noexcept {
  if (str == nullptr) return 0;
  const std::size_t len = std::strlen(str);
  const auto r = static_cast<std::uint32_t>(radix);
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < len; ++i) sum = sum * r + char_value(str[i]);
  return sum;
}

}  // namespace conversions
