// Every object identifier of the library, in one place.
//
// An identifier is the first 32-bit word of a transform object or filter
// state.  Each operation accepts only the identifiers of its own family (some
// accept a few, e.g. the FIR block calls take single-rate, multi-rate and
// stream states of their type), so two families must never share a value:
// the static_assert at the end checks that every value here is distinct.
//
// Small integers are the FFT, DFT and DCT objects; the others are four
// characters packed into the word, first character in the top byte.
#pragma once

#include <cstdint>

namespace vdx::ids {

constexpr std::uint32_t four_cc(char a, char b, char c, char d) noexcept {
    return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
           (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}
// FIR states: 'F' 'I' and two digits; IIR states: 'I' 'I' and two digits.
constexpr std::uint32_t fir(char d1, char d2) noexcept { return four_cc('F', 'I', d1, d2); }
constexpr std::uint32_t iir(char d1, char d2) noexcept { return four_cc('I', 'I', d1, d2); }

// ---- power-of-two FFT objects
inline constexpr std::uint32_t fft_c_16sc = 1, fft_c_16s = 2, fft_r_16s = 3;
inline constexpr std::uint32_t fft_c_32fc = 4, fft_c_32f = 5, fft_r_32f = 6;
inline constexpr std::uint32_t fft_c_64fc = 7, fft_c_64f = 8, fft_r_64f = 9;
inline constexpr std::uint32_t fft_c_32sc = four_cc('C', 'M', 'A', 'L');
inline constexpr std::uint32_t fft_c_32s = four_cc('C', 'M', 'A', 'M');
inline constexpr std::uint32_t fft_r_32s = four_cc('C', 'M', 'A', 'N');
inline constexpr std::uint32_t fft_r_16s32s = four_cc('C', 'M', 'A', 'O');

// ---- DFT objects of any length, and the out-of-order complex ones
inline constexpr std::uint32_t dft_c_16sc = 10, dft_c_16s = 11, dft_r_16s = 12;
inline constexpr std::uint32_t dft_c_32fc = 13, dft_c_32f = 14, dft_r_32f = 15;
inline constexpr std::uint32_t dft_c_64fc = 16, dft_c_64f = 17, dft_r_64f = 18;
inline constexpr std::uint32_t dft_outord_c_32fc = four_cc('C', 'M', 'A', 'J');
inline constexpr std::uint32_t dft_outord_c_64fc = four_cc('C', 'M', 'A', 'K');

// ---- DCT objects (forward DCT-II, inverse DCT-III)
inline constexpr std::uint32_t dct_fwd_16s = 19, dct_inv_16s = 20;
inline constexpr std::uint32_t dct_fwd_32f = 21, dct_inv_32f = 22;
inline constexpr std::uint32_t dct_fwd_64f = 23, dct_inv_64f = 24;

// ---- Hilbert transform objects
inline constexpr std::uint32_t hilbert_32f32fc = four_cc('C', 'M', 'A', 'E');

// ---- FIR states, by tap / data type: single-rate, multi-rate
inline constexpr std::uint32_t fir_32f = fir('0', '1'), firmr_32f = fir('0', '3');
inline constexpr std::uint32_t fir_32fc = fir('0', '2'), firmr_32fc = fir('0', '4');
inline constexpr std::uint32_t fir32f_16s = fir('0', '5'), firmr32f_16s = fir('0', '7');
inline constexpr std::uint32_t fir32fc_16sc = fir('0', '6'), firmr32fc_16sc = fir('0', '8');
inline constexpr std::uint32_t fir32s_16s = fir('0', '9');
inline constexpr std::uint32_t fir32sc_16sc = fir('1', '0'), firmr32sc_16sc = fir('1', '2');
inline constexpr std::uint32_t fir_64f = fir('1', '3'), firmr_64f = fir('1', '5');
inline constexpr std::uint32_t fir_64fc = fir('1', '4'), firmr_64fc = fir('1', '6');
inline constexpr std::uint32_t fir64f_32f = fir('1', '7'), firmr64f_32f = fir('1', '9');
inline constexpr std::uint32_t fir64fc_32fc = fir('1', '8'), firmr64fc_32fc = fir('2', '0');
inline constexpr std::uint32_t fir64f_32s = fir('2', '1'), firmr64f_32s = fir('2', '3');
inline constexpr std::uint32_t fir64fc_32sc = fir('2', '2'), firmr64fc_32sc = fir('2', '4');
inline constexpr std::uint32_t fir64f_16s = fir('2', '5'), firmr64f_16s = fir('2', '7');
inline constexpr std::uint32_t fir64fc_16sc = fir('2', '6'), firmr64fc_16sc = fir('2', '8');
inline constexpr std::uint32_t firmr32s_16s = fir('3', '0');
inline constexpr std::uint32_t fir_stream_16s = fir('3', '1'), firmr_stream_16s = fir('3', '2');
inline constexpr std::uint32_t fir_stream_32f = fir('3', '3'), firmr_stream_32f = fir('3', '4');

// ---- IIR states, by tap / data type: arbitrary order (AR), biquad cascade
inline constexpr std::uint32_t iir_ar_32f = iir('0', '1'), iir_bq_32f = iir('0', '2');
inline constexpr std::uint32_t iir_ar_32fc = iir('0', '3'), iir_bq_32fc = iir('0', '4');
inline constexpr std::uint32_t iir_ar32f_16s = iir('0', '5'), iir_bq32f_16s = iir('0', '6');
inline constexpr std::uint32_t iir_ar32fc_16sc = iir('0', '7'), iir_bq32fc_16sc = iir('0', '8');
inline constexpr std::uint32_t iir_ar32s_16s = iir('0', '9'), iir_bq32s_16s = iir('1', '0');
inline constexpr std::uint32_t iir_bq32sc_16sc = iir('1', '2');
inline constexpr std::uint32_t iir_ar_64f = iir('1', '3'), iir_bq_64f = iir('1', '4');
inline constexpr std::uint32_t iir_ar_64fc = iir('1', '5'), iir_bq_64fc = iir('1', '6');
inline constexpr std::uint32_t iir_ar64f_32f = iir('1', '7'), iir_bq64f_32f = iir('1', '8');
inline constexpr std::uint32_t iir_ar64fc_32fc = iir('1', '9'), iir_bq64fc_32fc = iir('2', '0');
inline constexpr std::uint32_t iir_ar64f_32s = iir('2', '1');
inline constexpr std::uint32_t iir_ar64fc_32sc = iir('2', '3'), iir_bq64fc_32sc = iir('2', '4');
inline constexpr std::uint32_t iir_ar64f_16s = iir('2', '5'), iir_bq64f_16s = iir('2', '6');
inline constexpr std::uint32_t iir_ar64fc_16sc = iir('2', '7'), iir_bq64fc_16sc = iir('2', '8');
inline constexpr std::uint32_t iir_df1_32f = iir('2', '9');
// The direct-form-I state with 64f taps for 32s data has an identifier of
// its own: the next free pair of digits.
inline constexpr std::uint32_t iir_df1_64f_32s = iir('4', '0');

// ---- sparse filters (their identifiers are this library's own choice)
inline constexpr std::uint32_t fir_sparse_32f = four_cc('S', 'F', '3', '2');
inline constexpr std::uint32_t iir_sparse_32f = four_cc('S', 'I', '3', '2');

namespace detail {
inline constexpr std::uint32_t kAll[] = {
    fft_c_16sc, fft_c_16s, fft_r_16s, fft_c_32fc, fft_c_32f, fft_r_32f, fft_c_64fc, fft_c_64f, fft_r_64f,
    fft_c_32sc, fft_c_32s, fft_r_32s, fft_r_16s32s,
    dft_c_16sc, dft_c_16s, dft_r_16s, dft_c_32fc, dft_c_32f, dft_r_32f, dft_c_64fc, dft_c_64f, dft_r_64f,
    dft_outord_c_32fc, dft_outord_c_64fc,
    dct_fwd_16s, dct_inv_16s, dct_fwd_32f, dct_inv_32f, dct_fwd_64f, dct_inv_64f,
    hilbert_32f32fc,
    fir_32f, firmr_32f, fir_32fc, firmr_32fc, fir32f_16s, firmr32f_16s, fir32fc_16sc, firmr32fc_16sc,
    fir32s_16s, fir32sc_16sc, firmr32sc_16sc, fir_64f, firmr_64f, fir_64fc, firmr_64fc, fir64f_32f,
    firmr64f_32f, fir64fc_32fc, firmr64fc_32fc, fir64f_32s, firmr64f_32s, fir64fc_32sc, firmr64fc_32sc,
    fir64f_16s, firmr64f_16s, fir64fc_16sc, firmr64fc_16sc, firmr32s_16s, fir_stream_16s, firmr_stream_16s,
    fir_stream_32f, firmr_stream_32f,
    iir_ar_32f, iir_bq_32f, iir_ar_32fc, iir_bq_32fc, iir_ar32f_16s, iir_bq32f_16s, iir_ar32fc_16sc,
    iir_bq32fc_16sc, iir_ar32s_16s, iir_bq32s_16s, iir_bq32sc_16sc, iir_ar_64f, iir_bq_64f, iir_ar_64fc,
    iir_bq_64fc, iir_ar64f_32f, iir_bq64f_32f, iir_ar64fc_32fc, iir_bq64fc_32fc, iir_ar64f_32s,
    iir_ar64fc_32sc, iir_bq64fc_32sc, iir_ar64f_16s, iir_bq64f_16s, iir_ar64fc_16sc, iir_bq64fc_16sc,
    iir_df1_32f, iir_df1_64f_32s,
    fir_sparse_32f, iir_sparse_32f,
};
constexpr bool all_distinct() noexcept {
    for (std::uint32_t a : kAll) {
        if (a == 0) return false;  // 0 marks a freed or failed object
        int seen = 0;
        for (std::uint32_t b : kAll) seen += a == b;
        if (seen != 1) return false;
    }
    return true;
}
static_assert(all_distinct(), "every object family has an identifier of its own, never 0");
}  // namespace detail

}  // namespace vdx::ids
