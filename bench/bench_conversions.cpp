// Each routine against its nearest standard peer, in one run, at every width
// and length a caller uses. Prints the median ns per call (15 repetitions,
// interleaved at random) of each, a table by width, and the ratio
// project/peer.
//
//   bench_conversions [google benchmark flags]
//   bench_conversions --count CALLS   (runs every case CALLS times, one
//                                      callgrind dump each; see callgrind.sh)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "conversions.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name) (void)(name)
#endif

namespace {

constexpr std::size_t kInputs = 4096;  // a power of two: index & (kInputs-1)
constexpr std::size_t kStride = 32;    // bytes per input string
// Inputs by width: values that fit the width (my_itoa's success path) and
// digit strings of each length (zero-padded past ten digits, as my_itoa
// writes them).
std::vector<std::int32_t> g_decimal_values[13];
std::vector<std::int32_t> g_hex_values[9];
std::vector<char> g_strings[17];
std::vector<float> g_floats;  // uniform over +-3e9
// The radixes come from a variable, as a caller's would.
volatile std::int32_t g_radix10 = 10;
volatile std::int32_t g_radix16 = 16;
char g_buffer[32];

void make_inputs() {
  std::mt19937 rng(12345);
  std::int64_t power = 1;  // 10^w
  for (int w = 1; w <= 12; ++w) {
    power *= 10;
    std::uniform_int_distribution<std::int32_t> value(
        0, static_cast<std::int32_t>(
               std::min<std::int64_t>(power - 1, INT32_MAX)));
    for (std::size_t i = 0; i < kInputs; ++i) {
      g_decimal_values[w].push_back(value(rng));
    }
  }
  for (int w = 1; w <= 8; ++w) {
    const auto top = static_cast<std::int32_t>(
        w == 8 ? INT32_MAX : (std::int64_t{1} << (4 * w)) - 1);
    std::uniform_int_distribution<std::int32_t> value(0, top);
    for (std::size_t i = 0; i < kInputs; ++i) {
      g_hex_values[w].push_back(value(rng));
    }
  }
  std::uniform_int_distribution<int> digit('0', '9');
  std::uniform_int_distribution<std::int32_t> any(0, INT32_MAX);
  for (int len = 1; len <= 16; ++len) {
    g_strings[len].assign(kInputs * kStride, 0);
    for (std::size_t i = 0; i < kInputs; ++i) {
      char* s = &g_strings[len][i * kStride];
      if (len <= 10) {
        for (int k = 0; k < len; ++k) s[k] = static_cast<char>(digit(rng));
        if (len == 10) std::snprintf(s, kStride, "%010d", any(rng));
      } else {
        std::snprintf(s, kStride, "%0*d", len, any(rng));
      }
    }
  }
  std::uniform_real_distribution<float> real(-3e9f, 3e9f);
  for (std::size_t i = 0; i < kInputs; ++i) g_floats.push_back(real(rng));
}

// std::to_chars, then the digits moved right and '0' in front: the same
// fixed-width, 0-terminated text as my_itoa.
void to_chars_padded(std::int32_t v, int width, int radix) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, v, radix).ptr;
  const auto n = static_cast<std::size_t>(end - digits);
  const auto w = static_cast<std::size_t>(width);
  std::memset(g_buffer, '0', w - n);
  std::memcpy(g_buffer + w - n, digits, n);
  g_buffer[w] = 0;
}

// One call on input i, per case. Each returns something to keep.
template <int W>
std::uintptr_t itoa10(std::size_t i) {
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(g_decimal_values[W][i], g_buffer, W, g_radix10));
}
template <int W>
std::uintptr_t to_chars10(std::size_t i) {
  to_chars_padded(g_decimal_values[W][i], W, g_radix10);
  return 0;
}
template <int W>
std::uintptr_t itoa16(std::size_t i) {
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(g_hex_values[W][i], g_buffer, W, g_radix16));
}
template <int W>
std::uintptr_t to_chars16(std::size_t i) {
  to_chars_padded(g_hex_values[W][i], W, g_radix16);
  return 0;
}
template <int L>
std::uintptr_t atoi10(std::size_t i) {
  return conversions::my_atoi(&g_strings[L][i * kStride], g_radix10);
}
template <int L>
std::uintptr_t from_chars10(std::size_t i) {
  const char* s = &g_strings[L][i * kStride];
  std::uint32_t value = 0;
  std::from_chars(s, s + std::strlen(s), value, g_radix10);
  return value;
}
std::uintptr_t snprintf10(std::size_t i) {
  return static_cast<std::uintptr_t>(std::snprintf(
      g_buffer, sizeof g_buffer, "%010d", g_decimal_values[10][i]));
}
std::uintptr_t strtoul10(std::size_t i) {
  return std::strtoul(&g_strings[10][i * kStride], nullptr, g_radix10);
}
std::uintptr_t truncate_f(std::size_t i) {
  return conversions::truncate(g_floats[i]);
}
std::uintptr_t cast_f(std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(g_floats[i]));
}
// The loop alone, for callgrind.sh to subtract.
std::uintptr_t loop_only(std::size_t i) { return i; }

