// IIR states: header, layout and the tables built from the caller's taps.
//
// A state is a 96-byte header followed by its arrays, each at a multiple of
// 32 bytes, all of the computation type C (32f, 64f, 32fc or 64fc):
//
//   taps    normalised taps: AR b'(0..N) a'(1..N); biquads and direct form I
//           five per section (b0' b1' b2' a1' a2')
//   dly     delay line: AR d(0..N) (d(N) always 0), two per biquad section,
//           four per direct-form-I section
//   num4    AR: b'(k) repeated four times
//   ahead   AR: the four-output recursion table (iir_kernels.h)
//   blocks  biquads: the section blocks (taps and look-ahead table)
//   carry   biquads: each section's last inputs and outputs
//   work    AR: kIirChunk values for the numerator stage
//   conv    kIirChunk values when the data type is not C, 0 bytes otherwise
//
// The layout is a function of the form, N or the section count, the size of
// C and whether a conversion buffer exists, so a state's pointers can be
// checked against it on every call.
#pragma once

#include <cstdint>

#include "iir/iir_kernels.h"
#include "runtime/object.h"

namespace vdx::iir {

enum class Form : int { ar, bq, df1 };

struct alignas(32) Header {
    std::uint32_t id;
    std::uint16_t seal;
    std::uint16_t reserved;
    void* taps;
    void* dly;
    int dly_len;
    int order;  // N for the AR form, 0 otherwise
    void* num4;
    void* ahead;
    int sections;  // 0 for the AR form
    std::uint32_t work_bytes;  // per-call work buffer: none, the state holds its own
    void* blocks;
    void* work;
    void* conv;
    void* carry;
    std::uint16_t allocated;
};
inline constexpr int kHeaderBytes = 96;
static_assert(sizeof(Header) <= kHeaderBytes, "the header fits its 96 bytes");

// Byte offsets of the arrays from the header, and the total.
struct Layout {
    long long taps, dly, num4, ahead, blocks, carry, work, conv, total;
    int dly_len;
};


// n is N (AR) or the section count; elem is sizeof(C).
inline Layout layout_of(Form form, long long n, int elem, bool conv) {
    const long long taps = form == Form::ar ? 2 * n + 1 : 5 * n;
    const long long dly = form == Form::ar ? n + 1 : form == Form::bq ? 2 * n : 4 * n;
    const long long sizes[] = {
        taps,
        dly,
        form == Form::ar ? 4 * (n + 1) : 0,
        form == Form::ar ? 4 * n + 4 : 0,
        form == Form::bq ? n * kIirBqBlock : 0,
        form == Form::bq ? kIirCarry * n : 0,
        form == Form::ar ? kIirChunk : 0,
        conv ? kIirChunk : 0,
    };
    Layout l{};
    long long* slots[] = {&l.taps, &l.dly, &l.num4, &l.ahead, &l.blocks, &l.carry, &l.work, &l.conv};
    long long at = kHeaderBytes;
    for (int k = 0; k < 8; ++k) {
        *slots[k] = at;
        at += round32(sizes[k] * elem);
    }
    l.total = at;
    l.dly_len = form == Form::ar ? static_cast<int>(n) : static_cast<int>(dly);
    return l;
}

}  // namespace vdx::iir
