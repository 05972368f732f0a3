// Numeric conversions between floats, integers and fixed-width digit strings.
//
// Every routine is a plain function on caller-owned storage: no state, no
// allocation, no exceptions, and the same bytes on every target. Integers are
// 32 bits wide and wrap modulo 2^32 where a result is unsigned.
//
// Digit alphabet: the digit of value d is the byte 48 + d (its low 8 bits), so
// 0..9 are '0'..'9' and 10..15 are ':' ';' '<' '=' '>' '?', not letters. A
// character's value is its code read as a signed 8-bit number, minus 48,
// whatever the signedness of plain char. Formatting and parsing agree for
// radixes 2 to 80.
#ifndef CONVERSIONS_H
#define CONVERSIONS_H

#include <cstdint>

// The version of this header, also the version of the library and of its
// packages. CONVERSIONS_VERSION combines them as major * 10000 + minor * 100 +
// patch, for #if tests.
#define CONVERSIONS_VERSION_MAJOR 1
#define CONVERSIONS_VERSION_MINOR 2
#define CONVERSIONS_VERSION_PATCH 0
#define CONVERSIONS_VERSION                                              \
  (CONVERSIONS_VERSION_MAJOR * 10000 + CONVERSIONS_VERSION_MINOR * 100 + \
   CONVERSIONS_VERSION_PATCH)

// The four routines are the library's whole binary interface; everything else
// in it is hidden. CONVERSIONS_API marks them only where the library is a
// shared object. A static build defines CONVERSIONS_STATIC for itself and its
// users (the CMake package and conversions.pc do that), so that a shared
// object linking the archive does not export the routines as its own. A DLL
// build defines CONVERSIONS_BUILDING_DLL for itself and CONVERSIONS_DLL for its
// users.
#if defined(CONVERSIONS_STATIC)
#define CONVERSIONS_API
#elif defined(_WIN32) || defined(__CYGWIN__)
#if defined(CONVERSIONS_BUILDING_DLL)
#define CONVERSIONS_API __declspec(dllexport)
#elif defined(CONVERSIONS_DLL)
#define CONVERSIONS_API __declspec(dllimport)
#else
#define CONVERSIONS_API
#endif
#elif defined(__GNUC__)
#define CONVERSIONS_API __attribute__((visibility("default")))
#else
#define CONVERSIONS_API
#endif

// Header-only mode: a program that defines CONVERSIONS_HEADER_ONLY before
// including this header gets every routine as an inline function, compiled
// into the caller, and links no library. Constant widths and radixes then fold
// away at the call site. One program uses one mode: a routine compiled both
// inline and from the library breaks the one-definition rule. The four
// routines' declarations need only C++11; header-only mode and the field
// templates need C++17.
#if __cplusplus >= 201703L || (defined(_MSVC_LANG) && _MSVC_LANG >= 201703L)
#define CONVERSIONS_CPP17 1
#else
#define CONVERSIONS_CPP17 0
#endif
#if defined(CONVERSIONS_HEADER_ONLY)
#if !CONVERSIONS_CPP17
#error \
    "conversions: header-only mode (CONVERSIONS_HEADER_ONLY) needs C++17 or later"
#endif
#define CONVERSIONS_FUNC inline
#else
#define CONVERSIONS_FUNC CONVERSIONS_API
#endif

// A result that must not be dropped: my_itoa's null result is its only report
// of failure, and the buffer then holds no terminated string. [[nodiscard]]
// only where the language has it (C++17 on), so that the header stays clean
// under C++11 and C++14 with -Wpedantic.
#if defined(__has_cpp_attribute) && CONVERSIONS_CPP17
#if __has_cpp_attribute(nodiscard)
#define CONVERSIONS_NODISCARD [[nodiscard]]
#endif
#endif
#ifndef CONVERSIONS_NODISCARD
#define CONVERSIONS_NODISCARD
#endif

