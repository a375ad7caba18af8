// IIR filters on 4096-sample blocks, the state carried from block to block:
// a cascade of four biquads (32f, 64f, 32fc) and an order-8 AR filter (32f,
// 64f), against the plain per-sample loops built with -mavx2
// (iir_loops_avx2.cpp) and liquid-dsp's iirfilt (second-order sections for
// the cascades; single precision only) where installed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

#include "iir_loops.h"
#include "vdxs.h"

#ifdef VDXS_BENCH_HAVE_LIQUID
#include <liquid/liquid.h>
#endif

namespace {

constexpr int kLen = 4096, kSections = 4, kOrder = 8;

// Sections with poles at radius 0.9 (b0 b1 b2 a0 a1 a2 each), and the AR
// filter of their first two sections' product... of order 8: the product of
// all four denominators over a short numerator.
std::vector<double> biquad_taps() {
    std::vector<double> t;
    for (int q = 0; q < kSections; ++q) {
        const double w = 0.2 + 0.35 * q, r = 0.9;
        t.insert(t.end(), {0.2, 0.3, 0.2, 1.0, -2 * r * std::cos(w), r * r});
    }
    return t;
}
std::vector<double> ar_taps() {
    const auto bq = biquad_taps();
    std::vector<double> a{1};
    for (int q = 0; q < kSections; ++q) {
        std::vector<double> next(a.size() + 2, 0);
        for (size_t k = 0; k < a.size(); ++k)
            for (int j = 0; j < 3; ++j) next[k + j] += a[k] * bq[6 * q + 3 + j];
        a = next;
    }
    std::vector<double> t;
    for (int k = 0; k <= kOrder; ++k) t.push_back(0.01 * (1 + k % 3));
    t.insert(t.end(), a.begin(), a.end());
    return t;
}

// The cascade with every tap k of a section turned by e^(0.7 i k): poles and
// zeros rotated, a complex filter of the same shape.
std::vector<std::complex<float>> complex_biquad_taps() {
    const auto t = biquad_taps();
    std::vector<std::complex<float>> c;
    for (size_t k = 0; k < t.size(); ++k) c.push_back(std::complex<float>(t[k] * std::polar(1.0, 0.7 * (k % 3))));
    return c;
}

template <class T>
std::vector<T> as(const std::vector<double>& v) {
    return std::vector<T>(v.begin(), v.end());
}
template <class T>
std::vector<T> input() {
    std::vector<T> x(kLen);
    for (int i = 0; i < kLen; ++i) x[i] = static_cast<T>(std::sin(0.05 * i) + 0.3 * std::sin(1.3 * i));
    return x;
}

template <class T, class State, class InitAlloc, class Run>
void run_vdxs(benchmark::State& state, const std::vector<double>& taps, int n, InitAlloc init, Run run) {
    const auto t = as<T>(taps);
    const auto x = input<T>();
    std::vector<T> y(kLen);
    State* st = nullptr;
    if (init(&st, t.data(), n, nullptr) != vdxStsNoErr) return state.SkipWithError("init failed");
    for (auto _ : state) {
        run(x.data(), y.data(), kLen, st);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

void Vdxs_Biquad4_32f(benchmark::State& s) { run_vdxs<Vdx32f, VdxsIIRState_32f>(s, biquad_taps(), kSections, vdxsIIRInitAlloc_BiQuad_32f, vdxsIIR_32f); }
void Vdxs_Biquad4_64f(benchmark::State& s) { run_vdxs<Vdx64f, VdxsIIRState_64f>(s, biquad_taps(), kSections, vdxsIIRInitAlloc_BiQuad_64f, vdxsIIR_64f); }
void Vdxs_AR8_32f(benchmark::State& s) { run_vdxs<Vdx32f, VdxsIIRState_32f>(s, ar_taps(), kOrder, vdxsIIRInitAlloc_32f, vdxsIIR_32f); }
void Vdxs_AR8_64f(benchmark::State& s) { run_vdxs<Vdx64f, VdxsIIRState_64f>(s, ar_taps(), kOrder, vdxsIIRInitAlloc_64f, vdxsIIR_64f); }

template <class T>
void Plain_Biquad4(benchmark::State& state) {
    const auto all = biquad_taps();
    std::vector<T> taps, dly(2 * kSections, 0);
    for (int q = 0; q < kSections; ++q)
        for (int k : {0, 1, 2, 4, 5}) taps.push_back(static_cast<T>(all[6 * q + k]));
    const auto x = input<T>();
    std::vector<T> y(kLen);
    for (auto _ : state) {
        iir_loops_avx2::biquads(taps.data(), dly.data(), kSections, x.data(), y.data(), kLen);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

template <class T>
void Plain_AR8(benchmark::State& state) {
    const auto t = as<T>(ar_taps());
    std::vector<T> d(kOrder + 1, 0);
    const auto x = input<T>();
    std::vector<T> y(kLen);
    for (auto _ : state) {
        iir_loops_avx2::ar(t.data(), t.data() + kOrder + 2, d.data(), kOrder, x.data(), y.data(), kLen);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

void Vdxs_Biquad4_32fc(benchmark::State& state) {
    const auto t = complex_biquad_taps();
    std::vector<Vdx32fc> taps, x(kLen), y(kLen);
    for (auto c : t) taps.push_back({c.real(), c.imag()});
    const auto re = input<float>();
    for (int i = 0; i < kLen; ++i) x[i] = {re[i], re[(i * 7) % kLen]};
    VdxsIIRState_32fc* st = nullptr;
    if (vdxsIIRInitAlloc_BiQuad_32fc(&st, taps.data(), kSections, nullptr) != vdxStsNoErr) return state.SkipWithError("init failed");
    for (auto _ : state) {
        vdxsIIR_32fc(x.data(), y.data(), kLen, st);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

void Plain_Biquad4_32fc(benchmark::State& state) {
    const auto t = complex_biquad_taps();
    std::vector<float> taps, dly(4 * kSections, 0), x(2 * kLen), y(2 * kLen);
    for (int q = 0; q < kSections; ++q)
        for (int k : {0, 1, 2, 4, 5}) taps.push_back(t[6 * q + k].real()), taps.push_back(t[6 * q + k].imag());
    const auto re = input<float>();
    for (int i = 0; i < kLen; ++i) x[2 * i] = re[i], x[2 * i + 1] = re[(i * 7) % kLen];
    for (auto _ : state) {
        iir_loops_avx2::biquads_complex(taps.data(), dly.data(), kSections, x.data(), y.data(), kLen);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

BENCHMARK(Vdxs_Biquad4_32f);
BENCHMARK(Plain_Biquad4<float>)->Name("PlainAvx2_Biquad4_32f");
BENCHMARK(Vdxs_Biquad4_64f);
BENCHMARK(Plain_Biquad4<double>)->Name("PlainAvx2_Biquad4_64f");
BENCHMARK(Vdxs_Biquad4_32fc);
BENCHMARK(Plain_Biquad4_32fc)->Name("PlainAvx2_Biquad4_32fc");
BENCHMARK(Vdxs_AR8_32f);
BENCHMARK(Plain_AR8<float>)->Name("PlainAvx2_AR8_32f");
BENCHMARK(Vdxs_AR8_64f);
BENCHMARK(Plain_AR8<double>)->Name("PlainAvx2_AR8_64f");

#ifdef VDXS_BENCH_HAVE_LIQUID
template <bool Sos>
void Liquid(benchmark::State& state) {
    const auto all = Sos ? biquad_taps() : ar_taps();
    std::vector<float> b, a;
    if (Sos) {
        for (int q = 0; q < kSections; ++q)
            for (int k = 0; k < 3; ++k) b.push_back(all[6 * q + k]), a.push_back(all[6 * q + 3 + k]);
    } else {
        b.assign(all.begin(), all.begin() + kOrder + 1);
        a.assign(all.begin() + kOrder + 1, all.end());
    }
    iirfilt_rrrf q = Sos ? iirfilt_rrrf_create_sos(b.data(), a.data(), kSections)
                         : iirfilt_rrrf_create(b.data(), kOrder + 1, a.data(), kOrder + 1);
    auto x = input<float>();
    std::vector<float> y(kLen);
    for (auto _ : state) {
        iirfilt_rrrf_execute_block(q, x.data(), kLen, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
    iirfilt_rrrf_destroy(q);
}
void Liquid_Biquad4_32fc(benchmark::State& state) {
    const auto t = complex_biquad_taps();
    std::vector<std::complex<float>> b, a, x(kLen), y(kLen);
    for (int q = 0; q < kSections; ++q)
        for (int k = 0; k < 3; ++k) b.push_back(t[6 * q + k]), a.push_back(t[6 * q + 3 + k]);
    iirfilt_cccf f = iirfilt_cccf_create_sos(b.data(), a.data(), kSections);
    const auto re = input<float>();
    for (int i = 0; i < kLen; ++i) x[i] = {re[i], re[(i * 7) % kLen]};
    for (auto _ : state) {
        iirfilt_cccf_execute_block(f, x.data(), kLen, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kLen);
    iirfilt_cccf_destroy(f);
}
BENCHMARK(Liquid<true>)->Name("Liquid_Biquad4_32f");
BENCHMARK(Liquid_Biquad4_32fc);
BENCHMARK(Liquid<false>)->Name("Liquid_AR8_32f");
#endif

}  // namespace
