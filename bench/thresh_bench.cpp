// Threshold family against plain loops with the same element rules,
// compiled here at the library's baseline flags (-O3 -msse4.1; GCC
// vectorises them).  Sources are random floats in [-2, 2], the level 0.5.
//
// The argument is the length; the second argument of the LTInv runs is the
// thread count given to the core library (0: its default).
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace {

constexpr float kLevel = 0.5f, kValue = 7.0f;

std::vector<float> source(int len) {
    std::mt19937 rng(len);
    std::vector<float> v(len);
    for (auto& e : v) e = std::uniform_real_distribution<float>(-2.0f, 2.0f)(rng);
    return v;
}

__attribute__((noinline)) void loop_lt(const float* s, float* d, int n, float level) {
    for (int i = 0; i < n; ++i) d[i] = s[i] < level ? level : s[i];
}
__attribute__((noinline)) void loop_ltval(const float* s, float* d, int n, float level, float value) {
    for (int i = 0; i < n; ++i) d[i] = s[i] < level ? value : s[i];
}
__attribute__((noinline)) void loop_ltinv(const float* s, float* d, int n, float level) {
    for (int i = 0; i < n; ++i) d[i] = 1.0f / (std::fabs(s[i]) < level ? std::copysign(level, s[i]) : s[i]);
}

template <class Run>
void run(benchmark::State& state, Run f) {
    const int len = static_cast<int>(state.range(0));
    const std::vector<float> src = source(len);
    std::vector<float> dst(len);
    for (auto _ : state) {
        f(src.data(), dst.data(), len);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * len);
    state.SetBytesProcessed(state.iterations() * len * 2 * sizeof(float));
}

class Threads {
public:
    explicit Threads(const benchmark::State& state) { vdxcoreSetNumThreads(static_cast<int>(state.range(1))); }
    ~Threads() { vdxcoreSetNumThreads(0); }
};

void BM_LT_vdxs(benchmark::State& s) {
    run(s, [](const float* x, float* y, int n) { vdxsThreshold_LT_32f(x, y, n, kLevel); });
}
void BM_LT_loop(benchmark::State& s) {
    run(s, [](const float* x, float* y, int n) { loop_lt(x, y, n, kLevel); });
}
void BM_LTVal_vdxs(benchmark::State& s) {
    run(s, [](const float* x, float* y, int n) { vdxsThreshold_LTVal_32f(x, y, n, kLevel, kValue); });
}
void BM_LTVal_loop(benchmark::State& s) {
    run(s, [](const float* x, float* y, int n) { loop_ltval(x, y, n, kLevel, kValue); });
}
void BM_LTInv_vdxs(benchmark::State& s) {
    Threads threads(s);
    run(s, [](const float* x, float* y, int n) { vdxsThreshold_LTInv_32f(x, y, n, kLevel); });
}
void BM_LTInv_loop(benchmark::State& s) {
    run(s, [](const float* x, float* y, int n) { loop_ltinv(x, y, n, kLevel); });
}

BENCHMARK(BM_LT_vdxs)->Arg(1024)->Arg(65536);
BENCHMARK(BM_LT_loop)->Arg(1024)->Arg(65536);
BENCHMARK(BM_LTVal_vdxs)->Arg(1024)->Arg(65536);
BENCHMARK(BM_LTVal_loop)->Arg(1024)->Arg(65536);
BENCHMARK(BM_LTInv_vdxs)->Args({1024, 0})->Args({65536, 1})->Args({65536, 0})->Args({1 << 20, 1})->Args({1 << 20, 0});
BENCHMARK(BM_LTInv_loop)->Arg(1024)->Arg(65536)->Arg(1 << 20);

}  // namespace
