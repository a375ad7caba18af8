// Counts mismatches in a sweep and keeps the first few for the failure message.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

struct Mismatches {
    long count = 0;
    std::string first;
    template <class Describe>
    void note(Describe&& describe) {
        if (count++ < 10) {
            std::ostringstream os;
            describe(os);
            first += os.str() + "\n";
        }
    }
    // Notes a mismatch, described by the words given, unless ok.
    template <class... Words>
    void expect(bool ok, const Words&... words) {
        if (!ok) note([&](auto& os) { ((os << words << ' '), ...); });
    }
};

#define EXPECT_NO_MISMATCH(m) EXPECT_EQ((m).count, 0) << (m).first

// The bit pattern of a value (NaN payloads and signed zeros included), a
// value from its pattern, and equality of patterns.
template <class T>
std::uint64_t bits_of(T v) {
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof v);
    return b;
}
template <class T, class U>
T from_bits(U u) {
    T x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}
template <class T>
bool same_bits(T a, T b) { return std::memcmp(&a, &b, sizeof a) == 0; }
