// What the two benchmark programs share: the inputs, the timed and the
// counted loops, and the tables they print.
//
// A case is one call on input i, returning something to keep, in a table
// (group), a column (the routine or a peer) and a row (a width, a length or
// another label). The program prints, per table, the median ns per call of
// each column (15 repetitions, interleaved at random, so that a noisy spell
// of the machine hits a routine and its peers alike) and the first column's
// ratio to each of the others. With --count CALLS it instead runs every case
// CALLS times, one callgrind dump each, named group|column|row, for
// bench/callgrind.sh.
#ifndef CONVERSIONS_BENCH_HARNESS_H
#define CONVERSIONS_BENCH_HARNESS_H

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name) (void)(name)
#endif

namespace bench {

inline constexpr std::size_t kInputs = 4096;  // a power of two
inline constexpr std::size_t kStride = 48;    // bytes per input string
inline constexpr int kLongest = 32;           // digits in the longest string

// Inputs by width: values that fit the width (my_itoa's success path), and
// decimal strings of each length, zero-padded past ten digits as my_itoa
// writes them.
struct Inputs {
  std::vector<std::int32_t> decimal[13], hex[9];
  std::vector<char> strings[kLongest + 1];
  std::vector<float> floats;  // uniform over +-3e9

  Inputs() {
    std::mt19937 rng(12345);
    std::int64_t power = 1;  // 10^w
    for (int w = 1; w <= 12; ++w) {
      power *= 10;
      fill(decimal[w], rng, std::min<std::int64_t>(power - 1, INT32_MAX));
    }
    for (int w = 1; w <= 8; ++w) {
      fill(hex[w], rng, w == 8 ? INT32_MAX : (std::int64_t{1} << (4 * w)) - 1);
    }
    std::uniform_int_distribution<int> digit('0', '9');
    std::uniform_int_distribution<std::int32_t> any(0, INT32_MAX);
    for (int len = 0; len <= kLongest; ++len) {
      strings[len].assign(kInputs * kStride, 0);
      for (std::size_t i = 0; i < kInputs; ++i) {
        char* s = &strings[len][i * kStride];
        if (len < 10) {
          for (int k = 0; k < len; ++k) s[k] = static_cast<char>(digit(rng));
        } else {
          std::snprintf(s, kStride, "%0*d", len, any(rng));
        }
      }
    }
    std::uniform_real_distribution<float> real(-3e9f, 3e9f);
    for (std::size_t i = 0; i < kInputs; ++i) floats.push_back(real(rng));
  }
  const char* string(int len, std::size_t i) const {
    return &strings[len][i * kStride];
  }

 private:
  static void fill(std::vector<std::int32_t>& v, std::mt19937& rng,
                   std::int64_t top) {
    std::uniform_int_distribution<std::int32_t> value(
        0, static_cast<std::int32_t>(top));
    for (std::size_t i = 0; i < kInputs; ++i) v.push_back(value(rng));
  }
};

inline const Inputs g;
inline char g_buffer[kStride];

// The peers shared by both programs, each writing what my_itoa writes: W
// digits, '0' in front, a 0 byte; except fmt::format_int alone, which writes
// the digits only, into its own buffer.
inline void pad(const char* digits, std::size_t n, std::size_t width) {
  std::memset(g_buffer, '0', width - n);
  std::memcpy(g_buffer + width - n, digits, n);
  g_buffer[width] = 0;
}
template <int W>
std::uintptr_t format_int(std::size_t i) {
  const fmt::format_int f(g.decimal[W][i]);
  benchmark::DoNotOptimize(f);
  return f.size();
}
template <int W>
std::uintptr_t format_int_padded(std::size_t i) {
  const fmt::format_int f(g.decimal[W][i]);
  pad(f.data(), f.size(), W);
  return 0;
}
inline std::uintptr_t cast(std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(g.floats[i]));
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

// The loop alone, which callgrind.sh subtracts.
inline std::uintptr_t loop_only(std::size_t i) { return i; }

struct Case {
  std::string group, column, row;
  void (*bench)(benchmark::State&);
  void (*count)(long);
  std::string name() const { return group + "|" + column + "|" + row; }
};

template <std::uintptr_t (*Once)(std::size_t)>
Case make_case(std::string group, std::string column, std::string row) {
  return {std::move(group), std::move(column), std::move(row), &run<Once>,
          &count<Once>};
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

// The tables: per group, a row per label, a column per routine or peer, in
// the order the cases came; then the first column's ratio to each other.
inline void print_tables(const std::vector<Case>& all,
                         const std::map<std::string, double>& ns) {
  std::vector<std::string> groups;
  for (const Case& c : all) {
    if (std::find(groups.begin(), groups.end(), c.group) == groups.end()) {
      groups.push_back(c.group);
    }
  }
  for (const std::string& g : groups) {
    std::vector<std::string> columns, rows;
    std::map<std::pair<std::string, std::string>, double> cell;
    for (const Case& c : all) {
      if (c.group != g || !ns.count(c.name())) continue;
      if (std::find(columns.begin(), columns.end(), c.column) == columns.end())
        columns.push_back(c.column);
      if (std::find(rows.begin(), rows.end(), c.row) == rows.end())
        rows.push_back(c.row);
      cell[{c.row, c.column}] = ns.at(c.name());
    }
    if (columns.empty()) continue;
    std::printf("\n%s, ns per call; then %s / each other column\n%-18s",
                g.c_str(), columns[0].c_str(), "");
    for (const auto& col : columns) std::printf(" %14.14s", col.c_str());
    std::printf("\n");
    for (const auto& row : rows) {
      std::printf("%-18s", row.c_str());
      for (const auto& col : columns) {
        const auto it = cell.find({row, col});
        if (it == cell.end()) {
          std::printf(" %14s", "");
        } else {
          std::printf(" %14.2f", it->second);
        }
      }
      const auto own = cell.find({row, columns[0]});
      for (std::size_t k = 1; own != cell.end() && k < columns.size(); ++k) {
        const auto it = cell.find({row, columns[k]});
        if (it == cell.end()) {
          std::printf(" %5s", "");
        } else {
          std::printf(" %5.2f", own->second / it->second);
        }
      }
      std::printf("\n");
    }
  }
}

inline int main(int argc, char** argv, const std::vector<Case>& all) {
  if (argc == 3 && std::strcmp(argv[1], "--count") == 0) {
    const long calls = std::atol(argv[2]);
    std::vector<std::pair<std::string, void (*)(long)>> runs = {
        {"loop", &count<loop_only>}};
    for (const Case& c : all) runs.emplace_back(c.name(), c.count);
    for (const auto& [what, fn] : runs) {
      CALLGRIND_ZERO_STATS;
      fn(calls);
      CALLGRIND_DUMP_STATS_AT(what.c_str());
    }
    return 0;
  }
  for (const Case& c : all) {
    benchmark::RegisterBenchmark(c.name().c_str(), c.bench);
  }
  // Flags given on the command line come later and win.
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
  print_tables(all, reporter.median_ns);
  return 0;
}

}  // namespace bench

#endif  // CONVERSIONS_BENCH_HARNESS_H
