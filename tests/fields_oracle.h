// What to_chars_fixed and from_chars_fixed must give, made from
// std::to_chars and std::from_chars: the field's bytes, and the result of
// reading a range. Shared by the tests, the guard-page test and the fuzzers.
#ifndef CONVERSIONS_FIELDS_ORACLE_H
#define CONVERSIONS_FIELDS_ORACLE_H

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

#include "conversions.h"

namespace oracle {

// The width bytes that hold value: std::to_chars' text with '0's after any
// '-'; none when it needs more than width.
template <class T>
std::optional<std::string> field(T value, std::size_t width, int base) {
  char text[72];
  char* end = std::to_chars(text, text + sizeof text, value, base).ptr;
  const auto len = static_cast<std::size_t>(end - text);
  if (width < len) return std::nullopt;
  const std::size_t sign = text[0] == '-' ? 1 : 0;
  return std::string(text, sign) + std::string(width - len, '0') +
         std::string(text + sign, end);
}

// A read's result: where ptr points (from first), errc and the value left.
template <class T>
struct Read {
  std::ptrdiff_t at;
  std::errc ec;
  T value;
  bool operator==(const Read&) const = default;
};

// from_chars_fixed on [first, last) into a value that held before: the first
// character that is not a digit (after a leading '-' for a signed T), else
// std::from_chars' verdict on the whole range.
template <class T>
Read<T> read(const char* first, const char* last, int base, T before) {
  const std::ptrdiff_t sign =
      std::is_signed_v<T> && first != last && *first == '-' ? 1 : 0;
  if (last - first == sign) return {0, std::errc::invalid_argument, before};
  unsigned long long digits = 0;
  const auto scan = std::from_chars(first + sign, last, digits, base);
  if (scan.ec == std::errc::invalid_argument) {
    return {sign, std::errc::invalid_argument, before};
  }
  if (scan.ptr != last) {
    return {scan.ptr - first, std::errc::invalid_argument, before};
  }
  T value = before;
  const std::errc ec = std::from_chars(first, last, value, base).ec;
  return {last - first, ec, value};
}

// The templates are forced inline, and here width and base come at run
// time: each inlined copy holds every width's code. The tests call them
// through these, once per type, so that they compile in seconds.
#if defined(__GNUC__)
#define CONVERSIONS_TEST_NOINLINE [[gnu::noinline]]
#else
#define CONVERSIONS_TEST_NOINLINE
#endif

// to_chars_fixed itself.
template <class T>
CONVERSIONS_TEST_NOINLINE std::to_chars_result fixed_write(char* first,
                                                           char* last, T v,
                                                           int base) {
  return conversions::to_chars_fixed(first, last, v, base);
}

// from_chars_fixed's own result, in the same form.
template <class T>
CONVERSIONS_TEST_NOINLINE Read<T> fixed_read(const char* first,
                                             const char* last, int base,
                                             T before) {
  T value = before;
  const auto r = conversions::from_chars_fixed(first, last, value, base);
  return {r.ptr - first, r.ec, value};
}

}  // namespace oracle

#endif  // CONVERSIONS_FIELDS_ORACLE_H
