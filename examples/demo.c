/*
 * vdxs demo: a small pipeline through the C interface on a generated signal.
 *
 *   1. report the library version;
 *   2. generate a test tone with a silent lead-in (vdxsZero, vdxsCopy);
 *   3. delay it in place by a few samples (vdxsMove on overlapping memory);
 *   4. time-reverse it (vdxsFlip) and check the round trip (vdxsFlip_I);
 *   5. slice it to one bit per sample and pack the bits (vdxsPackBits),
 *      then cut a window out of the bit stream (vdxsCopy_1u);
 *   6. mix in a second tone (vdxsAdd_32f), quantise to Q15 (vdxsMulC_32f16s_Sfs),
 *      attenuate and average in fixed point (vdxsMulC_16s_Sfs, vdxsAdd_16s_Sfs),
 *      and measure the quantisation error back in float (vdxsSub_16s32f,
 *      vdxsMul_32f, vdxsDivC_32f);
 *   7. look at the mix in frequency: real FFT to the CCS layout
 *      (vdxsFFTFwd_RToCCS_32f), power floored at -120 dB (vdxsThreshold_LT_32f_I)
 *      and turned into decibels (vdxsLn_32f_I, vdxsMulC_32f_I), the strongest
 *      bin (vdxsMaxIndx_32f) and the mean level (vdxsMean_32f); then back to
 *      the signal (vdxsFFTInv_CCSToR_32f) and the largest round-trip error
 *      (vdxsSub_32f, vdxsMinMax_32f).
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "vdxs.h"

#define LEN 4096
#define LEN_ORDER 12
#define DELAY 7
#define RATE 48000.0

static int check(VdxStatus status, const char* what) {
    if (status != vdxStsNoErr) {
        fprintf(stderr, "%s failed with status %d\n", what, (int)status);
        exit(1);
    }
    return 0;
}

/* The mix in frequency, and back. */
static void spectral_stage(const Vdx32f* mix) {
    const int bins = LEN / 2 + 1;
    VdxsFFTSpec_R_32f* fft = NULL;
    Vdx32f* spectrum = vdxsMalloc_32f(LEN + 2);
    Vdx32f* power = vdxsMalloc_32f(bins);
    Vdx32f* back = vdxsMalloc_32f(LEN);
    if (!spectrum || !power || !back) {
        fprintf(stderr, "out of memory\n");
        exit(1);
    }
    check(vdxsFFTInitAlloc_R_32f(&fft, LEN_ORDER, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone), "vdxsFFTInitAlloc_R_32f");
    check(vdxsFFTFwd_RToCCS_32f(mix, spectrum, fft, NULL), "vdxsFFTFwd_RToCCS_32f");
    for (int k = 0; k < bins; ++k)
        power[k] = spectrum[2 * k] * spectrum[2 * k] + spectrum[2 * k + 1] * spectrum[2 * k + 1];
    Vdx32f peak = 0.0f, mean_db = 0.0f;
    int peak_bin = 0;
    check(vdxsMaxIndx_32f(power, bins, &peak, &peak_bin), "vdxsMaxIndx_32f");
    check(vdxsThreshold_LT_32f_I(power, bins, peak * 1e-12f), "vdxsThreshold_LT_32f_I");
    check(vdxsLn_32f_I(power, bins), "vdxsLn_32f_I");
    check(vdxsMulC_32f_I((Vdx32f)(10.0 / log(10.0)), power, bins), "vdxsMulC_32f_I");
    check(vdxsMean_32f(power, bins, &mean_db, vdxAlgHintAccurate), "vdxsMean_32f");
    printf("spectrum: strongest bin %d (%.1f Hz, bins of %.2f Hz) at %.1f dB, mean level %.1f dB below it\n",
           peak_bin, peak_bin * RATE / LEN, RATE / LEN, power[peak_bin], power[peak_bin] - mean_db);

    check(vdxsFFTInv_CCSToR_32f(spectrum, back, fft, NULL), "vdxsFFTInv_CCSToR_32f");
    check(vdxsSub_32f(mix, back, back, LEN), "vdxsSub_32f");
    Vdx32f lo = 0.0f, hi = 0.0f;
    check(vdxsMinMax_32f(back, LEN, &lo, &hi), "vdxsMinMax_32f");
    printf("inverse FFT: largest round-trip error %.2e\n", (double)(hi > -lo ? hi : -lo));
    check(vdxsFFTFree_R_32f(fft), "vdxsFFTFree_R_32f");
    vdxsFree(spectrum);
    vdxsFree(power);
    vdxsFree(back);
}

