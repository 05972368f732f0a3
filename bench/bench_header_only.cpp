// Header-only mode as callers write it: width and radix are constants at the
// call site, so the routines inline and fold to one path. Beside each, the
// peer a user would pick instead: fmt::format_int (digits alone, and with the
// same '0' padding and 0 byte), strlen + std::from_chars, and the bare cast.
//
//   bench_header_only [google benchmark flags]
//   bench_header_only --count CALLS   (for callgrind.sh)
// CONVERSIONS_HEADER_ONLY comes from the conversions::header_only target.
#include <charconv>

#include "conversions.h"
#include "harness.h"

namespace {

using bench::g;
using bench::make_case;

// Forced inline into the benchmark's loop, as into any caller: before the
// constant width folds them, the routines look too big to inline.
template <int W>
[[gnu::always_inline]] inline std::uintptr_t itoa(std::size_t i) {
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(g.decimal[W][i], bench::g_buffer, W, 10));
}
template <int L>
[[gnu::always_inline]] inline std::uintptr_t atoi(std::size_t i) {
  return conversions::my_atoi(g.string(L, i), 10);
}
template <int L>
std::uintptr_t from_chars(std::size_t i) {
  const char* s = g.string(L, i);
  std::uint32_t value = 0;
  std::from_chars(s, s + std::strlen(s), value);
  return value;
}
[[gnu::always_inline]] inline std::uintptr_t truncate(std::size_t i) {
  return conversions::truncate(g.floats[i]);
}

const std::string kItoa = "header-only my_itoa(v, buf, W, 10)";
const std::string kAtoi = "header-only my_atoi(str, 10)";

template <int... W>
void add_widths(std::vector<bench::Case>& all,
                std::integer_sequence<int, W...>) {
  (all.push_back(
       make_case<itoa<W + 1>>(kItoa, "my_itoa", "w" + std::to_string(W + 1))),
   ...);
  (all.push_back(make_case<bench::format_int<W + 1>>(
       kItoa, "fmt::format_int", "w" + std::to_string(W + 1))),
   ...);
  (all.push_back(make_case<bench::format_int_padded<W + 1>>(
       kItoa, "format_int+pad", "w" + std::to_string(W + 1))),
   ...);
}
template <int... L>
void add_lengths(std::vector<bench::Case>& all,
                 std::integer_sequence<int, L...>) {
  (all.push_back(
       make_case<atoi<L + 1>>(kAtoi, "my_atoi", "len" + std::to_string(L + 1))),
   ...);
  (all.push_back(make_case<from_chars<L + 1>>(kAtoi, "strlen+from_chars",
                                              "len" + std::to_string(L + 1))),
   ...);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<bench::Case> all;
  add_widths(all, std::make_integer_sequence<int, 10>{});
  add_lengths(all, std::make_integer_sequence<int, 16>{});
  all.push_back(make_case<truncate>("header-only truncate", "truncate", ""));
  all.push_back(
      make_case<bench::cast>("header-only truncate", "static_cast", ""));
  return bench::main(argc, argv, all);
}
