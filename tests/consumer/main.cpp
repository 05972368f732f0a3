// A program built against the installed package.
#include <conversions.h>

#include <cstdio>
#include <cstring>

int main() {
  char buf[11];
  const bool ok = conversions::truncate(-1.5f) == 4294967295u &&
                  conversions::my_itoa(123, buf, 10, 10) == buf &&
                  std::strcmp(buf, "0000000123") == 0 &&
                  conversions::my_atoi(buf, 10) == 123;
  std::puts(ok ? "consumer ok" : "consumer FAILED");
  return ok ? 0 : 1;
}
