// Floating-point environment helpers for the truncation tests.
#ifndef CONVERSIONS_TESTS_FENV_GUARD_H
#define CONVERSIONS_TESTS_FENV_GUARD_H

#include <cfenv>

// Inexact is allowed, as for any float operation; these four are not.
constexpr int kHarmfulExceptions =
    FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO;

// Enables traps for the harmful exceptions while alive, where the platform
// has them (glibc's feenableexcept; some hardware, such as most ARM cores,
// cannot trap and reports so).
class TrapGuard {
 public:
  TrapGuard() {
    std::feclearexcept(FE_ALL_EXCEPT);
#if defined(__GLIBC__)
    enabled_ = feenableexcept(kHarmfulExceptions) != -1 &&
               fegetexcept() == kHarmfulExceptions;
#endif
  }
  ~TrapGuard() {
#if defined(__GLIBC__)
    fedisableexcept(FE_ALL_EXCEPT);
#endif
  }
  TrapGuard(const TrapGuard&) = delete;
  TrapGuard& operator=(const TrapGuard&) = delete;
  bool enabled() const { return enabled_; }

 private:
  bool enabled_ = false;
};

#endif  // CONVERSIONS_TESTS_FENV_GUARD_H
