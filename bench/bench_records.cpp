// Records as a program writes and reads them: an 8-digit decimal id, 4 hex
// digits and a signed 11-character amount ("00012345beef-0000012345\n"), one
// fixed-size line each, all written into one buffer, then read back and
// checked. Three ways, each as a newcomer would write it:
// (a) to_chars_fixed and from_chars_fixed;
// (b) std::to_chars with the same '0' padding, and std::from_chars with the
//     same checks (the whole field read, no error);
// (c) fmt::format_to for writing. fmt has no parser: its read column is left
//     empty, since it would be (b)'s.
// Every written buffer is compared with the expected bytes and every read
// with the original records; any difference fails the program. The variants
// take turns in each repetition, in an order shuffled each time; the program
// prints the median times and (a)'s ratio to the others.
//
//   bench_records [--records N] [--repetitions R]
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "conversions.h"

namespace {

struct Record {
  std::uint32_t id;
  std::uint16_t code;
  std::int32_t amount;
  bool operator==(const Record&) const = default;
};
constexpr std::size_t kLine = 8 + 4 + 11 + 1;

// (a) to_chars_fixed and from_chars_fixed.
bool write_fields(const std::vector<Record>& records, char* out) {
  using conversions::to_chars_fixed;
  for (const Record& r : records) {
    if (to_chars_fixed(out, out + 8, r.id).ec != std::errc{} ||
        to_chars_fixed(out + 8, out + 12, r.code, 16).ec != std::errc{} ||
        to_chars_fixed(out + 12, out + 23, r.amount).ec != std::errc{}) {
      return false;
    }
    out[23] = '\n';
    out += kLine;
  }
  return true;
}

bool read_fields(const char* in, std::vector<Record>& records) {
  using conversions::from_chars_fixed;
  for (Record& r : records) {
    if (from_chars_fixed(in, in + 8, r.id).ec != std::errc{} ||
        from_chars_fixed(in + 8, in + 12, r.code, 16).ec != std::errc{} ||
        from_chars_fixed(in + 12, in + 23, r.amount).ec != std::errc{}) {
      return false;
    }
    in += kLine;
  }
  return true;
}

// (b) std::to_chars and std::from_chars, padded and checked by hand.

// Writes value into [first, last), '0'-padded after any '-'; false if it
// does not fit.
template <class T>
bool put(char* first, char* last, T value, int base = 10) {
  char text[24];
  const auto [end, ec] = std::to_chars(text, std::end(text), value, base);
  if (ec != std::errc{} || end - text > last - first) return false;
  char* digits = text;
  if (*digits == '-') *first++ = *digits++;
  std::fill(first, last - (end - digits), '0');
  std::copy(digits, end, last - (end - digits));
  return true;
}

// The whole of [first, last) as one number.
template <class T>
bool get(const char* first, const char* last, T& value, int base = 10) {
  const auto [end, ec] = std::from_chars(first, last, value, base);
  return ec == std::errc{} && end == last;
}

bool write_std(const std::vector<Record>& records, char* out) {
  for (const Record& r : records) {
    if (!put(out, out + 8, r.id) || !put(out + 8, out + 12, r.code, 16) ||
        !put(out + 12, out + 23, r.amount)) {
      return false;
    }
    out[23] = '\n';
    out += kLine;
  }
  return true;
}

bool read_std(const char* in, std::vector<Record>& records) {
  for (Record& r : records) {
    if (!get(in, in + 8, r.id) || !get(in + 8, in + 12, r.code, 16) ||
        !get(in + 12, in + 23, r.amount)) {
      return false;
    }
    in += kLine;
  }
  return true;
}

// (c) fmt::format_to, which pads but checks no width.
bool write_fmt(const std::vector<Record>& records, char* out) {
  for (const Record& r : records) {
    out = fmt::format_to(out, "{:08}{:04x}{:011}\n", r.id, r.code, r.amount);
  }
  return true;
}

// Ids of up to 8 digits, any 16-bit code, amounts of 1 to 10 digits of
// either sign.
std::vector<Record> make_records(std::size_t n) {
  std::mt19937 rng(2024);
  std::uniform_int_distribution<std::uint32_t> id(0, 99999999), digits(1, 10);
  std::uniform_int_distribution<std::uint32_t> code(0, 0xffff);
  std::vector<Record> records(n);
  for (Record& r : records) {
    std::int64_t top = 1;
    for (std::uint32_t k = digits(rng); k > 0; --k) top *= 10;
    std::uniform_int_distribution<std::int64_t> amount(
        1 - std::min<std::int64_t>(top, 0x80000000),
        std::min<std::int64_t>(top - 1, 0x7fffffff));
    r = {id(rng), static_cast<std::uint16_t>(code(rng)),
         static_cast<std::int32_t>(amount(rng))};
  }
  return records;
}

struct Variant {
  const char* name;
  bool (*write)(const std::vector<Record>&, char*);
  bool (*read)(const char*, std::vector<Record>&);
  std::vector<double> write_ms, read_ms;
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2]
                      : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double ms_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t n = 1000000;
  int repetitions = 11;
  for (int k = 1; k + 1 < argc; k += 2) {
    if (std::strcmp(argv[k], "--records") == 0) {
      n = std::strtoul(argv[k + 1], nullptr, 10);
    } else if (std::strcmp(argv[k], "--repetitions") == 0) {
      repetitions = std::atoi(argv[k + 1]);
    }
  }
  const std::vector<Record> records = make_records(n);
  std::string expected(n * kLine, '\0');
  for (std::size_t i = 0; i < n; ++i) {
    const Record& r = records[i];
    std::snprintf(&expected[i * kLine], kLine + 1, "%08u%04x%011d\n",
                  static_cast<unsigned>(r.id), static_cast<unsigned>(r.code),
                  static_cast<int>(r.amount));
  }