template <std::uintptr_t (*Once)(std::size_t)>
void run(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Once(i));
    benchmark::ClobberMemory();
    i = (i + 1) & (kInputs - 1);
  }
}

template <std::uintptr_t (*Once)(std::size_t)>
void count(long calls) {
  std::uintptr_t sink = 0;
  for (long k = 0; k < calls; ++k) {
    sink += Once(static_cast<std::size_t>(k) & (kInputs - 1));
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(sink);
}

// A routine and its peer at one width; width 0 for a case that has none.
struct Case {
  std::string routine, peer;
  int width;
  void (*bench)(benchmark::State&), (*peer_bench)(benchmark::State&);
  void (*count)(long), (*peer_count)(long);
};

template <std::uintptr_t (*Own)(std::size_t),
          std::uintptr_t (*Peer)(std::size_t)>
Case make_case(const char* routine, const char* peer, int width) {
  return {routine,    peer,        width,       &run<Own>,
          &run<Peer>, &count<Own>, &count<Peer>};
}

// Radix-10 widths 1 to 12, radix-16 widths 1 to 8, decimal lengths 1 to 16.
template <int... W>
void add_itoa10(std::vector<Case>& all, std::integer_sequence<int, W...>) {
  (all.push_back(make_case<itoa10<W + 1>, to_chars10<W + 1>>(
       "my_itoa/10", "to_chars+pad/10", W + 1)),
   ...);
}
template <int... W>
void add_itoa16(std::vector<Case>& all, std::integer_sequence<int, W...>) {
  (all.push_back(make_case<itoa16<W + 1>, to_chars16<W + 1>>(
       "my_itoa/16", "to_chars+pad/16", W + 1)),
   ...);
}
template <int... L>
void add_atoi10(std::vector<Case>& all, std::integer_sequence<int, L...>) {
  (all.push_back(make_case<atoi10<L + 1>, from_chars10<L + 1>>(
       "my_atoi/10", "strlen+from_chars/10", L + 1)),
   ...);
}

std::vector<Case> all_cases() {
  std::vector<Case> all;
  add_itoa10(all, std::make_integer_sequence<int, 12>{});
  add_itoa16(all, std::make_integer_sequence<int, 8>{});
  add_atoi10(all, std::make_integer_sequence<int, 16>{});
  all.push_back(
      make_case<itoa10<10>, snprintf10>("my_itoa/10", "snprintf(%010d)", 10));
  all.push_back(make_case<atoi10<10>, strtoul10>("my_atoi/10", "strtoul", 10));
  all.push_back(
      make_case<truncate_f, cast_f>("truncate", "static_cast<int64>", 0));
  return all;
}

std::string name(const std::string& routine, int width) {
  return width == 0 ? routine : routine + "/w" + std::to_string(width);
}

// Every case CALLS times, each followed by a callgrind dump named after it;
// outside valgrind the requests do nothing.
void count_all(const std::vector<Case>& all, long calls) {
  std::map<std::string, void (*)(long)> runs{{"loop", &count<loop_only>}};
  for (const Case& c : all) {
    runs.emplace(name(c.routine, c.width), c.count);
    runs.emplace(name(c.peer, c.width), c.peer_count);
  }
  for (const auto& [what, fn] : runs) {
    CALLGRIND_ZERO_STATS;
    fn(calls);
    CALLGRIND_DUMP_STATS_AT(what.c_str());
  }
}

// Keeps the median of each case's repetitions.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> median_ns;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.aggregate_name == "median") {
        median_ns[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  make_inputs();
  const std::vector<Case> all = all_cases();
  if (argc == 3 && std::strcmp(argv[1], "--count") == 0) {
    count_all(all, std::atol(argv[2]));
    return 0;
  }
  std::map<std::string, void (*)(benchmark::State&)> benches;
  for (const Case& c : all) {
    benches.emplace(name(c.routine, c.width), c.bench);
    benches.emplace(name(c.peer, c.width), c.peer_bench);
  }
  for (const auto& [what, fn] : benches) {
    benchmark::RegisterBenchmark(what.c_str(), fn);
  }
  // 15 repetitions of every case, interleaved at random, so that a noisy
  // spell of the machine hits a routine and its peer alike. Flags given on
  // the command line come later and win.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  char repetitions[] = "--benchmark_repetitions=15";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  char min_time[] = "--benchmark_min_time=0.05";
  args.insert(args.begin() + 1,
              {interleave, repetitions, aggregates, min_time});
  int args_count = static_cast<int>(args.size());
  benchmark::Initialize(&args_count, args.data());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (reporter.median_ns.empty()) return 0;  // listing only, or filtered out

  std::printf("\n%-12s %5s %9s  %-22s %9s %6s\n", "routine", "width", "ns/call",
              "peer", "ns/call", "ratio");
  for (const Case& c : all) {
    const double own = reporter.median_ns[name(c.routine, c.width)];
    const double peer = reporter.median_ns[name(c.peer, c.width)];
    if (own == 0 || peer == 0) continue;  // filtered out
    std::printf("%-12s %5d %9.2f  %-22s %9.2f %6.2f\n", c.routine.c_str(),
                c.width, own, c.peer.c_str(), peer, own / peer);
  }
  return 0;
}
