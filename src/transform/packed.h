// Where the terms of a real signal's spectrum lie in the three packed
// layouts (R[k], I[k]: real and imaginary parts of X[k], N the transform
// length, h = N/2 rounded down):
//
//   Pack  N reals   R[0], R[1], I[1], ..., R[h-1], I[h-1], R[h]   (even N)
//                   R[0], R[1], I[1], ..., R[h], I[h]             (odd N)
//   Perm  N reals   R[0], R[h], R[1], I[1], ..., R[h-1], I[h-1]   (even N)
//                   as Pack for odd N (there is no second real term)
//   CCS   N+2 reals R[0], 0, R[1], I[1], ..., R[h], I[h]  (h+1 complex terms;
//                   I[0] and, for even N, I[h] are zero)
//
// Shared by the packed-spectrum arithmetic and the real FFT.
#pragma once

namespace vdx::packed {

enum class Layout { pack, perm, ccs };

// The packed arrays of length n seen as: real terms in slot 0 and (for even
// n >= 2) slot `nyquist`; `pairs` complex terms (R[k], I[k]), k = 1.., from
// slot `pairs_at` on.  Pack and Perm only.
struct Geometry {
    int pairs_at;
    int pairs;
    int nyquist;  // -1 when there is no second real term (odd n)
};

constexpr Geometry geometry(Layout layout, int n) noexcept {
    if (n % 2 != 0) return {1, (n - 1) / 2, -1};
    if (layout == Layout::perm) return {2, (n - 2) / 2, 1};
    return {1, (n - 2) / 2, n - 1};
}

// Slot of R[k] for 1 <= k < n/2 (odd n: k <= n/2); I[k] follows it.
constexpr int re_slot(Layout layout, int k, int n) noexcept {
    if (layout == Layout::ccs || (layout == Layout::perm && n % 2 == 0)) return 2 * k;
    return 2 * k - 1;
}

// Slot of R[n/2] for even n.
constexpr int nyquist_slot(Layout layout, int n) noexcept {
    return layout == Layout::ccs ? n : layout == Layout::perm ? 1 : n - 1;
}

// Reals a spectrum of transform length n occupies in the layout: CCS holds
// n/2 + 1 complex terms (two reals for n = 1), Pack and Perm n reals.
constexpr int layout_reals(Layout layout, int n) noexcept {
    return layout == Layout::ccs ? 2 * (n / 2 + 1) : n;
}

}  // namespace vdx::packed
