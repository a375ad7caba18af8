// Initialization family against the C runtime on the same buffers:
// vdxsCopy_32f / memcpy, vdxsMove_32f / memmove (disjoint, and overlapping:
// moved up by one element), vdxsSet_32f / memset with a byte whose
// repetition is the same float, vdxsZero_32f / memset with zero; Flip,
// Copy_1u and PackBits on their own.  Sizes: 1K elements (4 KB, L1), 64K
// (256 KB, L2) and 4M (16 MB, beyond L2).  Throughput counts the bytes
// written.
//
//   bench/init_bench --benchmark_min_time=0.2
//
// The machine has few cores and the 4M cases are memory-bound: compare runs
// made together (--benchmark_repetitions with
// --benchmark_enable_random_interleaving), not single numbers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "vdxs.h"

namespace {

// Two 64-byte-aligned buffers of n floats (plus room for the shifted move),
// touched once before timing.
struct Buffers {
    explicit Buffers(int n) : len(n), src(vdxsMalloc_32f(n + 16)), dst(vdxsMalloc_32f(n + 16)) {
        for (int i = 0; i < n + 16; ++i) src[i] = static_cast<float>(i), dst[i] = 0.0f;
    }
    ~Buffers() {
        vdxsFree(src);
        vdxsFree(dst);
    }
    Buffers(const Buffers&) = delete;
    Buffers& operator=(const Buffers&) = delete;
    int len;
    Vdx32f* src;
    Vdx32f* dst;
};

void finish(benchmark::State& state, const Buffers& b) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * b.len * sizeof(float));
}

void BM_Copy_32f(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsCopy_32f(b.src, b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_memcpy(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::memcpy(b.dst, b.src, b.len * sizeof(float));
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

void BM_Move_32f(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsMove_32f(b.src, b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_memmove(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::memmove(b.dst, b.src, b.len * sizeof(float));
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

// Overlapping: the vector moved up by one element (a copy from the top down).
void BM_Move_32f_Overlap(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsMove_32f(b.dst, b.dst + 1, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_memmove_Overlap(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::memmove(b.dst + 1, b.dst, b.len * sizeof(float));
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

void BM_Set_32f(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    const std::uint32_t bits = 0x3F3F3F3Fu;  // as memset(dst, 0x3F, ...) writes
    float value;
    std::memcpy(&value, &bits, sizeof value);
    for (auto _ : state) {
        vdxsSet_32f(value, b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_Zero_32f(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsZero_32f(b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_memset(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::memset(b.dst, 0, b.len * sizeof(float));
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

// memset with a byte whose repetition is a float (0x3F3F3F3F), the baseline
// for Set; memset with zero is the baseline for Zero.
void BM_memset_3F(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::memset(b.dst, 0x3F, b.len * sizeof(float));
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

void BM_Flip_32f(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsFlip_32f(b.src, b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}
void BM_Flip_32f_I(benchmark::State& state) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vdxsFlip_32f_I(b.dst, b.len);
        benchmark::ClobberMemory();
    }
    finish(state, b);
}

// Bit strings: range(0) bits from bit 3 to bit 6 (every byte shifted).
void BM_Copy_1u(benchmark::State& state) {
    const int bits = static_cast<int>(state.range(0));
    std::vector<Vdx8u> src(bits / 8 + 2, 0x5A), dst(bits / 8 + 2, 0);
    for (auto _ : state) {
        vdxsCopy_1u(src.data(), 3, dst.data(), 6, bits);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (bits / 8));
}

// Fields of 1 to 32 bits.
void BM_PackBits_32u8u(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<Vdx32u> src(n);
    std::vector<int> widths(n);
    for (int i = 0; i < n; ++i) src[i] = 0x9E3779B9u * i, widths[i] = i % 32 + 1;
    std::vector<Vdx8u> dst(static_cast<std::size_t>(n) * 4 + 1);
    int bitLen = 0;
    for (auto _ : state) {
        vdxsPackBits_32u8u(src.data(), widths.data(), n, dst.data(), 5, &bitLen);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (bitLen / 8));
}

#define SIZES Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 22)
BENCHMARK(BM_Copy_32f)->SIZES;
BENCHMARK(BM_memcpy)->SIZES;
BENCHMARK(BM_Move_32f)->SIZES;
BENCHMARK(BM_memmove)->SIZES;
BENCHMARK(BM_Move_32f_Overlap)->SIZES;
BENCHMARK(BM_memmove_Overlap)->SIZES;
BENCHMARK(BM_Set_32f)->SIZES;
BENCHMARK(BM_Zero_32f)->SIZES;
BENCHMARK(BM_memset)->SIZES;
BENCHMARK(BM_memset_3F)->SIZES;
BENCHMARK(BM_Flip_32f)->SIZES;
BENCHMARK(BM_Flip_32f_I)->SIZES;
BENCHMARK(BM_Copy_1u)->Arg(1 << 13)->Arg(1 << 20);
BENCHMARK(BM_PackBits_32u8u)->Arg(1 << 10)->Arg(1 << 16);
#undef SIZES

}  // namespace
