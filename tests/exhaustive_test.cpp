// Slow sweeps: every one of the 2^32 float bit patterns against the model,
// with traps enabled where the platform has them and no harmful flag raised;
// and a string of over 2^31 characters.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <string>

#include "conversions.h"
#include "fenv_guard.h"
#include "model.h"

namespace {

TEST(TruncateExhaustive, AllBitPatternsMatchModel) {
  const TrapGuard traps;
  std::uint64_t mismatches = 0;
  std::uint32_t bits = 0;
  do {
    if (conversions::truncate(std::bit_cast<float>(bits)) !=
        model::truncate(bits)) {
      if (++mismatches <= 10) ADD_FAILURE() << std::hex << "bits 0x" << bits;
    }
  } while (++bits != 0);
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(std::fetestexcept(kHarmfulExceptions), 0);
  EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

}  // namespace

// A string longer than INT_MAX characters is read to its end; a signed
// 32-bit length would wrap negative and read only the first character.
TEST(MyAtoiLongString, LongerThanInt32MaxIsReadWhole) {
  if (sizeof(std::size_t) < 8) GTEST_SKIP() << "needs a 64-bit address space";
  const std::string ones((std::size_t{1} << 31) + 1, '1');
  // In radix 1 the value is the number of '1' digits.
  EXPECT_EQ(conversions::my_atoi(ones.c_str(), 1), 2147483649u);
}