int main(void) {
    const VdxLibVersion* v = vdxsGetLibVersion();
    printf("%s %s (%s), major %d minor %d, build %d.%d, cpu %s\n", v->libName, v->versionText, v->buildDate,
           v->major, v->minor, v->buildMajor, v->buildNumber, v->cpuCode);

    Vdx32f* tone = vdxsMalloc_32f(LEN);
    Vdx32f* signal = vdxsMalloc_32f(LEN + DELAY);
    Vdx32f* reversed = vdxsMalloc_32f(LEN + DELAY);
    Vdx32u* slices = vdxsMalloc_32u(LEN);
    int* widths = (int*)vdxsMalloc_32s(LEN);
    Vdx8u* bits = vdxsMalloc_8u(LEN / 8 + 1);
    Vdx8u* window = vdxsMalloc_8u(4);
    if (!tone || !signal || !reversed || !slices || !widths || !bits || !window) {
        fprintf(stderr, "out of memory\n");
        return 1;
    }

    /* A 440 Hz tone at 48 kHz, decaying, after a silent lead-in. */
    for (int i = 0; i < LEN; ++i)
        tone[i] = (Vdx32f)(exp(-i / 2048.0) * sin(2.0 * 3.14159265358979323846 * 440.0 * i / RATE));
    check(vdxsZero_32f(signal, LEN + DELAY), "vdxsZero_32f");
    check(vdxsCopy_32f(tone, signal, LEN), "vdxsCopy_32f");

    /* Delay in place: the source and destination overlap. */
    check(vdxsMove_32f(signal, signal + DELAY, LEN), "vdxsMove_32f");
    check(vdxsSet_32f(0.0f, signal, DELAY), "vdxsSet_32f");
    int delayed_ok = 1;
    for (int i = 0; i < LEN; ++i) delayed_ok &= signal[i + DELAY] == tone[i];

    check(vdxsFlip_32f(signal, reversed, LEN + DELAY), "vdxsFlip_32f");
    check(vdxsFlip_32f_I(reversed, LEN + DELAY), "vdxsFlip_32f_I");
    int round_trip_ok = 1;
    for (int i = 0; i < LEN + DELAY; ++i) round_trip_ok &= reversed[i] == signal[i];

    /* One bit per sample: 1 where the delayed signal is positive. */
    for (int i = 0; i < LEN; ++i) {
        slices[i] = signal[i] > 0.0f;
        widths[i] = 1;
    }
    int packed_bits = 0;
    check(vdxsPackBits_32u8u(slices, widths, LEN, bits, 0, &packed_bits), "vdxsPackBits_32u8u");
    check(vdxsZero_8u(window, 4), "vdxsZero_8u");
    check(vdxsCopy_1u(bits, 100, window, 0, 32), "vdxsCopy_1u");
    int ones = 0;
    for (int i = 0; i < LEN; ++i) ones += (bits[i / 8] >> (7 - i % 8)) & 1;

    printf("tone: %d samples, delayed by %d in place: %s\n", LEN, DELAY, delayed_ok ? "exact" : "WRONG");
    printf("flip and flip back: %s\n", round_trip_ok ? "exact" : "WRONG");
    printf("sliced: %d bits packed, %d of them set; bits 100..131: %02X%02X%02X%02X\n", packed_bits, ones,
           window[0], window[1], window[2], window[3]);

    /* Fixed-point stage: mix, quantise to Q15 at 0.5 full scale, then average
     * the Q15 signal with a copy attenuated by 6 dB; rounding is half to even. */
    Vdx32f* second = vdxsMalloc_32f(LEN);
    Vdx32f* mix = vdxsMalloc_32f(LEN);
    Vdx16s* pcm = vdxsMalloc_16s(LEN);
    Vdx16s* quiet = vdxsMalloc_16s(LEN);
    Vdx16s* blend = vdxsMalloc_16s(LEN);
    Vdx32f* error = vdxsMalloc_32f(LEN);
    if (!second || !mix || !pcm || !quiet || !blend || !error) {
        fprintf(stderr, "out of memory\n");
        return 1;
    }
    for (int i = 0; i < LEN; ++i) second[i] = (Vdx32f)(0.25 * cos(2.0 * 3.14159265358979323846 * 1000.0 * i / RATE));
    check(vdxsAdd_32f(tone, second, mix, LEN), "vdxsAdd_32f");
    spectral_stage(mix);
    check(vdxsMulC_32f16s_Sfs(mix, 16384.0f, pcm, LEN, 0), "vdxsMulC_32f16s_Sfs");
    check(vdxsMulC_16s_Sfs(pcm, 16384, quiet, LEN, 15), "vdxsMulC_16s_Sfs");
    check(vdxsAdd_16s_Sfs(pcm, quiet, blend, LEN, 1), "vdxsAdd_16s_Sfs");
    /* Quantisation error of the Q15 signal, in units of one step, squared. */
    check(vdxsMulC_32f(mix, 16384.0f, mix, LEN), "vdxsMulC_32f");
    /* pcm - 0 as float (Sub is second minus first), then mix - pcm. */
    check(vdxsZero_16s(quiet, LEN), "vdxsZero_16s");
    check(vdxsSub_16s32f(quiet, pcm, error, LEN), "vdxsSub_16s32f");
    check(vdxsSub_32f(error, mix, error, LEN), "vdxsSub_32f");
    check(vdxsMul_32f(error, error, error, LEN), "vdxsMul_32f");
    check(vdxsDivC_32f(error, (Vdx32f)LEN, error, LEN), "vdxsDivC_32f");
    double mean_square = 0.0;
    int peak = 0;
    for (int i = 0; i < LEN; ++i) {
        mean_square += error[i];
        if (blend[i] > peak) peak = blend[i];
    }
    printf("Q15 stage: rms quantisation error %.4f steps (uniform rounding: %.4f), blended peak %d\n",
           sqrt(mean_square), sqrt(1.0 / 12.0), peak);
    vdxsFree(second);
    vdxsFree(mix);
    vdxsFree(pcm);
    vdxsFree(quiet);
    vdxsFree(blend);
    vdxsFree(error);

    vdxsFree(tone);
    vdxsFree(signal);
    vdxsFree(reversed);
    vdxsFree(slices);
    vdxsFree(widths);
    vdxsFree(bits);
    vdxsFree(window);
    return delayed_ok && round_trip_ok && packed_bits == LEN ? 0 : 1;
}
