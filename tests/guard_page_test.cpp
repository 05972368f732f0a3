// Strings and buffers placed flush against an inaccessible page, so that a
// read or write of even one byte outside the contracted ones faults in every
// build, not only under a sanitizer, and wherever the bytes happen to lie.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "conversions.h"
#include "fields_oracle.h"
#include "model.h"

#if __has_include(<sys/mman.h>) && __has_include(<unistd.h>)
#include <sys/mman.h>
#include <unistd.h>
#define CONVERSIONS_HAVE_MPROTECT 1
#endif

namespace {

// One read-write page between two inaccessible ones.
class GuardedPage {
 public:
  GuardedPage() {
#ifdef CONVERSIONS_HAVE_MPROTECT
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* p =
        mmap(nullptr, 3 * page_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return;
    base_ = static_cast<char*>(p);
    if (mprotect(base_ + page_, page_, PROT_READ | PROT_WRITE) != 0) {
      munmap(base_, 3 * page_);
      base_ = nullptr;
    }
#endif
  }
  ~GuardedPage() {
#ifdef CONVERSIONS_HAVE_MPROTECT
    if (base_ != nullptr) munmap(base_, 3 * page_);
#endif
  }
  GuardedPage(const GuardedPage&) = delete;
  GuardedPage& operator=(const GuardedPage&) = delete;

  bool available() const { return base_ != nullptr; }
  // The n bytes right after the guard before them, or right before the guard
  // after them.
  char* after_front_guard() const { return base_ + page_; }
  char* before_back_guard(std::size_t n) const { return base_ + 2 * page_ - n; }

 private:
  char* base_ = nullptr;
  std::size_t page_ = 0;
};

// A call given exactly `size` bytes at `at`, which checks its own result.
struct Case {
  std::string what;
  std::size_t size;
  std::function<void(char* at, const std::string& where)> run;
};

// to_chars_fixed and from_chars_fixed on exactly width bytes: writing 0,
// the extremes and the largest value of width digits and its negative (too
// large or not); reading width top digits (too large past the type's
// digits), that with a '-' first and with a non-digit last.
template <class T>
void add_field_cases(std::vector<Case>& all, std::size_t width, int base) {
  using L = std::numeric_limits<T>;
  const std::string name = " in " + std::to_string(width) + " bytes, base " +
                           std::to_string(base) + ", " +
                           std::to_string(sizeof(T) * 8) +
                           (L::is_signed ? "-bit signed" : "-bit unsigned");
  T widest = 1;  // base^width, or as near as T goes
  for (std::size_t k = 0;
       k < width && widest <= L::max() / static_cast<T>(base); ++k) {
    widest = static_cast<T>(widest * static_cast<T>(base));
  }
  for (const T v : {T{0}, L::max(), L::min(), static_cast<T>(widest - 1),
                    static_cast<T>(1 - widest)}) {
    all.push_back(
        {"to_chars_fixed " + std::to_string(v) + name, width,
         [=](char* at, const std::string& where) {
           std::fill(at, at + width, '#');
           const auto r = oracle::fixed_write(at, at + width, v, base);
           EXPECT_EQ(r.ptr, at + width) << where;
           EXPECT_EQ(
               std::string(at, width),
               oracle::field(v, width, base).value_or(std::string(width, '#')))
               << where;
         }});
  }
  std::vector<std::string> texts = {
      std::string(width, "0123456789abcdefghijklmnopqrstuvwxyz"[base - 1])};
  if (width > 0) {
    texts.push_back('-' + texts[0].substr(1));
    texts.push_back(texts[0].substr(1) + '/');
  }
  for (const std::string& s : texts) {
    all.push_back({"from_chars_fixed \"" + s + '"' + name, width,
                   [=](char* at, const std::string& where) {
                     std::copy(s.begin(), s.end(), at);
                     EXPECT_EQ(oracle::fixed_read<T>(at, at + width, base, 42),
                               oracle::read<T>(at, at + width, base, 42))
                         << where;
                   }});
  }
}

std::vector<Case> cases() {
  std::vector<Case> all;
  const std::int32_t radixes[] = {10, 2, 7, 16, 36};

  // my_atoi: every length, of digits, of digits ending in a non-digit, and of
  // bytes from the whole range.
  for (std::size_t len = 0; len <= 40; ++len) {
    std::string patterns[3];
    for (std::size_t i = 0; i < len; ++i) {
      patterns[0] += static_cast<char>('0' + i % 10);
      patterns[2] += static_cast<char>(0x31 + 37 * i % 0xcf);  // never 0
    }
    patterns[1] = patterns[0];
    if (len > 0) patterns[1].back() = 'x';
    for (const std::string& s : patterns) {
      for (const std::int32_t radix : radixes) {
        all.push_back({"my_atoi \"" + s + "\" radix " + std::to_string(radix),
                       len + 1, [s, radix](char* at, const std::string& where) {
                         std::copy(s.c_str(), s.c_str() + s.size() + 1, at);
                         EXPECT_EQ(conversions::my_atoi(at, radix),
                                   model::my_atoi(s.c_str(), radix))
                             << where;
                       }});
      }
    }
  }

  // my_itoa: a buffer of buff_size + 1 bytes (at least 1), for values that
  // fit, that do not, and that fail before writing.
  const std::int32_t values[] = {0, 7, 123456789, INT_MAX, -5};
  for (std::int32_t width = -1; width <= 24; ++width) {
    const std::size_t size =
        width > 0 ? static_cast<std::size_t>(width) + 1 : 1;
    for (const std::int32_t a : values) {
      for (const std::int32_t radix : radixes) {
        all.push_back(
            {"my_itoa " + std::to_string(a) + " width " +
                 std::to_string(width) + " radix " + std::to_string(radix),
             size, [=](char* at, const std::string& where) {
               std::string expected(size, '#');
               const bool fits =
                   model::my_itoa(a, expected.data(), width, radix) != nullptr;
               std::fill(at, at + size, '#');
               char* result = conversions::my_itoa(a, at, width, radix);
               EXPECT_EQ(result, fits ? at : nullptr) << where;
               EXPECT_EQ(std::string(at, size), expected) << where;
             }});
      }
    }
  }

  for (std::size_t width = 0; width <= 24; ++width) {
    for (const int base : {10, 16, 2, 7, 36}) {
      add_field_cases<std::uint32_t>(all, width, base);
      add_field_cases<std::int32_t>(all, width, base);
      add_field_cases<std::uint64_t>(all, width, base);
      add_field_cases<std::int64_t>(all, width, base);
    }
  }

  // reverse_char: every length.
  for (std::uint32_t len = 0; len <= 24; ++len) {
    all.push_back({"reverse_char " + std::to_string(len), len,
                   [len](char* at, const std::string& where) {
                     std::string s;
                     for (std::uint32_t i = 0; i < len; ++i) {
                       s += static_cast<char>('a' + i);
                     }
                     std::copy(s.begin(), s.end(), at);
                     conversions::reverse_char(at, len);
                     std::reverse(s.begin(), s.end());
                     EXPECT_EQ(std::string(at, len), s) << where;
                   }});
  }
  return all;
}

TEST(GuardPages, OnlyTheContractedBytesAreTouched) {
  const GuardedPage page;
  if (!page.available()) GTEST_SKIP() << "no mmap and mprotect here";
  for (const Case& c : cases()) {
    c.run(page.after_front_guard(), c.what + ", after a guard page");
    c.run(page.before_back_guard(c.size), c.what + ", before a guard page");
  }
}

}  // namespace
