// For internal tests that run every kernel variant directly: the variant
// tables this machine can run, and a scope that sets the caller's MXCSR.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include <string>
#include <vector>

#include "runtime/kernel_tables.h"
#include "vdxcore.h"

template <class Table>
struct KernelVariant {
    std::string name;
    const Table* k;
};

// Every variant that builds the family and whose features the core library
// reports (all that the machine has, unless some are hidden), floor first.
template <class Table>
std::vector<KernelVariant<Table>> kernel_variants(const vdx::KernelTables<Table>& tables) {
    std::vector<KernelVariant<Table>> v;
    for (int i = 0; i < vdx::kVariantCount; ++i) {
        const std::uint64_t needed = vdx::kVariants[i].features;
        if (tables.of[i] != nullptr && (i == 0 || ownGetFeature(needed) == needed))
            v.push_back({vdx::kVariants[i].name, tables.of[i]});
    }
    return v;
}

class CallerCsr {
public:
    explicit CallerCsr(unsigned csr) : saved_(_mm_getcsr()) { _mm_setcsr(csr); }
    ~CallerCsr() { _mm_setcsr(saved_); }

private:
    unsigned saved_;
};
