// Compiled to assembly, never run, by header_only_inline.cmake: header-only
// calls with constant radixes and width, as users write them.
#include <conversions.h>

unsigned parse(const char* s) { return conversions::my_atoi(s, 10); }
char* format4(int v, char* buf) { return conversions::my_itoa(v, buf, 4, 10); }
