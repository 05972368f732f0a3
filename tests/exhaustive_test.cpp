// Slow sweeps: float bit patterns against the model, with traps enabled where
// the platform has them and no harmful flag raised; and a string of over 2^31
// characters.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include "conversions.h"
#include "fenv_guard.h"
#include "model.h"

namespace {

// count patterns first, first + step, ...; each is swept with the sign bit
// clear and set, so first + (count - 1) * step stays below 2^31.
struct Span {
  std::uint32_t first;
  std::uint32_t count;
  std::uint32_t step;
};

#if CONVERSIONS_SAMPLED_SWEEP
// Under qemu every float costs some thirteen times as much, so the sweep takes
// the patterns where the result changes form, a few ULPs either side, and a
// fixed stride through the rest: over 2^24 patterns in all.
std::vector<Span> sweep_spans() {
  constexpr std::uint32_t kUlps = 4;
  constexpr auto around = [](std::uint32_t bits) {
    return Span{bits - kUlps, 2 * kUlps + 1, 1};
  };
  std::vector<Span> spans = {
      {0, kUlps + 1, 1},               // zero and the smallest subnormals
      {0, 0x7fffff / 1021 + 1, 1021},  // the subnormals, strided
      around(0x800000),                // largest subnormal, smallest normal
      around(0x7f800000),  // largest finite, infinity, first NaN payloads
      around(0x7fc00000),  // last signalling NaN, first quiet one
      {0x7fffffff - kUlps, kUlps + 1, 1},  // the last NaN payloads
      {0, 0x7fffffff / 251 + 1, 251},      // the rest, strided
  };
  // 2^0 to 2^64: where the integer part gains a bit, wraps modulo 2^32
  // (2^32) and leaves the 64-bit range (2^63).
  for (std::uint32_t e = 0; e <= 64; ++e)
    spans.push_back(around((127 + e) << 23));
  return spans;
}
#else
std::vector<Span> sweep_spans() { return {{0, 0x80000000u, 1}}; }
#endif

TEST(TruncateSweep, MatchesModelWithTrapsEnabled) {
  const TrapGuard traps;
  std::uint64_t checked = 0;
  std::uint64_t mismatches = 0;
  for (const Span& span : sweep_spans()) {
    for (const std::uint32_t sign : {0u, 0x80000000u}) {
      std::uint32_t bits = span.first;
      for (std::uint32_t i = 0; i < span.count; ++i, bits += span.step) {
        const std::uint32_t b = bits | sign;
        if (conversions::truncate(std::bit_cast<float>(b)) !=
                model::truncate(b) &&
            ++mismatches <= 10) {
          ADD_FAILURE() << std::hex << "bits 0x" << b;
        }
      }
      checked += span.count;
    }
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_GE(checked, std::uint64_t{1} << 24);
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
