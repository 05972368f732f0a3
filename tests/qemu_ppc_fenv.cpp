// glibc's fegetround, fegetexcept, feenableexcept and fedisableexcept read
// the FPSCR with mffsl, an ISA 3.0 instruction that older PowerPC cores run
// as mffs; qemu-ppc 7.2 models no ISA 3.0 core and stops the program on it.
// Under qemu the 32-bit PowerPC tests link these instead, so that the
// rounding and trap checks still run there.
#include <fenv.h>

#include <bit>
#include <cstdint>

namespace {

// The FPSCR is the low word of the double that mffs gives and mtfsf takes.
// The flags FE_INVALID .. FE_INEXACT are its bits 29..25, and their trap
// enables VE .. XE bits 7..3.
constexpr int kEnableShift = 22;

std::uint32_t read_fpscr() {
  double image;
  asm volatile("mffs %0" : "=f"(image));
  return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(image));
}

// Turns the trap enables of excepts on or off; returns those on before.
int set_enables(int excepts, bool on) {
  const std::uint32_t fpscr = read_fpscr();
  const std::uint32_t bits =
      static_cast<std::uint32_t>(excepts & FE_ALL_EXCEPT) >> kEnableShift;
  const std::uint64_t image = on ? fpscr | bits : fpscr & ~bits;
  asm volatile("mtfsf 0xff, %0" : : "f"(std::bit_cast<double>(image)));
  return static_cast<int>((fpscr << kEnableShift) & FE_ALL_EXCEPT);
}

}  // namespace

extern "C" {
int fegetround() noexcept { return static_cast<int>(read_fpscr() & 3); }
int fegetexcept() noexcept { return set_enables(0, true); }
int feenableexcept(int excepts) noexcept { return set_enables(excepts, true); }
int fedisableexcept(int excepts) noexcept {
  return set_enables(excepts, false);
}
}
