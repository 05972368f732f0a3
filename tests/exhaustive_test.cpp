// Every one of the 2^32 float bit patterns against the model, with traps
// enabled where the platform has them, and no harmful flag raised.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>

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
