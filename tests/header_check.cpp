// Compiled, never run, by header_test.cmake: the header on its own, its
// version against the project's, and a caller that drops my_itoa's result.
#include <conversions.h>

static_assert(CONVERSIONS_VERSION_MAJOR == EXPECTED_MAJOR &&
                  CONVERSIONS_VERSION_MINOR == EXPECTED_MINOR &&
                  CONVERSIONS_VERSION_PATCH == EXPECTED_PATCH,
              "the header's version is not project(VERSION)");
static_assert(CONVERSIONS_VERSION == EXPECTED_MAJOR * 10000 +
                                         EXPECTED_MINOR * 100 + EXPECTED_PATCH,
              "CONVERSIONS_VERSION does not combine the three");

bool format(char* buf) {
#ifdef DROP_RESULT
  conversions::my_itoa(123, buf, 2, 10);
  return true;
#else
  return conversions::my_itoa(123, buf, 2, 10) != nullptr;
#endif
}

#if __cplusplus >= 201703L
// The field templates instantiated, at the header test's -O0.
bool fields(char* first, char* last, long& value) {
  return conversions::to_chars_fixed(first, last, value, 16).ec ==
             std::errc{} &&
         conversions::from_chars_fixed(first, last, value).ec == std::errc{};
}
#endif
