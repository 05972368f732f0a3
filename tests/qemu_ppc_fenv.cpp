// glibc's fegetround, fegetexcept, feenableexcept and fedisableexcept read
// the FPSCR with mffsl, an ISA 3.0 instruction that older PowerPC cores run
// as mffs; qemu-ppc 7.2 models no ISA 3.0 core and stops the program on it.
// Under qemu the 32-bit PowerPC tests link these instead, which use mffs and
// mtfsf, so that the rounding and trap checks still run there.
#include <fenv.h>

#include <cstdint>
#include <cstring>

namespace {

// FE_INVALID .. FE_INEXACT are FPSCR bits 29..25 as flags; their trap
// enables VE .. XE are bits 7..3.
constexpr int kEnableShift = 22;

std::uint32_t read_fpscr() {
  double image;
  asm volatile("mffs %0" : "=f"(image));
  std::uint64_t bits;
  std::memcpy(&bits, &image, sizeof bits);
  return static_cast<std::uint32_t>(bits);
}

void write_fpscr(std::uint32_t fpscr) {
  const std::uint64_t bits = fpscr;
  double image;
  std::memcpy(&image, &bits, sizeof image);
  asm volatile("mtfsf 0xff, %0" : : "f"(image));
}

int enabled(std::uint32_t fpscr) {
  return static_cast<int>((fpscr << kEnableShift) & FE_ALL_EXCEPT);
}

}  // namespace

extern "C" {

int fegetround() noexcept { return static_cast<int>(read_fpscr() & 3); }

int fegetexcept() noexcept { return enabled(read_fpscr()); }

int feenableexcept(int excepts) noexcept {
  const std::uint32_t fpscr = read_fpscr();
  write_fpscr(fpscr | static_cast<std::uint32_t>(excepts & FE_ALL_EXCEPT) >>
                          kEnableShift);
  return enabled(fpscr);
}

int fedisableexcept(int excepts) noexcept {
  const std::uint32_t fpscr = read_fpscr();
  write_fpscr(fpscr & ~(static_cast<std::uint32_t>(excepts & FE_ALL_EXCEPT) >>
                        kEnableShift));
  return enabled(fpscr);
}

}  // extern "C"
