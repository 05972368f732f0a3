// Floating-point environment helpers for the truncation tests.
#ifndef CONVERSIONS_TESTS_FENV_GUARD_H
#define CONVERSIONS_TESTS_FENV_GUARD_H

#include <cfenv>

#if !defined(__GLIBC__) && defined(_WIN32) && defined(__SSE2__)
#include <xmmintrin.h>
#define CONVERSIONS_TRAPS_MXCSR 1
#endif

// Inexact is allowed, as for any float operation; these four are not.
constexpr int kHarmfulExceptions =
    FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO;

// Enables traps for the harmful exceptions while alive, where the platform
// has them: glibc's feenableexcept, or the SSE control register on Windows.
// Some hardware, such as most ARM cores, cannot trap and reports so.
class TrapGuard {
 public:
  TrapGuard() {
    std::feclearexcept(FE_ALL_EXCEPT);
#if defined(__GLIBC__)
    enabled_ = feenableexcept(kHarmfulExceptions) != -1 &&
               fegetexcept() == kHarmfulExceptions;
#elif defined(CONVERSIONS_TRAPS_MXCSR)
    saved_csr_ = _mm_getcsr();
    constexpr unsigned kMasks = _MM_MASK_INVALID | _MM_MASK_OVERFLOW |
                                _MM_MASK_UNDERFLOW | _MM_MASK_DIV_ZERO;
    _mm_setcsr(saved_csr_ & ~kMasks);
    enabled_ = true;
#endif
  }
  ~TrapGuard() {
#if defined(__GLIBC__)
    fedisableexcept(FE_ALL_EXCEPT);
#elif defined(CONVERSIONS_TRAPS_MXCSR)
    _mm_setcsr(saved_csr_);
#endif
  }
  TrapGuard(const TrapGuard&) = delete;
  TrapGuard& operator=(const TrapGuard&) = delete;
  bool enabled() const { return enabled_; }

 private:
  bool enabled_ = false;
#if defined(CONVERSIONS_TRAPS_MXCSR)
  unsigned saved_csr_ = 0;
#endif
};

#endif  // CONVERSIONS_TESTS_FENV_GUARD_H
