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
      EXPECT_EQ(std::fetestexcept(kHarmfulExceptions), 0)
          << std::hex << "bits 0x" << c.bits << " mode " << mode;
      EXPECT_EQ(std::fegetround(), mode);
    }
  }
  std::fesetround(FE_TONEAREST);
}

TEST(Truncate, NeverTrapsWithTrapsEnabled) {
  const TrapGuard traps;
  if (!traps.enabled()) GTEST_SKIP() << "no floating-point traps here";
  // A trap would end the process with SIGFPE.
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

}  // namespace
