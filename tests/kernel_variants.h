// For internal tests that run every kernel variant directly: the variant
// tables this machine can run, and a scope that sets the caller's MXCSR.
#pragma once

#include <immintrin.h>

#include <string>
#include <vector>

template <class Table>
struct KernelVariant {
    std::string name;
    const Table* k;
};

// The SSE4.1 table always; the AVX2+FMA one where the processor has both.
template <class Table>
std::vector<KernelVariant<Table>> kernel_variants(const Table& sse41, const Table& avx2) {
    std::vector<KernelVariant<Table>> v = {{"sse41", &sse41}};
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) v.push_back({"avx2", &avx2});
    return v;
}

class CallerCsr {
public:
    explicit CallerCsr(unsigned csr) : saved_(_mm_getcsr()) { _mm_setcsr(csr); }
    ~CallerCsr() { _mm_setcsr(saved_); }

private:
    unsigned saved_;
};
