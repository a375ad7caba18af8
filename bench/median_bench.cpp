// Median filter and sparse FIR against plain loops.
//
// Median, 32f: the library against std::nth_element on a copy of every
// window, a sorted window updated by binary-search removal and insertion,
// and (masks 5 and 9) the exchange network per output compiled with
// -O3 -mavx2 (misc_loops_avx2.cpp).  Arguments: mask, length.
//
// Sparse FIR, 32f, 16384 inputs: 8 taps spread over order 1000 against a
// dense 8-tap FIR loop compiled with -O3 -mavx2.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "misc_loops.h"
#include "vdxs.h"

namespace {

std::vector<float> noise(int len) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<float> d(-1.0f, 1.0f);
    std::vector<float> x(len);
    for (auto& v : x) v = d(gen);
    return x;
}

template <class Filter>
void run_median(benchmark::State& state, Filter filter) {
    const int mask = static_cast<int>(state.range(0)), len = static_cast<int>(state.range(1));
    const auto x = noise(len);
    std::vector<float> y(len);
    for (auto _ : state) {
        filter(x.data(), y.data(), len, mask);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * len);
}

void Median_vdxs(benchmark::State& state) {
    run_median(state, [](const float* x, float* y, int len, int mask) { vdxsFilterMedian_32f(x, y, len, mask); });
}

void Median_nth_element(benchmark::State& state) {
    std::vector<float> w;
    run_median(state, [&](const float* x, float* y, int len, int mask) {
        const int h = mask / 2;
        for (int i = h; i < len - h; ++i) {
            w.assign(x + i - h, x + i + h + 1);
            std::nth_element(w.begin(), w.begin() + h, w.end());
            y[i] = w[h];
        }
    });
}

void Median_sorted_window(benchmark::State& state) {
    std::vector<float> w;
    run_median(state, [&](const float* x, float* y, int len, int mask) {
        const int h = mask / 2;
        w.assign(x, x + mask);
        std::sort(w.begin(), w.end());
        y[h] = w[h];
        for (int i = h + 1; i < len - h; ++i) {
            w.erase(std::lower_bound(w.begin(), w.end(), x[i - h - 1]));
            w.insert(std::upper_bound(w.begin(), w.end(), x[i + h]), x[i + h]);
            y[i] = w[h];
        }
    });
}

void Median_network_avx2(benchmark::State& state) {
    run_median(state, [](const float* x, float* y, int len, int mask) {
        (mask == 5 ? median5_network_avx2 : median9_network_avx2)(x, y, len);
    });
}

void masks_short(benchmark::internal::Benchmark* b) {
    for (int mask : {3, 5, 9, 31}) b->Args({mask, 4096});
    for (int mask : {5, 9, 101}) b->Args({mask, 1000000});
}
void masks_wide(benchmark::internal::Benchmark* b) {
    for (int mask : {31, 101}) b->Args({mask, 4096});
    b->Args({101, 1000000});
}
void masks_network(benchmark::internal::Benchmark* b) {
    for (int mask : {5, 9}) b->Args({mask, 4096});
    for (int mask : {5, 9}) b->Args({mask, 1000000});
}

BENCHMARK(Median_vdxs)->Apply(masks_short);
BENCHMARK(Median_nth_element)->Apply(masks_short);
BENCHMARK(Median_sorted_window)->Apply(masks_wide);
BENCHMARK(Median_network_avx2)->Apply(masks_network);

// ---------------------------------------------------------------- sparse FIR

constexpr int kFirLen = 16384;

void SparseFIR_vdxs(benchmark::State& state) {
    const float taps[8] = {0.3f, -0.2f, 0.1f, 0.05f, 0.4f, -0.3f, 0.2f, 0.15f};
    const int pos[8] = {0, 3, 100, 251, 400, 640, 813, 1000};
    int size = 0;
    vdxsFIRSparseGetStateSize_32f(8, 1000, &size);
    std::vector<Vdx8u> mem(size);
    VdxsFIRSparseState_32f* s = nullptr;
    vdxsFIRSparseInit_32f(&s, taps, pos, 8, nullptr, mem.data());
    const auto x = noise(kFirLen);
    std::vector<float> y(kFirLen);
    for (auto _ : state) {
        vdxsFIRSparse_32f(x.data(), y.data(), kFirLen, s);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kFirLen);
}

void DenseFIR8_plain_avx2(benchmark::State& state) {
    const float taps[8] = {0.3f, -0.2f, 0.1f, 0.05f, 0.4f, -0.3f, 0.2f, 0.15f};
    const auto x = noise(kFirLen + 7);
    std::vector<float> y(kFirLen);
    for (auto _ : state) {
        dense8_fir_avx2(x.data() + 7, taps, y.data(), kFirLen);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kFirLen);
}

BENCHMARK(SparseFIR_vdxs);
BENCHMARK(DenseFIR8_plain_avx2);

}  // namespace
