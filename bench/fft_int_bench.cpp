// Integer complex FFT, forward, out of place: C_16sc and C_32sc at N = 2^10
// and 2^16, next to the float transforms they wrap (C_32fc, C_64fc) on data
// already in float, so the difference is the cost of the two conversions.
// Counter "mflops": 5 N log2 N / wall time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

void finish(benchmark::State& state, int order) {
    const double n = std::ldexp(1.0, order);
    state.counters["mflops"] = benchmark::Counter(5.0 * n * order * 1e-6 * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

template <class Spec, class C, class GetBuf, class InitAlloc, class Run, class Free>
void run(benchmark::State& state, InitAlloc init_alloc, GetBuf get_buf, Run fwd, Free free_spec, long long amp) {
    const int order = static_cast<int>(state.range(0)), n = 1 << order;
    Spec* spec = nullptr;
    if (init_alloc(&spec, order, VDX_FFT_DIV_BY_SQRTN, vdxAlgHintNone) != vdxStsNoErr) {
        state.SkipWithError("init");
        return;
    }
    int bufSize = 0;
    get_buf(spec, &bufSize);
    std::vector<Vdx8u> buf(bufSize > 0 ? bufSize : 1);
    std::vector<C> x(n), y(n);
    std::mt19937_64 rng(order);
    std::uniform_int_distribution<long long> d(-amp, amp);
    for (auto& v : x) v = {static_cast<decltype(v.re)>(d(rng)), static_cast<decltype(v.im)>(d(rng))};
    for (auto _ : state) {
        fwd(x.data(), y.data(), spec, buf.data());
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    finish(state, order);
    free_spec(spec);
}

void BM_C_16sc(benchmark::State& state) {
    run<VdxsFFTSpec_C_16sc, Vdx16sc>(
        state, vdxsFFTInitAlloc_C_16sc, vdxsFFTGetBufSize_C_16sc,
        [](const Vdx16sc* s, Vdx16sc* d, const VdxsFFTSpec_C_16sc* p, Vdx8u* b) {
            return vdxsFFTFwd_CToC_16sc_Sfs(s, d, p, 0, b);
        },
        vdxsFFTFree_C_16sc, 32767);
}
void BM_C_32fc(benchmark::State& state) {
    run<VdxsFFTSpec_C_32fc, Vdx32fc>(state, vdxsFFTInitAlloc_C_32fc, vdxsFFTGetBufSize_C_32fc, vdxsFFTFwd_CToC_32fc,
                                     vdxsFFTFree_C_32fc, 32767);
}
void BM_C_32sc(benchmark::State& state) {
    run<VdxsFFTSpec_C_32sc, Vdx32sc>(
        state, vdxsFFTInitAlloc_C_32sc, vdxsFFTGetBufSize_C_32sc,
        [](const Vdx32sc* s, Vdx32sc* d, const VdxsFFTSpec_C_32sc* p, Vdx8u* b) {
            return vdxsFFTFwd_CToC_32sc_Sfs(s, d, p, 0, b);
        },
        vdxsFFTFree_C_32sc, 2147483647LL);
}
void BM_C_64fc(benchmark::State& state) {
    run<VdxsFFTSpec_C_64fc, Vdx64fc>(state, vdxsFFTInitAlloc_C_64fc, vdxsFFTGetBufSize_C_64fc, vdxsFFTFwd_CToC_64fc,
                                     vdxsFFTFree_C_64fc, 2147483647LL);
}

BENCHMARK(BM_C_16sc)->Arg(10)->Arg(16);
BENCHMARK(BM_C_32fc)->Arg(10)->Arg(16);
BENCHMARK(BM_C_32sc)->Arg(10)->Arg(16);
BENCHMARK(BM_C_64fc)->Arg(10)->Arg(16);

}  // namespace
