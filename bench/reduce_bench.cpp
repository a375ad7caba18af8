// Reductions against plain loops (compiled here at the library's baseline
// flags and -O3; without -ffast-math the compiler keeps a float sum serial),
// and the 4M-element sum against copies of the same vector.
//
// Throughput counts the bytes of the source vector once for every contender
// (a copy also writes as many).  The argument is the length in elements.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

std::vector<float> random_floats(int n) {
    std::mt19937 rng(n);
    std::vector<float> v(n);
    for (auto& e : v) e = std::uniform_real_distribution<float>(-1000.0f, 1000.0f)(rng);
    return v;
}

template <class Body>
void run(benchmark::State& state, Body body) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> v = random_floats(n);
    for (auto _ : state) body(v.data(), n);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * n * sizeof(float));
}

// ---- plain loops

[[gnu::noinline]] float plain_sum(const float* x, int n) {
    float s = 0;
    for (int i = 0; i < n; ++i) s += x[i];
    return s;
}
[[gnu::noinline]] double plain_sum_double(const float* x, int n) {
    double s = 0;
    for (int i = 0; i < n; ++i) s += x[i];
    return s;
}
[[gnu::noinline]] int plain_max_indx(const float* x, int n, float* m) {
    float best = x[0];
    int at = 0;
    for (int i = 1; i < n; ++i) {
        if (x[i] > best) {
            best = x[i];
            at = i;
        }
    }
    *m = best;
    return at;
}
[[gnu::noinline]] void plain_min_max(const float* x, int n, float* mn, float* mx) {
    float a = x[0], b = x[0];
    for (int i = 1; i < n; ++i) {
        a = x[i] < a ? x[i] : a;
        b = x[i] > b ? x[i] : b;
    }
    *mn = a;
    *mx = b;
}

// ---- contenders

void Sum_32f_Fast(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float r;
        vdxsSum_32f(x, n, &r, vdxAlgHintFast);
        benchmark::DoNotOptimize(r);
    });
}
void Sum_32f_Accurate(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float r;
        vdxsSum_32f(x, n, &r, vdxAlgHintAccurate);
        benchmark::DoNotOptimize(r);
    });
}
void PlainSum_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) { benchmark::DoNotOptimize(plain_sum(x, n)); });
}
void PlainSumDouble_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) { benchmark::DoNotOptimize(plain_sum_double(x, n)); });
}
void Copy_32f(benchmark::State& s) {
    std::vector<float> d(s.range(0));
    run(s, [&](const float* x, int n) {
        vdxsCopy_32f(x, d.data(), n);
        benchmark::ClobberMemory();
    });
}
void Memcpy_32f(benchmark::State& s) {
    std::vector<float> d(s.range(0));
    run(s, [&](const float* x, int n) {
        std::memcpy(d.data(), x, n * sizeof(float));
        benchmark::ClobberMemory();
    });
}
void MaxIndx_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float m;
        int i;
        vdxsMaxIndx_32f(x, n, &m, &i);
        benchmark::DoNotOptimize(i);
    });
}
void PlainMaxIndx_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float m;
        benchmark::DoNotOptimize(plain_max_indx(x, n, &m));
    });
}
void MinMax_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float a, b;
        vdxsMinMax_32f(x, n, &a, &b);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    });
}
void PlainMinMax_32f(benchmark::State& s) {
    run(s, [](const float* x, int n) {
        float a, b;
        plain_min_max(x, n, &a, &b);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    });
}

constexpr int kLarge = 4 << 20;

}  // namespace

BENCHMARK(Sum_32f_Fast)->Arg(1024)->Arg(65536)->Arg(kLarge);
BENCHMARK(Sum_32f_Accurate)->Arg(1024)->Arg(65536)->Arg(kLarge);
BENCHMARK(PlainSum_32f)->Arg(1024)->Arg(65536)->Arg(kLarge);
BENCHMARK(PlainSumDouble_32f)->Arg(1024)->Arg(65536)->Arg(kLarge);
BENCHMARK(Copy_32f)->Arg(kLarge);
BENCHMARK(Memcpy_32f)->Arg(kLarge);
BENCHMARK(MaxIndx_32f)->Arg(1024)->Arg(65536);
BENCHMARK(PlainMaxIndx_32f)->Arg(1024)->Arg(65536);
BENCHMARK(MinMax_32f)->Arg(1024)->Arg(65536);
BENCHMARK(PlainMinMax_32f)->Arg(1024)->Arg(65536);
