// The library as users link it, width and radix known only at run time,
// beside 1.1.0 (when the build has it) and the peers a user would pick
// instead: std::to_chars and std::from_chars, snprintf and strtoul, and fmt.
// Built twice: calling into the plain static library, and with the library
// compiled in under link-time optimisation (see CMakeLists.txt).
//
//   bench_conversions [google benchmark flags]
//   bench_conversions --count CALLS   (for callgrind.sh)
#include <fmt/format.h>

#include <charconv>

#include "conversions.h"
#include "harness.h"

#if CONVERSIONS_BENCH_BASELINE
// 1.1.0, compiled with its namespace renamed, so that both are in one run.
namespace conversions_v110 {
char* my_itoa(std::int32_t, char*, std::int32_t, std::int32_t) noexcept;
std::uint32_t my_atoi(const char*, std::int32_t) noexcept;
std::uint32_t truncate(float) noexcept;
}  // namespace conversions_v110
#else
namespace conversions_v110 = conversions;  // named, never measured
#endif

namespace {

using bench::g;
using bench::g_buffer;
// The radix and width come from variables, as a caller's would.
template <int R>
volatile std::int32_t g_radix = R;

const std::vector<std::int32_t>& values(int radix, int width) {
  return radix == 16 ? g.hex[width] : g.decimal[width];
}

// my_itoa or 1.1.0's, radix R, width W, on values that fit width Fit (Fit >
// W: mostly failures).
template <auto Itoa, int R, int W, int Fit = W>
std::uintptr_t itoa(std::size_t i) {
  static volatile std::int32_t width = W;
  return reinterpret_cast<std::uintptr_t>(
      Itoa(values(R, Fit)[i], g_buffer, width, g_radix<R>));
}
template <auto Atoi, int R, int L>
std::uintptr_t atoi(std::size_t i) {
  return Atoi(g.string(L, i), g_radix<R>);
}
template <auto Truncate>
std::uintptr_t truncate(std::size_t i) {
  return Truncate(g.floats[i]);
}

// The peers beside those of harness.h, with the run-time radix and width.
template <int R, int W>
std::uintptr_t to_chars(std::size_t i) {
  char digits[32];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, values(R, W)[i], g_radix<R>)
          .ptr;
  bench::pad(digits, static_cast<std::size_t>(end - digits), W);
  return 0;
}
template <int W>
std::uintptr_t format_to(std::size_t i) {
  static volatile int width = W;
  *fmt::format_to(g_buffer, "{:0{}}", g.decimal[W][i], width) = 0;
  return 0;
}
template <int W>
std::uintptr_t snprintf10(std::size_t i) {
  return static_cast<std::uintptr_t>(
      std::snprintf(g_buffer, sizeof g_buffer, "%0*d", W, g.decimal[W][i]));
}
template <int L>
std::uintptr_t from_chars(std::size_t i) {
  const char* s = g.string(L, i);
  std::uint32_t value = 0;
  std::from_chars(s, s + std::strlen(s), value, g_radix<10>);
  return value;
}
template <int L>
std::uintptr_t strtoul10(std::size_t i) {
  return std::strtoul(g.string(L, i), nullptr, g_radix<10>);
}

using bench::cast;
using bench::format_int;
using bench::format_int_padded;
using bench::make_case;
std::string w(int width) { return "w" + std::to_string(width); }

// The routine's case and, when the build has it, 1.1.0's beside it.
template <std::uintptr_t (*Own)(std::size_t),
          std::uintptr_t (*Old)(std::size_t)>
void add_own(std::vector<bench::Case>& all, const std::string& group,
             const std::string& column, const std::string& row) {
  all.push_back(make_case<Own>(group, column, row));
  if (CONVERSIONS_BENCH_BASELINE)
    all.push_back(make_case<Old>(group, "1.1.0", row));
}

