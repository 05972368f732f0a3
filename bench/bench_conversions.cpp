// Each routine against its nearest standard peer, in one run. Prints the
// median ns per call (15 repetitions) of each and the ratio project/peer.
//
//   bench_conversions [google benchmark flags]
//   bench_conversions --count NAME CALLS   (runs one case CALLS times, for
//                                           instruction counts under callgrind)
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "conversions.h"

namespace {

constexpr std::size_t kInputs = 4096;  // a power of two: index & (kInputs-1)
std::vector<std::int32_t> g_values;    // random, 0 to INT_MAX
std::vector<std::string> g_decimal;    // 10-digit strings of g_values
std::vector<float> g_floats;           // uniform over +-3e9
// The radixes come from a variable, as a caller's would.
volatile std::int32_t g_radix10 = 10;
volatile std::int32_t g_radix16 = 16;
char g_buffer[32];

void make_inputs() {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<std::int32_t> value(0, INT32_MAX);
  std::uniform_real_distribution<float> real(-3e9f, 3e9f);
  char text[16];
  for (std::size_t i = 0; i < kInputs; ++i) {
    g_values.push_back(value(rng));
    std::snprintf(text, sizeof text, "%010d", g_values.back());
    g_decimal.emplace_back(text);
    g_floats.push_back(real(rng));
  }
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
std::uintptr_t itoa10(std::size_t i) {
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(g_values[i], g_buffer, 10, g_radix10));
}
std::uintptr_t to_chars10(std::size_t i) {
  to_chars_padded(g_values[i], 10, g_radix10);
  return 0;
}
std::uintptr_t snprintf10(std::size_t i) {
  return static_cast<std::uintptr_t>(
      std::snprintf(g_buffer, sizeof g_buffer, "%010d", g_values[i]));
}
std::uintptr_t itoa16(std::size_t i) {
  return reinterpret_cast<std::uintptr_t>(
      conversions::my_itoa(g_values[i], g_buffer, 8, g_radix16));
}
std::uintptr_t to_chars16(std::size_t i) {
  to_chars_padded(g_values[i], 8, g_radix16);
  return 0;
}
std::uintptr_t atoi10(std::size_t i) {
  return conversions::my_atoi(g_decimal[i].c_str(), g_radix10);
}
std::uintptr_t from_chars10(std::size_t i) {
  const char* s = g_decimal[i].c_str();
  std::uint32_t value = 0;
  std::from_chars(s, s + std::strlen(s), value, g_radix10);
  return value;
}
std::uintptr_t strtoul10(std::size_t i) {
  return std::strtoul(g_decimal[i].c_str(), nullptr, g_radix10);
}
std::uintptr_t truncate_f(std::size_t i) {
  return conversions::truncate(g_floats[i]);
}
std::uintptr_t cast_f(std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(g_floats[i]));
}

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

struct Case {
  const char* name;
  const char* peer_of;  // null for the project's own routines
  void (*bench)(benchmark::State&);
  void (*count)(long);
};

#define CASE(name, peer_of, fn) \
  { name, peer_of, &run<fn>, &count<fn> }
const Case kCases[] = {
    CASE("my_itoa/10", nullptr, itoa10),
    CASE("to_chars+pad/10", "my_itoa/10", to_chars10),
    CASE("snprintf/10", "my_itoa/10", snprintf10),
    CASE("my_itoa/16", nullptr, itoa16),
    CASE("to_chars+pad/16", "my_itoa/16", to_chars16),
    CASE("my_atoi/10", nullptr, atoi10),
    CASE("strlen+from_chars/10", "my_atoi/10", from_chars10),
    CASE("strtoul/10", "my_atoi/10", strtoul10),
    CASE("truncate", nullptr, truncate_f),
    CASE("static_cast<int64>", "truncate", cast_f),
};
#undef CASE

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
  if (argc == 4 && std::strcmp(argv[1], "--count") == 0) {
    for (const auto& c : kCases) {
      if (std::strcmp(c.name, argv[2]) == 0) {
        c.count(std::atol(argv[3]));
        return 0;
      }
    }
    std::fprintf(stderr, "no case %s\n", argv[2]);
    return 1;
  }
  for (const auto& c : kCases) {
    benchmark::RegisterBenchmark(c.name, c.bench)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true)
        ->MinTime(0.1);
  }
  // Repetitions of all cases interleaved at random, so that a noisy spell
  // of the machine hits a routine and its peer alike; flags given on the
  // command line come later and win.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int args_count = static_cast<int>(args.size());
  benchmark::Initialize(&args_count, args.data());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (reporter.median_ns.empty()) return 0;  // listing only, or filtered out

  std::printf("\n%-22s %10s %-22s %10s %8s\n", "routine", "ns/call", "peer",
              "ns/call", "ratio");
  for (const auto& c : kCases) {
    if (c.peer_of == nullptr) continue;
    const double own = reporter.median_ns[c.peer_of];
    const double peer = reporter.median_ns[c.name];
    if (own == 0 || peer == 0) continue;  // filtered out
    std::printf("%-22s %10.2f %-22s %10.2f %8.2f\n", c.peer_of, own, c.name,
                peer, own / peer);
  }
  return 0;
}
