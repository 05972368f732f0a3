// truncate with any bit pattern under any rounding mode: the model's result,
// the rounding mode left alone, and no floating-point flag but inexact.
#include <bit>
#include <cfenv>
#include <cstdint>

#include "conversions.h"
#include "fenv_guard.h"
#include "fuzz_input.h"
#include "model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzInput in{data, size};
  const auto bits = in.take<std::uint32_t>();
  constexpr int kModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD,
                            FE_TOWARDZERO};
  const int mode = kModes[in.take<std::uint8_t>() % 4];

  std::fesetround(mode);
  std::feclearexcept(FE_ALL_EXCEPT);
  const std::uint32_t got = conversions::truncate(std::bit_cast<float>(bits));
  const int raised = std::fetestexcept(kHarmfulExceptions);
  const int mode_after = std::fegetround();
  std::fesetround(FE_TONEAREST);

  FUZZ_CHECK(got == model::truncate(bits));
  FUZZ_CHECK(raised == 0);
  FUZZ_CHECK(mode_after == mode);
  return 0;
}