// A row of each table: the routine, 1.1.0 and the peers at width W.
template <int W>
void add_width(std::vector<bench::Case>& all) {
  const std::string row = w(W);
  add_own<itoa<conversions::my_itoa, 10, W>,
          itoa<conversions_v110::my_itoa, 10, W>>(all, "my_itoa radix 10",
                                                  "my_itoa", row);
  all.push_back(
      make_case<to_chars<10, W>>("my_itoa radix 10", "to_chars+pad", row));
  all.push_back(
      make_case<format_int<W>>("my_itoa radix 10", "fmt::format_int", row));
  all.push_back(make_case<format_int_padded<W>>("my_itoa radix 10",
                                                "format_int+pad", row));
  all.push_back(
      make_case<format_to<W>>("my_itoa radix 10", "fmt::format_to", row));
  if constexpr (W == 10) {
    all.push_back(
        make_case<snprintf10<W>>("my_itoa radix 10", "snprintf", row));
  }
  if constexpr (W <= 8) {
    add_own<itoa<conversions::my_itoa, 16, W>,
            itoa<conversions_v110::my_itoa, 16, W>>(all, "my_itoa radix 16",
                                                    "my_itoa", row);
    all.push_back(
        make_case<to_chars<16, W>>("my_itoa radix 16", "to_chars+pad", row));
  }
}
template <int L>
void add_length(std::vector<bench::Case>& all) {
  const std::string row = "len" + std::to_string(L);
  add_own<atoi<conversions::my_atoi, 10, L>,
          atoi<conversions_v110::my_atoi, 10, L>>(all, "my_atoi radix 10",
                                                  "my_atoi", row);
  all.push_back(
      make_case<from_chars<L>>("my_atoi radix 10", "strlen+from_chars", row));
  if constexpr (L == 10) {
    all.push_back(make_case<strtoul10<L>>("my_atoi radix 10", "strtoul", row));
  }
}
// The rest, which must not get slower: other radixes, failures, widths and
// lengths past the tables above, and truncate.
template <auto Itoa, auto Atoi, auto Truncate>
void add_others(std::vector<bench::Case>& all, const std::string& column) {
  const std::string g = "other";
  all.push_back(make_case<itoa<Itoa, 2, 16>>(g, column, "itoa r2 w16"));
  all.push_back(make_case<itoa<Itoa, 8, 8>>(g, column, "itoa r8 w8"));
  all.push_back(make_case<itoa<Itoa, 10, 4, 8>>(g, column, "itoa r10 w4 fail"));
  all.push_back(make_case<itoa<Itoa, 16, 4, 8>>(g, column, "itoa r16 w4 fail"));
  all.push_back(make_case<itoa<Itoa, 10, 16, 10>>(g, column, "itoa r10 w16"));
  all.push_back(make_case<itoa<Itoa, 16, 12, 8>>(g, column, "itoa r16 w12"));
  all.push_back(make_case<atoi<Atoi, 10, 0>>(g, column, "atoi len0"));
  all.push_back(make_case<atoi<Atoi, 10, 20>>(g, column, "atoi len20"));
  all.push_back(make_case<atoi<Atoi, 10, 32>>(g, column, "atoi len32"));
  all.push_back(make_case<atoi<Atoi, 16, 8>>(g, column, "atoi r16 len8"));
  all.push_back(make_case<truncate<Truncate>>(g, column, "truncate"));
}

template <int... W>
std::vector<bench::Case> all_cases(std::integer_sequence<int, W...>) {
  std::vector<bench::Case> all;
  (add_width<W + 1>(all), ...);
  (add_length<W + 1>(all), ...);
  add_others<conversions::my_itoa, conversions::my_atoi, conversions::truncate>(
      all, "this");
#if CONVERSIONS_BENCH_BASELINE
  add_others<conversions_v110::my_itoa, conversions_v110::my_atoi,
             conversions_v110::truncate>(all, "1.1.0");
#endif
  all.push_back(make_case<cast>("other", "static_cast", "truncate"));
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  // Widths 1 to 12 (radix 16: to 8), lengths 1 to 16 (12 + 4).
  auto all = all_cases(std::make_integer_sequence<int, 12>{});
  add_length<13>(all);
  add_length<14>(all);
  add_length<15>(all);
  add_length<16>(all);
  return bench::main(argc, argv, all);
}
