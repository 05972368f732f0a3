// truncdemo: waits for a character, prints one truncated constant, waits for
// one more character, exits 0.
#include <cstdint>
#include <cstdio>

#include "conversions.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main() {
#ifdef _WIN32
  // The line is the same 12 bytes everywhere: LF, not CR LF.
  (void)_setmode(_fileno(stdout), _O_BINARY);
#endif
  const float f = -29139.822265625f;
  (void)std::getc(stdin);
  // Read the 32-bit result as signed before widening, so that a 64-bit long
  // prints -29139 and not 4294938157.
  const auto z = static_cast<std::int32_t>(conversions::truncate(f));
  // A literal format, which the compiler checks against the argument.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
  (void)std::printf("z  = %ld\n", static_cast<long>(z));
  // On a pipe or a file stdout is fully buffered: without this the line would
  // wait there until exit, after the second key, and a program driving this
  // one could not see it before sending that key.
  (void)std::fflush(stdout);
  (void)std::getc(stdin);
  return 0;
}
