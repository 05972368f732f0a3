#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>

#include "conversions.h"
#include "fenv_guard.h"
#include "model.h"

namespace {

struct TruncateCase {
  std::uint32_t bits;
  std::uint32_t expected;
};

constexpr TruncateCase kCases[] = {
    {0xC6E3A7A5, 4294938157},  // -29139.822265625
    {0x46E3A7A5, 29139},       // 29139.822265625
    {0x3F000000, 0},           // 0.5
    {0xBF7FFFFF, 0},           // -0.99999994
    {0x3F800000, 1},           // 1.0
    {0xBF800000, 4294967295},  // -1.0
    {0xBFC00000, 4294967295},  // -1.5
    {0x4F000000, 2147483648},  // 2^31
    {0xCF000000, 2147483648},  // -2^31
    {0x4F800000, 0},           // 2^32
    {0x4F32D05E, 3000000000},  // 3e9
    {0xCF32D05E, 1294967296},  // -3e9
    {0x501502F9, 1410065408},  // 1e10
    {0xD01502F9, 2884901888},  // -1e10
    {0x5EFFFFFF, 0},           // largest float below 2^63
    {0x5F000000, 0},           // 2^63: out of range
    {0xDF000000, 0},           // -2^63: in range
    {0x7F7FFFFF, 0},           // largest finite
    {0x7F800000, 0},           // +infinity
    {0xFF800000, 0},           // -infinity
    {0x7FC00000, 0},           // quiet NaN
    {0xFFC00001, 0},           // negative quiet NaN with payload
    {0x7F800001, 0},           // signalling NaN
    {0x00000001, 0},           // smallest subnormal
    {0x807FFFFF, 0},           // largest negative subnormal
    {0x00000000, 0},           // +0
    {0x80000000, 0},           // -0
};

constexpr int kRoundingModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD,
                                  FE_TOWARDZERO};

// The flags a call may leave: inexact when a fraction is discarded (a finite,
// in-range value that is not an integer), where the conversion is one
// instruction (GCC and Clang on 64-bit targets and 32-bit x86); the
// integer-only path raises nothing.
#if defined(__GNUC__) && !defined(CONVERSIONS_PORTABLE) && \
    (UINTPTR_MAX > 0xffffffffu || defined(__i386__))
constexpr bool kHardwareConversion = true;
#else
constexpr bool kHardwareConversion = false;
#endif
int expected_flags(std::uint32_t bits) {
  const std::uint32_t exponent = bits >> 23 & 0xff;
  const std::uint32_t magnitude = bits & 0x7fffffff;
  bool fraction = false;
  if (magnitude != 0 && exponent < 127) {
    fraction = true;  // 0 < |f| < 1
  } else if (exponent >= 127 && exponent < 150) {
    fraction = (bits & ((1u << (150 - exponent)) - 1)) != 0;
  }
  return kHardwareConversion && fraction ? FE_INEXACT : 0;
}

TEST(Truncate, TableUnderEveryRoundingModeLeavesEnvironmentAlone) {
  for (const int mode : kRoundingModes) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (const auto& c : kCases) {
      std::feclearexcept(FE_ALL_EXCEPT);
      // The bits stay an integer up to the call: on 32-bit x86 merely
      // loading a signalling NaN into an x87 register raises FE_INVALID.
      const volatile std::uint32_t bits = c.bits;
      EXPECT_EQ(conversions::truncate(std::bit_cast<float>(bits)), c.expected)
          << std::hex << "bits 0x" << c.bits << " mode " << mode;
      EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), expected_flags(c.bits))
          << std::hex << "bits 0x" << c.bits << " mode " << mode;
      EXPECT_EQ(std::fegetround(), mode);
    }
  }
  std::fesetround(FE_TONEAREST);
}

TEST(Truncate, InvalidOverflowUnderflowAndDivideTrapsNeverFire) {
  const TrapGuard traps;
  if (!traps.enabled()) GTEST_SKIP() << "no floating-point traps here";
  // A trap would end the process with SIGFPE. (The inexact trap is left
  // off: a discarded fraction raises inexact, as any conversion does.)
  for (const auto& c : kCases) {
    EXPECT_EQ(conversions::truncate(std::bit_cast<float>(c.bits)), c.expected);
  }
}

// A quick sample of every exponent with varied fractions, against the model;
// the sweep over all 2^32 patterns is a separate, slower test.
TEST(Truncate, AgreesWithModelOnEveryExponent) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::uint32_t mismatches = 0;
  for (std::uint32_t high = 0; high < (1u << 9); ++high) {
    for (std::uint32_t low : {0u, 1u, 0x1234u, 0x400000u, 0x7FFFFEu, 0x7FFFFFu,
                              0x2AAAAAu, 0x555555u}) {
      const std::uint32_t bits = high << 23 | low;
      if (conversions::truncate(std::bit_cast<float>(bits)) !=
          model::truncate(bits)) {
        ADD_FAILURE() << std::hex << "bits 0x" << bits;
        if (++mismatches == 10) return;
      }
    }
  }
  EXPECT_EQ(std::fetestexcept(kHarmfulExceptions), 0);
}

// GCC's vectoriser once converted the raw inputs of a loop of inlined calls
// with vcvttps2qq and chose the results afterwards, raising FE_INVALID for
// NaN and the infinities. The loop is built for AVX-512 so that it can be
// vectorised that way wherever this file is built with -O3.
#if defined(__GNUC__) && defined(__x86_64__)
[[gnu::target("avx512f,avx512dq,avx512vl"), gnu::noinline]] void
truncate_all_avx512(const float* in, std::uint32_t* out, int n) {
  for (int i = 0; i < n; ++i) out[i] = conversions::truncate(in[i]);
}
#endif

TEST(Truncate, VectorisedLoopRaisesNoInvalid) {
#if defined(__GNUC__) && defined(__x86_64__)
  if (!__builtin_cpu_supports("avx512dq") ||
      !__builtin_cpu_supports("avx512vl")) {
    GTEST_SKIP() << "skipped: this CPU has no AVX-512";
  }
  constexpr std::uint32_t kOutOfRange[] = {0x7FC00000, 0xFFC00001, 0x7F800000,
                                           0xFF800000, 0x5F000000, 0xDF000000};
  float in[64];
  std::uint32_t out[64];
  for (int i = 0; i < 64; ++i) in[i] = std::bit_cast<float>(kOutOfRange[i % 6]);
  std::feclearexcept(FE_ALL_EXCEPT);
  truncate_all_avx512(in, out, 64);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
  for (const std::uint32_t r : out) EXPECT_EQ(r, 0u);
#else
  GTEST_SKIP() << "skipped: not x86-64";
#endif
}

}  // namespace
