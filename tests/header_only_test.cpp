// Header-only mode in a program of several translation units: each routine
// and table is one entity, the same in every unit, as the one-definition
// rule requires (an anonymous namespace would give each unit its own copy).
#include <gtest/gtest.h>

#include "conversions.h"

const void* const* other_tu_addresses();

namespace {

TEST(HeaderOnly, EveryTranslationUnitSharesOneDefinition) {
  const void* const here[] = {
      reinterpret_cast<const void*>(&conversions::truncate),
      reinterpret_cast<const void*>(&conversions::my_itoa),
      reinterpret_cast<const void*>(&conversions::my_atoi),
      reinterpret_cast<const void*>(&conversions::reverse_char),
      conversions::detail::kDigitPairs.data()};
  const void* const* there = other_tu_addresses();
  for (std::size_t i = 0; i < std::size(here); ++i) {
    EXPECT_EQ(here[i], there[i]) << "entity " << i;
  }
}

}  // namespace
