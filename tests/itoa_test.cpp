#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

#include "conversions.h"

namespace {

using namespace std::string_literals;

constexpr char kFill = '#';
constexpr std::size_t kGuard = 16;

// A buffer with guard bytes on both sides; reports exactly which bytes a call
// wrote, assuming it wrote a prefix of the usable area.
struct GuardedBuffer {
  std::array<char, 2 * kGuard + 64> bytes;
  GuardedBuffer() { bytes.fill(kFill); }
  char* data() { return bytes.data() + kGuard; }
  std::string around() const { return {bytes.begin(), bytes.end()}; }
  // The whole buffer as it should be after `written` was written at data().
  static std::string expect(const std::string& written) {
    std::string all(2 * kGuard + 64, kFill);
    all.replace(kGuard, written.size(), written);
    return all;
  }
};

struct ItoaCase {
  std::int32_t a;
  std::int32_t buff_size;
  std::int32_t radix;
  std::string written;  // every byte written, from index 0
  bool succeeds;
};

const ItoaCase kItoaCases[] = {
    // Fits the width: digits, most significant first, then the 0 byte.
    {123, 10, 10, "0000000123\0"s, true},
    {123, 3, 10, "123\0"s, true},
    {99, 2, 10, "99\0"s, true},
    {0, 4, 10, "0000\0"s, true},
    {255, 8, 2, "11111111\0"s, true},
    {255, 2, 16, "??\0"s, true},
    {10, 2, 16, "0:\0"s, true},
    {35, 2, 36, "0S\0"s, true},
    {16, 1, 17, "@\0"s, true},
    {17, 2, 18, "0A\0"s, true},
    {INT_MAX, 10, 10, "2147483647\0"s, true},
    {INT_MAX, 12, 10, "002147483647\0"s, true},
    {INT_MAX, 8, 16, "7???????\0"s, true},
    {INT_MAX, 31, 2, std::string(31, '1') + '\0', true},
    // Too large for the width: the low digits, least significant first, and
    // no 0 byte.
    {123, 2, 10, "32", false},
    {100, 2, 10, "00", false},
    {1000, 3, 10, "000", false},
    {INT_MAX, 9, 10, "746384741", false},
    {256, 2, 16, "00", false},
    // Width of 0 or less.
    {5, 0, 10, "", false},
    {1, -1, 10, "", false},
    {0, 0, 10, "\0"s, true},
    {0, -1, 10, "\0"s, true},
    {0, INT_MIN, 10, "\0"s, true},
    // Negative values fail before writing.
    {-5, 3, 10, "", false},
    {-1, 0, 10, "", false},
    {INT_MIN, 12, 10, "", false},
    // Radixes below 1 fail before writing, with no division.
    {5, 3, 0, "", false},
    {0, 3, 0, "", false},
    {0, 0, 0, "", false},
    {5, 3, -1, "", false},
    {INT_MAX, 3, INT_MIN, "", false},
    // Radix 1: every digit is '0', so any positive value runs out of width.
    {0, 3, 1, "000\0"s, true},
    {1, 3, 1, "000", false},
    {5, 0, 1, "", false},
    // Radixes near INT_MAX: the digit byte is the low 8 bits of 48 + d.
    {INT_MAX - 1, 1, INT_MAX, ".\0"s, true},  // 48 + 2147483646 = 0x8000002E
    {INT_MAX, 2, INT_MAX, "10\0"s, true},
    {INT_MAX, 1, INT_MAX, "0", false},
    // Radixes above 80: bytes of 128 or more, and a 0 byte for digit 208.
    {80, 1, 81, "\x80\0"s, true},
    {200, 2, 256, "0\xF8\0"s, true},
    {208, 1, 256, "\0\0"s, true},
};

TEST(MyItoa, WritesExactlyTheContractedBytes) {
  for (const auto& c : kItoaCases) {
    GuardedBuffer buf;
    char* result = conversions::my_itoa(c.a, buf.data(), c.buff_size, c.radix);
    const auto where = ::testing::Message()
                       << "a=" << c.a << " buff_size=" << c.buff_size
                       << " radix=" << c.radix;
    EXPECT_EQ(result, c.succeeds ? buf.data() : nullptr) << where;
    EXPECT_EQ(buf.around(), GuardedBuffer::expect(c.written)) << where;
  }
}

TEST(MyItoa, NullBufferFails) {
  EXPECT_EQ(conversions::my_itoa(7, nullptr, 4, 10), nullptr);
  EXPECT_EQ(conversions::my_itoa(0, nullptr, 0, 10), nullptr);
  EXPECT_EQ(conversions::my_itoa(-1, nullptr, 4, 0), nullptr);
}

struct ReverseCase {
  std::uint32_t len;
  std::string_view after;
};

TEST(ReverseChar, ReversesThePrefixOnly) {
  constexpr ReverseCase kCases[] = {{6, "fedcba"},
                                    {5, "edcbaf"},
                                    {2, "bacdef"},
                                    {1, "abcdef"},
                                    {0, "abcdef"}};
  for (const auto& c : kCases) {
    std::string s = "abcdef";
    conversions::reverse_char(s.data(), c.len);
    EXPECT_EQ(s, c.after) << "len " << c.len;
  }
}

TEST(ReverseChar, EveryShortLengthMatchesStdReverseAndStaysInBounds) {
  for (std::uint32_t len = 0; len <= 40; ++len) {
    GuardedBuffer buf;
    for (std::uint32_t i = 0; i < len; ++i) {
      buf.data()[i] = static_cast<char>('A' + i);
    }
    std::string expected = buf.around();
    const auto first = expected.begin() + static_cast<std::ptrdiff_t>(kGuard);
    std::reverse(first, first + static_cast<std::ptrdiff_t>(len));
    conversions::reverse_char(buf.data(), len);
    EXPECT_EQ(buf.around(), expected) << "len " << len;
  }
}

TEST(ReverseChar, NullPointerTouchesNothing) {
  conversions::reverse_char(nullptr, 0);
  conversions::reverse_char(nullptr, 5);
}

}  // namespace
