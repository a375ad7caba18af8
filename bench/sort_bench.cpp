// Sorting family against the standard library: random vectors, refilled
// from the same copy before every run (outside the timing).
//
// The argument is the length; the second argument of the radix runs is the
// thread count given to the core library (0: its default).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace {

// `count` random vectors of `len` elements, one after the other.
template <class T>
std::vector<T> random_vectors(int len, int count) {
    std::mt19937_64 rng(len);
    std::vector<T> v(static_cast<std::size_t>(len) * count);
    for (auto& e : v) {
        if constexpr (std::is_floating_point_v<T>) {
            e = static_cast<T>(std::uniform_real_distribution<double>(-1e6, 1e6)(rng));
        } else {
            e = static_cast<T>(rng());
        }
    }
    return v;
}

// Runs sort(v) on a fresh copy of a random vector per iteration.  Short
// vectors come from a pool of distinct ones, so that the branch predictor
// cannot learn one input by heart, and are copied inside the timing
// (pausing the clock would cost more than the copy; the copy then belongs
// to every contender alike).  Long ones are copied with the clock paused.
template <class T, class Sort>
void run_sort(benchmark::State& state, Sort sort) {
    const int len = static_cast<int>(state.range(0));
    const int pool = std::max(1, (1 << 20) / len);
    const std::vector<T> source = random_vectors<T>(len, pool);
    std::vector<T> v(len);
    const bool pause = len >= 65536;
    int next = 0;
    for (auto _ : state) {
        if (pause) state.PauseTiming();
        std::memcpy(v.data(), source.data() + static_cast<std::size_t>(next) * len, len * sizeof(T));
        next = next + 1 == pool ? 0 : next + 1;
        if (pause) state.ResumeTiming();
        sort(v.data(), len);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * len);
}

class Threads {
public:
    explicit Threads(const benchmark::State& state) { vdxcoreSetNumThreads(static_cast<int>(state.range(1))); }
    ~Threads() { vdxcoreSetNumThreads(0); }
};

template <class T>
void BM_std_sort(benchmark::State& state) {
    run_sort<T>(state, [](T* v, int len) { std::sort(v, v + len); });
}
template <class T>
void BM_std_stable_sort(benchmark::State& state) {
    run_sort<T>(state, [](T* v, int len) { std::stable_sort(v, v + len); });
}

template <class T, VdxStatus (*Sort)(T*, int)>
void BM_sort(benchmark::State& state) {
    run_sort<T>(state, [](T* v, int len) { Sort(v, len); });
}

template <class T, VdxStatus (*Sort)(T*, Vdx32s*, int)>
void BM_sort_index(benchmark::State& state) {
    std::vector<Vdx32s> index(state.range(0));
    run_sort<T>(state, [&](T* v, int len) { Sort(v, index.data(), len); });
}

template <class T, VdxStatus (*Sort)(T*, T*, int)>
void BM_radix(benchmark::State& state) {
    Threads threads(state);
    std::vector<T> buffer(state.range(0));
    run_sort<T>(state, [&](T* v, int len) { Sort(v, buffer.data(), len); });
}

template <class T, VdxStatus (*Sort)(const T*, Vdx32s*, int)>
void BM_radix_index(benchmark::State& state) {
    std::vector<Vdx32s> index(state.range(0));
    run_sort<T>(state, [&](T* v, int len) { Sort(v, index.data(), len); });
}

// std::sort of (value, position) pairs: what an index sort does otherwise.
template <class T>
void BM_std_sort_pairs(benchmark::State& state) {
    std::vector<std::pair<T, Vdx32s>> pairs(state.range(0));
    run_sort<T>(state, [&](T* v, int len) {
        for (int i = 0; i < len; ++i) pairs[i] = {v[i], i};
        std::sort(pairs.begin(), pairs.end());
    });
}

constexpr int kMillion = 1 << 20;

BENCHMARK(BM_std_sort<Vdx32f>)->Arg(16)->Arg(100)->Arg(1000)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_stable_sort<Vdx32f>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx32f, vdxsSortAscend_32f_I>)->Arg(16)->Arg(100)->Arg(1000)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx32f, vdxsSortDescend_32f_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix<Vdx32f, vdxsSortRadixAscend_32f_I>)
    ->Args({100, 0})
    ->Args({1000, 0})
    ->Args({kMillion, 1})
    ->Args({kMillion, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_sort_pairs<Vdx32f>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort_index<Vdx32f, vdxsSortIndexAscend_32f_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix_index<Vdx32f, vdxsSortRadixIndexAscend_32f>)->Arg(kMillion)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_std_sort<Vdx64f>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx64f, vdxsSortAscend_64f_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix<Vdx64f, vdxsSortRadixAscend_64f_I>)
    ->Args({kMillion, 1})
    ->Args({kMillion, 0})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_std_sort<Vdx32s>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx32s, vdxsSortAscend_32s_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix<Vdx32s, vdxsSortRadixAscend_32s_I>)
    ->Args({kMillion, 1})
    ->Args({kMillion, 0})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_std_sort<Vdx16s>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx16s, vdxsSortAscend_16s_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix<Vdx16s, vdxsSortRadixAscend_16s_I>)->Args({kMillion, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_sort<Vdx8u>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort<Vdx8u, vdxsSortAscend_8u_I>)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_radix<Vdx8u, vdxsSortRadixAscend_8u_I>)->Args({kMillion, 0})->Unit(benchmark::kMillisecond);

}  // namespace