  std::vector<Variant> variants = {
      {"(a) to_chars_fixed / from_chars_fixed",
       write_fields,
       read_fields,
       {},
       {}},
      {"(b) std::to_chars / std::from_chars", write_std, read_std, {}, {}},
      {"(c) fmt::format_to", write_fmt, nullptr, {}, {}}};
  std::vector<std::size_t> order = {0, 1, 2};
  std::mt19937 shuffle(7);
  std::vector<char> buffer(n * kLine);
  std::size_t failures = 0;
  for (int rep = 0; rep < repetitions; ++rep) {
    std::shuffle(order.begin(), order.end(), shuffle);
    for (const std::size_t k : order) {
      Variant& v = variants[k];
      std::fill(buffer.begin(), buffer.end(), '#');
      auto start = std::chrono::steady_clock::now();
      const bool wrote = v.write(records, buffer.data());
      v.write_ms.push_back(ms_since(start));
      if (!wrote || std::memcmp(buffer.data(), expected.data(), n * kLine)) {
        std::fprintf(stderr, "%s: wrote the wrong bytes\n", v.name);
        ++failures;
      }
      if (v.read == nullptr) continue;
      std::vector<Record> back(n, Record{0, 0, 0});
      start = std::chrono::steady_clock::now();
      const bool read = v.read(expected.data(), back);
      v.read_ms.push_back(ms_since(start));
      std::size_t mismatches = 0;
      for (std::size_t i = 0; i < n; ++i)
        mismatches += !(back[i] == records[i]);
      if (!read || mismatches > 0) {
        std::fprintf(stderr, "%s: read failed, %zu records differ\n", v.name,
                     mismatches);
        ++failures;
      }
    }
  }

  std::printf("%zu records of %zu bytes, %d repetitions; median ms\n", n, kLine,
              repetitions);
  std::printf("%-40s %9s %9s\n", "", "write", "read");
  for (const Variant& v : variants) {
    std::printf("%-40s %9.2f", v.name, median(v.write_ms));
    if (v.read_ms.empty()) {
      std::printf(" %9s\n", "-");
    } else {
      std::printf(" %9.2f\n", median(v.read_ms));
    }
  }
  const double a_write = median(variants[0].write_ms);
  std::printf("%-40s %9.2f %9.2f\n", "(a) / (b)",
              a_write / median(variants[1].write_ms),
              median(variants[0].read_ms) / median(variants[1].read_ms));
  std::printf("%-40s %9.2f\n", "(a) / (c)",
              a_write / median(variants[2].write_ms));
  if (failures > 0) {
    std::fprintf(stderr, "FAILED: %zu wrong writes or reads\n", failures);
    return 1;
  }
  return 0;
}