namespace conversions {

// Converts f to a signed 64-bit integer, rounding toward zero, and returns the
// low 32 bits of that. NaN, the infinities and values whose integer part lies
// outside the signed 64-bit range give the intermediate -2^63, hence 0.
// Negative values wrap: -1.5f gives 4294967295. Leaves the rounding mode as it
// was and raises no invalid or overflow exception, so their traps never fire;
// inexact when a fraction is discarded, as any conversion does. (Compilers
// other than GCC and Clang, and 32-bit targets but x86, take an integer-only
// path, which raises nothing.)
CONVERSIONS_NODISCARD CONVERSIONS_FUNC std::uint32_t truncate(float f) noexcept;

// Reverses the len characters at a in place; a[len] is never touched. A len of
// 0 or a null a touches no memory.
CONVERSIONS_FUNC void reverse_char(char* a, std::uint32_t len) noexcept;

// Writes a as exactly buff_size digits in the given radix, most significant
// first, padded on the left with '0', then a 0 byte. Returns buffer on
// success, null on failure. Bytes written, and nothing else:
// - success: buff_size digits and the 0 byte (buff_size + 1 bytes);
// - a needs more than buff_size digits (buff_size > 0): the buff_size least
//   significant digits, least significant first, no 0 byte; returns null;
// - a == 0 and buff_size <= 0: one 0 byte (an empty digit string); returns
//   buffer;
// - every other failure writes nothing and returns null: buffer null, a
//   negative, radix below 1, or a > 0 with buff_size <= 0.
// A radix of 1 writes only '0' digits, so any a > 0 fails for lack of width.
// Radixes above 80 give digit bytes that my_atoi does not read back.
CONVERSIONS_NODISCARD CONVERSIONS_FUNC char* my_itoa(
    std::int32_t a, char* buffer, std::int32_t buff_size,
    std::int32_t radix) noexcept;

// Reads the 0-terminated string str as digits in the given radix, most
// significant first, and returns the value modulo 2^32. Every character
// counts as a digit: no sign, no blanks, no check against the radix and no
// overflow detection ("ff" in radix 16 is 918, "-12" in radix 10 is
// 4294967008). Any radix is used as the multiplier modulo 2^32. A null str or
// the empty string gives 0.
CONVERSIONS_NODISCARD CONVERSIONS_FUNC std::uint32_t my_atoi(
    const char* str, std::int32_t radix) noexcept;

}  // namespace conversions

#if CONVERSIONS_CPP17
#include <charconv>
#include <type_traits>

// The field templates are constexpr where the language can tell constant
// evaluation from a run (C++20); below that they are plain inline functions.
#if defined(__cpp_lib_is_constant_evaluated)
#define CONVERSIONS_CONSTEXPR20 constexpr
#else
#define CONVERSIONS_CONSTEXPR20
#endif

namespace conversions {

// Fixed-width fields, as records hold them. T is any integer type that
// std::to_chars takes, but bool. Digits above 9 are the letters 'a'..'z'
// (from_chars_fixed reads either case), unlike my_itoa's ':'..'?'. No 0 byte
// is written or needed, and on failure nothing is written and value keeps
// its value.

// Writes value in base (2..36) as exactly last - first characters, padded on
// the left with '0'; a negative value as '-' and last - first - 1 padded
// digits, as printf's "%0*d" pads. Returns {last, errc{}}; if the value needs
// more characters than the range holds (an empty range holds none),
// {last, errc::value_too_large} and the range is unchanged; a base outside
// 2..36 or first > last, {first, errc::invalid_argument}.
template <class T>
CONVERSIONS_CONSTEXPR20 inline std::to_chars_result to_chars_fixed(
    char* first, char* last, T value, int base = 10) noexcept;

// Reads all of [first, last) as one number in base (2..36): leading zeros
// allowed, '-' first for a signed T, no '+', blank or prefix. Returns
// {last, errc{}} and sets value; on a character that is not a digit of base,
// an empty range or a lone '-', {the first offending character,
// errc::invalid_argument}; on a number outside T's range,
// {last, errc::result_out_of_range}; on a bad base,
// {first, errc::invalid_argument}. Never reads outside [first, last).
template <class T>
CONVERSIONS_CONSTEXPR20 inline std::from_chars_result from_chars_fixed(
    const char* first, const char* last, T& value, int base = 10) noexcept;

}  // namespace conversions

// The templates' definitions, with the kernels they share with the routines.
#include "conversions-inl.h"
#endif

#endif  // CONVERSIONS_H
