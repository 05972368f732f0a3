// A user's shared object that uses the library and exports only this.
#include <conversions.h>

extern "C" __attribute__((visibility("default"))) unsigned plugin_round_trip(
    int v) {
  char buf[11];
  return conversions::my_itoa(v, buf, 10, 10) ? conversions::my_atoi(buf, 10)
                                              : 0u;
}
