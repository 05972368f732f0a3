// Slow, obviously correct models of the routines: the tests and fuzzers
// compare the library's fast paths against these, result and bytes.
#ifndef CONVERSIONS_TESTS_MODEL_H
#define CONVERSIONS_TESTS_MODEL_H

#include <cstdint>
#include <cstring>

namespace model {

// Decodes sign, exponent and fraction and builds the 64-bit intermediate by
// hand, with no float arithmetic at all.
inline std::uint32_t truncate(std::uint32_t bits) {
  const bool negative = (bits >> 31) != 0;
  const int biased = static_cast<int>((bits >> 23) & 0xff);
  const std::uint64_t fraction = bits & 0x7fffff;
  if (biased == 255) return 0;  // infinities and NaN: -2^63
  // value = significand * 2^shift
  const std::uint64_t significand =
      biased == 0 ? fraction : fraction | (1u << 23);
  const int shift = (biased == 0 ? 1 : biased) - 150;
  // From 2^63 on the integer part is out of range (or exactly -2^63): -2^63.
  if (shift >= 40) return 0;
  std::uint64_t magnitude = 0;
  if (shift >= 0) {
    magnitude = significand << shift;
  } else if (shift > -64) {
    magnitude = significand >> -shift;
  }
  const std::uint64_t intermediate = negative ? 0 - magnitude : magnitude;
  return static_cast<std::uint32_t>(intermediate);
}

inline void reverse_char(char* a, std::uint32_t len) {
  if (a == nullptr || len == 0) return;
  for (std::uint32_t i = 0; i <= (len - 1) / 2; ++i) {
    const char tmp = a[i];
    a[i] = a[len - 1 - i];
    a[len - 1 - i] = tmp;
  }
}

// The digit loop exactly as described: digits least significant first while
// value or width remain, then the 0 byte and one reversal. Negative values
// and radixes below 1 fail before anything is written.
inline char* my_itoa(std::int32_t a, char* buffer, std::int32_t buff_size,
                     std::int32_t radix) {
  if (buffer == nullptr || a < 0 || radix < 1) return nullptr;
  const std::int32_t len = buff_size;
  char* temp = buffer;
  while (a > 0 || buff_size > 0) {
    if (buff_size <= 0) return nullptr;
    const std::int32_t b = a % radix;
    *temp++ = static_cast<char>(
        static_cast<unsigned char>(48u + static_cast<std::uint32_t>(b)));
    a = a / radix;
    buff_size = buff_size - 1;
  }
  *temp = 0;
  model::reverse_char(buffer, static_cast<std::uint32_t>(len - buff_size));
  return buffer;
}

inline std::uint32_t digit_value(char c) {
  const int code = static_cast<signed char>(static_cast<unsigned char>(c));
  return static_cast<std::uint32_t>(code - 48);
}

inline std::uint32_t my_atoi(const char* str, std::int32_t radix) {
  if (str == nullptr || *str == 0) return 0;
  const std::size_t len = std::strlen(str);
  std::uint32_t sum = digit_value(str[0]);
  for (std::size_t i = 1; i < len; ++i) {
    sum = sum * static_cast<std::uint32_t>(radix) + digit_value(str[i]);
  }
  return sum;
}

}  // namespace model

#endif  // CONVERSIONS_TESTS_MODEL_H
