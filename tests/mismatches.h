// Counts mismatches in a sweep and keeps the first few for the failure message.
#pragma once

#include <gtest/gtest.h>

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
};

#define EXPECT_NO_MISMATCH(m) EXPECT_EQ((m).count, 0) << (m).first
