// IIR filters: arbitrary order (AR, transposed direct form II), biquad
// cascades, and biquad cascades in direct form I, for every tap / data row.
//
// Each row computes in one type C (32f, 64f, 32fc or 64fc); data of another
// type goes through the state's conversion buffer one chunk at a time:
// integers and 32f become C exactly, and results come back rounded to 32f,
// or scaled by 2^-scaleFactor, rounded half to even and saturated.  The
// integer-tap rows (32s, 32sc) turn each tap t into t * 2^-tapsFactor
// (rounded once to C) and then behave as the 32f rows.
//
// One descriptor per form (Desc<Row, Form, TapIn>) gives the object
// framework (runtime/object.h) what it needs; every exported member is then
// a line of a row macro at the end of this file.
#include <cmath>
#include <cstring>
#include <type_traits>

#include "abi/api.h"
#include "iir/iir_kernels.h"
#include "iir/iir_state.h"
#include "numeric/fixed.h"
#include "numeric/types.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "runtime/parallel.h"

namespace {

using vdx::iir::Form;
using vdx::iir::Header;
using IirVariant = vdx::Variant<vdx::IirKernels, &vdx::iir_kernels_variants>;

// ---------------------------------------------------------------- rows

template <class Obj, class C, class D, std::uint32_t Ar, std::uint32_t Bq, std::uint32_t Df1>
struct Row {
    using Object = Obj;
    using Calc = C;
    using Data = D;
    static constexpr std::uint32_t ids[3] = {Ar, Bq, Df1};  // by Form; 0 where the row has none
    static constexpr bool converts = !std::is_same_v<C, D>;
};

template <class C>
const vdx::IirRowKernels<C>& kernels() noexcept {
    const vdx::IirKernels& k = IirVariant::table();
    if constexpr (std::is_same_v<C, Vdx32f>) return k.r32f;
    else if constexpr (std::is_same_v<C, Vdx64f>) return k.r64f;
    else if constexpr (std::is_same_v<C, Vdx32fc>) return k.c32f;
    else return k.c64f;
}

// ---------------------------------------------------------------- scalar arithmetic on C

template <class C>
constexpr bool kComplex = vdx::is_complex<C>;

// Complex values in long double for the tables: products and quotients.
struct Wide {
    long double re, im;
};
inline Wide operator+(Wide a, Wide b) { return {a.re + b.re, a.im + b.im}; }
inline Wide operator-(Wide a, Wide b) { return {a.re - b.re, a.im - b.im}; }
inline Wide operator*(Wide a, Wide b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

template <class C>
Wide widen(C v) {
    if constexpr (kComplex<C>) return {v.re, v.im};
    else return {v, 0};
}
template <class C>
C narrow(Wide v) {
    using P = vdx::PartOf<C>;
    if constexpr (kComplex<C>) return C{static_cast<P>(v.re), static_cast<P>(v.im)};
    else return static_cast<C>(v.re);
}

template <class C>
bool is_zero(C v) {
    if constexpr (kComplex<C>) return v.re == 0 && v.im == 0;
    else return v == 0;
}

// v / a0 in C: a real divisor divides each part (so a0 = 2 gives exactly the
// taps the caller would get by halving them); a complex one goes through
// long double once.
template <class C>
C divide(C v, C a0) {
    if constexpr (kComplex<C>) {
        if (a0.im == 0) return C{v.re / a0.re, v.im / a0.re};
        const Wide n = widen(v) * Wide{a0.re, -a0.im};
        const long double m = (long double)a0.re * a0.re + (long double)a0.im * a0.im;
        return narrow<C>({n.re / m, n.im / m});
    } else {
        return v / a0;
    }
}

// ---------------------------------------------------------------- taps as given

// One tap of the caller's array as a C value.  Integer taps t mean
// t * 2^-tapsFactor, rounded once.
// Factors beyond +-20000 give the same taps as +-20000 (0 or infinite even
// in long double), and never negate INT_MIN.
template <class C, class T>
C tap_value(const T* taps, int k, int factor) {
    const T t = taps[k];
    using P = vdx::PartOf<C>;
    const int exponent = factor > 20000 ? -20000 : (factor < -20000 ? 20000 : -factor);
    if constexpr (std::is_same_v<T, Vdx32s>) {
        return static_cast<C>(std::ldexp(static_cast<long double>(t), exponent));
    } else if constexpr (std::is_same_v<T, Vdx32sc>) {
        return C{static_cast<P>(std::ldexp(static_cast<long double>(t.re), exponent)),
                 static_cast<P>(std::ldexp(static_cast<long double>(t.im), exponent))};
    } else {
        (void)exponent;
        return t;
    }
}

template <class TapIn>
struct TapSource {
    const TapIn* taps;
    int factor;
};

// How many leading sections (the AR form: 0 or 1) can be normalised: a0 of
// the AR form and of each section is not 0, and b0 of a biquad section is
// not 0 (direct form I takes b0 = 0).
template <class C, class T>
int normalisable_prefix(Form form, int n, TapSource<T> src) {
    if (form == Form::ar) return is_zero(tap_value<C>(src.taps, n + 1, src.factor)) ? 0 : 1;
    for (int q = 0; q < n; ++q) {
        if (is_zero(tap_value<C>(src.taps, 6 * q + 3, src.factor))) return q;
        if (form == Form::bq && is_zero(tap_value<C>(src.taps, 6 * q, src.factor))) return q;
    }
    return n;
}

template <class C, class T>
VdxStatus check_divisors(Form form, int n, TapSource<T> src) {
    return normalisable_prefix<C>(form, n, src) == (form == Form::ar ? 1 : n) ? vdxStsNoErr : vdxStsDivByZeroErr;
}

// ---------------------------------------------------------------- tables

// Look-ahead coefficients for y(n) = w(n) - sum_{k=1..N} a(k) y(n-k):
// g[4 (m-1) + i] = g(i, m), then h(0..3).  In long double, rounded once.
template <class C>
void build_ahead(const C* a, int N, C* out) {
    constexpr int L = vdx::kIirAhead;
    auto A = [&](int k) { return k >= 1 && k <= N ? widen(a[k - 1]) : Wide{0, 0}; };
    Wide h[L];
    for (int j = 0; j < L; ++j) {
        h[j] = j == 0 ? Wide{1, 0} : Wide{0, 0};
        for (int k = 1; k <= j; ++k) h[j] = h[j] - A(k) * h[j - k];
    }
    // g(i, m) = -a(m + i) - sum_{k=1..i} a(k) g(i - k, m)
    for (int m = 1; m <= N; ++m) {
        Wide g[L];
        for (int i = 0; i < L; ++i) {
            g[i] = Wide{0, 0} - A(m + i);
            for (int k = 1; k <= i; ++k) g[i] = g[i] - A(k) * g[i - k];
            out[L * (m - 1) + i] = narrow<C>(g[i]);
        }
    }
    for (int j = 0; j < L; ++j) out[L * N + j] = narrow<C>(h[j]);
}

// base + offset bytes, as an address (no object need lie there: the
// consistency check forms the addresses a state of any size would use).
template <class C>
C* at(const void* base, long long offset) {
    return reinterpret_cast<C*>(reinterpret_cast<std::uintptr_t>(base) + static_cast<std::uintptr_t>(offset));
}

// Normalised taps and every table derived from them (Init and SetTaps), for
// the first `sections` sections of a cascade.
template <class C, class T>
void store_taps(Header* h, Form form, TapSource<T> src, int sections) {
    auto tap = [&](int k) { return tap_value<C>(src.taps, k, src.factor); };
    C* taps = static_cast<C*>(h->taps);
    if (form == Form::ar) {
        const int N = h->order;
        const C a0 = tap(N + 1);
        for (int k = 0; k <= N; ++k) taps[k] = divide(tap(k), a0);
        for (int k = 1; k <= N; ++k) taps[N + k] = divide(tap(N + 1 + k), a0);
        C* num4 = static_cast<C*>(h->num4);
        for (int k = 0; k <= N; ++k)
            for (int i = 0; i < vdx::kIirAhead; ++i) num4[vdx::kIirAhead * k + i] = taps[k];
        build_ahead(taps + N + 1, N, static_cast<C*>(h->ahead));
        return;
    }
    for (int q = 0; q < sections; ++q) {
        const C a0 = tap(6 * q + 3);
        C* t = taps + 5 * q;
        const int from[5] = {0, 1, 2, 4, 5};
        // Direct form I keeps the taps as given when a0 is exactly 1.
        const bool keep = form == Form::df1 && !kComplex<C> && widen(a0).re == 1 && widen(a0).im == 0;
        for (int k = 0; k < 5; ++k) t[k] = keep ? tap(6 * q + from[k]) : divide(tap(6 * q + from[k]), a0);
        if (form == Form::bq) {
            C* blk = static_cast<C*>(h->blocks) + q * vdx::kIirBqBlock;
            for (int k = 0; k < vdx::kIirBqBlock; ++k) blk[k] = narrow<C>(Wide{0, 0});
            for (int k = 0; k < 5; ++k) blk[k] = t[k];
            build_ahead(t + 3, 2, blk + 8);
        }
    }
}

template <class C>
void store_dly(Header* h, const C* dly) {
    C* d = static_cast<C*>(h->dly);
    const C zero = narrow<C>(Wide{0, 0});
    for (int k = 0; k < h->dly_len; ++k) d[k] = dly != nullptr ? dly[k] : zero;
    if (h->order > 0) d[h->order] = zero;  // the AR form's d(N)
}

// ---------------------------------------------------------------- descriptor

template <class R, Form K, class TapIn>
struct Desc {
    using C = typename R::Calc;
    using Object = typename R::Object;
    using Header = vdx::iir::Header;
    struct Params {
        int n;
        TapSource<TapIn> src;
        const C* dly;
    };
    static constexpr std::uint32_t kId = R::ids[static_cast<int>(K)];
    static_assert(kId != 0, "the row has this form");

    static vdx::iir::Layout layout(long long n) { return vdx::iir::layout_of(K, n, sizeof(C), R::converts); }

    static VdxStatus check_query(const Params& p, VdxStatus outputs) {
        if (outputs != vdxStsNoErr) return outputs;
        return p.n < 1 ? vdxStsIIROrderErr : vdxStsNoErr;
    }
    // Taps are read only for a state whose size is representable.
    static VdxStatus check_init(const Params& p) {
        if (p.src.taps == nullptr) return vdxStsNullPtrErr;
        if (p.n < 1) return vdxStsIIROrderErr;
        vdx::ObjectSizes s{};
        VDX_RETURN_IF_ERROR(sizes(p, &s));
        return check_divisors<C>(K, p.n, p.src);
    }
    static VdxStatus sizes(const Params& p, vdx::ObjectSizes* s) {
        const long long total = layout(p.n).total + vdx::kObjectAlign;
        if (total > 2147483647LL) return vdxStsMemAllocErr;
        *s = {static_cast<int>(total), 0, 0};
        return vdxStsNoErr;
    }
    // The fields of a state of size n placed at base.
    static void place(Header* h, const void* base, int n) {
        const vdx::iir::Layout l = layout(n);
        h->taps = at<C>(base, l.taps);
        h->dly = at<C>(base, l.dly);
        h->dly_len = l.dly_len;
        h->order = K == Form::ar ? n : 0;
        h->sections = K == Form::ar ? 0 : n;
        h->num4 = K == Form::ar ? at<C>(base, l.num4) : nullptr;
        h->ahead = K == Form::ar ? at<C>(base, l.ahead) : nullptr;
        h->blocks = K == Form::bq ? at<C>(base, l.blocks) : nullptr;
        h->carry = K == Form::bq ? at<C>(base, l.carry) : nullptr;
        h->work = K == Form::ar ? at<C>(base, l.work) : nullptr;
        h->conv = R::converts ? at<C>(base, l.conv) : nullptr;
    }
    static VdxStatus build(Header* h, const Params& p, const vdx::ObjectSizes&, Vdx8u*) {
        place(h, h, p.n);
        store_taps<C>(h, K, p.src, h->sections);
        store_dly(h, p.dly);
        return vdxStsNoErr;
    }
    static void release_parts(Header*) {}
    // Every field is what the recorded size places at the state's address.
    static bool consistent(const Header& h) {
        const int n = K == Form::ar ? h.order : h.sections;
        if (n < 1) return false;
        Header want{};
        place(&want, &h, n);
        return h.taps == want.taps && h.dly == want.dly && h.dly_len == want.dly_len && h.order == want.order &&
               h.sections == want.sections && h.num4 == want.num4 && h.ahead == want.ahead &&
               h.blocks == want.blocks && h.carry == want.carry && h.work == want.work && h.conv == want.conv;
    }
};

// The header of a state of row R in one of the accepted forms, or null.
template <class R>
Header* state_of(const void* obj, bool ar, bool bq, bool df1) {
    if (obj == nullptr) return nullptr;
    const Header* h = nullptr;
    if constexpr (R::ids[0] != 0)
        if (ar && !h) h = vdx::checked_header<Desc<R, Form::ar, typename R::Calc>>(obj);
    if constexpr (R::ids[1] != 0)
        if (bq && !h) h = vdx::checked_header<Desc<R, Form::bq, typename R::Calc>>(obj);
    if constexpr (R::ids[2] != 0)
        if (df1 && !h) h = vdx::checked_header<Desc<R, Form::df1, typename R::Calc>>(obj);
    return const_cast<Header*>(h);
}

template <class R>
Form form_of(const Header* h) {
    for (int f = 0; f < 3; ++f)
        if (R::ids[f] != 0 && h->id == R::ids[f]) return static_cast<Form>(f);
    return Form::ar;
}

// ---------------------------------------------------------------- filtering

template <class C>
vdx::IirArView<C> ar_view(const Header* h) {
    C* taps = static_cast<C*>(h->taps);
    return {h->order, taps, taps + h->order + 1, static_cast<C*>(h->dly), static_cast<C*>(h->num4),
            static_cast<C*>(h->ahead)};
}
template <class C>
vdx::IirBqView<C> bq_view(const Header* h) {
    return {h->sections, static_cast<C*>(h->blocks), static_cast<C*>(h->dly)};
}
template <class C>
vdx::IirDf1View<C> df1_view(const Header* h) {
    return {h->sections, static_cast<C*>(h->taps), static_cast<C*>(h->dly)};
}

// n samples of C through the state; y may be x.  Chunks up to 4 N (4 per
// section) samples go sample by sample, longer ones by the block method.
template <class C>
void run(Form form, const Header* h, const C* x, C* y, int n) {
    const vdx::IirRowKernels<C>& k = kernels<C>();
    switch (form) {
        case Form::ar:
            if (n <= 4 * h->order) k.ar_samples(ar_view<C>(h), x, y, n);
            else k.ar_block(ar_view<C>(h), x, y, n, static_cast<C*>(h->work));
            break;
        case Form::bq:
            if (n <= 4 * h->sections) k.bq_samples(bq_view<C>(h), x, y, n);
            else k.bq_block(bq_view<C>(h), x, y, n, static_cast<C*>(h->carry));
            break;
        case Form::df1: k.df1(df1_view<C>(h), x, y, n); break;
    }
}

// Data to C (exact), and C back to data: rounded to 32f, or scaled,
// rounded half to even and saturated to integers.
template <class C, class D>
C to_calc(D v) {
    using P = vdx::PartOf<C>;
    if constexpr (kComplex<C>) return C{static_cast<P>(v.re), static_cast<P>(v.im)};
    else return static_cast<C>(v);
}
template <class D, class C>
D from_calc(C v, vdx::Pow2Scale<vdx::PartOf<C>> scale) {
    using P = vdx::PartOf<D>;
    auto part = [&](vdx::PartOf<C> x) -> P {
        if constexpr (vdx::is_floating<P>) return static_cast<P>(x);
        else return vdx::round_sat<P>(vdx::apply_scale(x, scale), vdxRndNear);
    };
    if constexpr (kComplex<C>) return D{part(v.re), part(v.im)};
    else return part(v);
}

template <class R>
void filter_checked(Header* h, const typename R::Data* src, typename R::Data* dst, int len, int sf) {
    using C = typename R::Calc;
    using D = typename R::Data;
    const Form form = form_of<R>(h);
    if constexpr (!R::converts) {
        if (form == Form::df1) return run<C>(form, h, src, dst, len);  // one pass per section
        for (int at = 0; at < len; at += vdx::kIirChunk) {
            const int n = len - at < vdx::kIirChunk ? len - at : vdx::kIirChunk;
            run<C>(form, h, src + at, dst + at, n);
        }
    } else {
        const auto scale = vdx::pow2_scale<vdx::PartOf<C>>(sf);
        C* conv = static_cast<C*>(h->conv);
        for (int at = 0; at < len; at += vdx::kIirChunk) {
            const int n = len - at < vdx::kIirChunk ? len - at : vdx::kIirChunk;
            for (int i = 0; i < n; ++i) conv[i] = to_calc<C>(src[at + i]);
            run<C>(form, h, conv, conv, n);
            for (int i = 0; i < n; ++i) dst[at + i] = from_calc<D>(conv[i], scale);
        }
    }
}

// ---------------------------------------------------------------- operations

template <class R>
struct Ops {
    using C = typename R::Calc;
    using D = typename R::Data;
    using Object = typename R::Object;

    template <Form K>
    static VdxStatus state_size(int n, int* pSize) {
        int bytes = 0, init = 0, work = 0;
        if (pSize == nullptr) return vdxStsNullPtrErr;
        const typename Desc<R, K, C>::Params p{n, {nullptr, 0}, nullptr};
        VDX_RETURN_IF_ERROR((vdx::object_get_size<Desc<R, K, C>>(p, &bytes, &init, &work)));
        *pSize = bytes;
        return vdxStsNoErr;
    }

    template <Form K, class T>
    static VdxStatus init(Object** pp, const T* taps, int n, int factor, const C* dly, Vdx8u* mem) {
        if (vdx::any_null(pp, taps, mem)) return vdxStsNullPtrErr;
        return vdx::object_init<Desc<R, K, T>>(pp, {n, {taps, factor}, dly}, mem, nullptr);
    }

    template <Form K, class T>
    static VdxStatus init_alloc(Object** pp, const T* taps, int n, int factor, const C* dly) {
        if (vdx::any_null(pp, taps)) return vdxStsNullPtrErr;
        const typename Desc<R, K, T>::Params p{n, {taps, factor}, dly};
        VDX_RETURN_IF_ERROR((Desc<R, K, T>::check_init(p)));
        return vdx::object_init_alloc<Desc<R, K, T>>(pp, p);
    }

    // A state in caller memory is left as it is: Free only releases what
    // InitAlloc allocated.
    static VdxStatus free(Object* st) {
        if (st == nullptr) return vdxStsNullPtrErr;
        Header* h = state_of<R>(st, true, true, true);
        if (h == nullptr) return vdxStsContextMatchErr;
        if (h->allocated == 1) {
            vdx::set_identifier(h, 0);
            y8_vdxsFree(h);
        }
        return vdxStsNoErr;
    }

    template <class T>
    static VdxStatus set_taps(const T* taps, Object* st, int factor) {
        if (vdx::any_null(taps, st)) return vdxStsNullPtrErr;
        Header* h = state_of<R>(st, true, true, true);
        if (h == nullptr) return vdxStsContextMatchErr;
        const Form form = form_of<R>(h);
        const TapSource<T> src{taps, factor};
        // Sections are stored in order, so those before a failing one are
        // already the new ones; a failing AR a0 stores nothing.
        const int n = form == Form::ar ? h->order : h->sections;
        const int good = normalisable_prefix<C>(form, n, src);
        if (form != Form::ar || good == 1) store_taps<C>(h, form, src, good);
        return good == (form == Form::ar ? 1 : n) ? vdxStsNoErr : vdxStsDivByZeroErr;
    }

    static VdxStatus get_dly(const Object* st, C* dly, bool df1_only) {
        if (vdx::any_null(st, dly)) return vdxStsNullPtrErr;
        const Header* h = state_of<R>(st, !df1_only, !df1_only, true);
        if (h == nullptr) return vdxStsContextMatchErr;
        std::memcpy(dly, h->dly, sizeof(C) * h->dly_len);
        return vdxStsNoErr;
    }

    static VdxStatus set_dly(Object* st, const C* dly, bool df1_only) {
        if (st == nullptr) return vdxStsNullPtrErr;
        Header* h = state_of<R>(st, !df1_only, !df1_only, true);
        if (h == nullptr) return vdxStsContextMatchErr;
        store_dly(h, dly);
        return vdxStsNoErr;
    }

    static VdxStatus one(D src, D* dst, Object* st, int sf) {
        if (vdx::any_null(dst, st)) return vdxStsNullPtrErr;
        Header* h = state_of<R>(st, true, true, false);
        if (h == nullptr) return vdxStsContextMatchErr;
        C v = to_calc<C>(src);
        run<C>(form_of<R>(h), h, &v, &v, 1);
        *dst = from_calc<D>(v, vdx::pow2_scale<vdx::PartOf<C>>(sf));
        return vdxStsNoErr;
    }

    static VdxStatus block(const D* src, D* dst, int len, Object* st, int sf) {
        VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst, st));
        Header* h = state_of<R>(st, true, true, true);
        if (h == nullptr) return vdxStsContextMatchErr;
        filter_checked<R>(h, src, dst, len, sf);
        return vdxStsNoErr;
    }

    // Several channels, one state each: every argument of every channel is
    // checked before any channel is filtered.  Channels of kChannelThreadLen
    // samples and more are shared among threads, each channel whole on one
    // thread, so the split changes no bit.
    static constexpr int kChannelThreadLen = 4096;
    static VdxStatus channels(const D* const* src, D* const* dst, int len, int count, Object* const* st, int sf) {
        if (vdx::any_null(src, dst, st)) return vdxStsNullPtrErr;
        if (count < 1) return vdxStsChannelErr;
        for (int c = 0; c < count; ++c)
            if (vdx::any_null(src[c], dst[c], st[c])) return vdxStsNullPtrErr;
        if (len < 1) return vdxStsSizeErr;
        for (int c = 0; c < count; ++c)
            if (state_of<R>(st[c], true, true, true) == nullptr) return vdxStsContextMatchErr;
        const int threads = len >= kChannelThreadLen ? vdx::team_size(count, {2, count}) : 1;
        const int blocks = count < vdx::kMaxBlocks ? count : vdx::kMaxBlocks;
        vdx::Team team(threads);
        team.run(blocks, [&](int b) {
            const vdx::BlockRange r = vdx::block_range(count, blocks, b);
            for (int c = r.begin; c < r.end; ++c)
                filter_checked<R>(state_of<R>(st[c], true, true, true), src[c], dst[c], len, sf);
        });
        return vdxStsNoErr;
    }
};

namespace id = vdx::ids;
using Row_32f = Row<VdxsIIRState_32f, Vdx32f, Vdx32f, id::iir_ar_32f, id::iir_bq_32f, id::iir_df1_32f>;
using Row_32fc = Row<VdxsIIRState_32fc, Vdx32fc, Vdx32fc, id::iir_ar_32fc, id::iir_bq_32fc, 0>;
using Row32f_16s = Row<VdxsIIRState32f_16s, Vdx32f, Vdx16s, id::iir_ar32f_16s, id::iir_bq32f_16s, 0>;
using Row32fc_16sc = Row<VdxsIIRState32fc_16sc, Vdx32fc, Vdx16sc, id::iir_ar32fc_16sc, id::iir_bq32fc_16sc, 0>;
using Row32s_16s = Row<VdxsIIRState32s_16s, Vdx32f, Vdx16s, id::iir_ar32s_16s, id::iir_bq32s_16s, 0>;
using Row32sc_16sc = Row<VdxsIIRState32sc_16sc, Vdx32fc, Vdx16sc, 0, id::iir_bq32sc_16sc, 0>;
using Row_64f = Row<VdxsIIRState_64f, Vdx64f, Vdx64f, id::iir_ar_64f, id::iir_bq_64f, 0>;
using Row_64fc = Row<VdxsIIRState_64fc, Vdx64fc, Vdx64fc, id::iir_ar_64fc, id::iir_bq_64fc, 0>;
using Row64f_32f = Row<VdxsIIRState64f_32f, Vdx64f, Vdx32f, id::iir_ar64f_32f, id::iir_bq64f_32f, 0>;
using Row64fc_32fc = Row<VdxsIIRState64fc_32fc, Vdx64fc, Vdx32fc, id::iir_ar64fc_32fc, id::iir_bq64fc_32fc, 0>;
using Row64f_32s = Row<VdxsIIRState64f_32s, Vdx64f, Vdx32s, id::iir_ar64f_32s, 0, id::iir_df1_64f_32s>;
using Row64fc_32sc = Row<VdxsIIRState64fc_32sc, Vdx64fc, Vdx32sc, id::iir_ar64fc_32sc, id::iir_bq64fc_32sc, 0>;
using Row64f_16s = Row<VdxsIIRState64f_16s, Vdx64f, Vdx16s, id::iir_ar64f_16s, id::iir_bq64f_16s, 0>;
using Row64fc_16sc = Row<VdxsIIRState64fc_16sc, Vdx64fc, Vdx16sc, id::iir_ar64fc_16sc, id::iir_bq64fc_16sc, 0>;

}  // namespace

// ---------------------------------------------------------------- exports
//
// Names: vdxsIIR<op><P>_<form><S>, with P the tap prefix of mixed rows
// ("32f" in vdxsIIRInit32f_16s) and S the type suffix; T the taps as given.

#define VDX_IIR_FORM(P, S, R, FORM, K, T)                                                                      \
    extern "C" VdxStatus y8_vdxsIIRGetStateSize##P##_##FORM##S(int n, int* pBufferSize) noexcept {              \
        return Ops<R>::state_size<K>(n, pBufferSize);                                                          \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIRInit##P##_##FORM##S(R::Object** ppState, const T* pTaps, int n,             \
                                                       const R::Calc* pDlyLine, Vdx8u* pBuffer) noexcept {     \
        return Ops<R>::init<K>(ppState, pTaps, n, 0, pDlyLine, pBuffer);                                       \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIRInitAlloc##P##_##FORM##S(R::Object** ppState, const T* pTaps, int n,        \
                                                            const R::Calc* pDlyLine) noexcept {                \
        return Ops<R>::init_alloc<K>(ppState, pTaps, n, 0, pDlyLine);                                          \
    }

// The same with integer taps and their factor (P is then the integer row).
#define VDX_IIR_FORM_INT(P, S, R, FORM, K, T)                                                                  \
    extern "C" VdxStatus y8_vdxsIIRGetStateSize##P##_##FORM##S(int n, int* pBufferSize) noexcept {              \
        return Ops<R>::state_size<K>(n, pBufferSize);                                                          \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIRInit##P##_##FORM##S(R::Object** ppState, const T* pTaps, int n,             \
                                                       int tapsFactor, const R::Calc* pDlyLine,                \
                                                       Vdx8u* pBuffer) noexcept {                              \
        return Ops<R>::init<K>(ppState, pTaps, n, tapsFactor, pDlyLine, pBuffer);                              \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIRInitAlloc##P##_##FORM##S(R::Object** ppState, const T* pTaps, int n,        \
                                                            int tapsFactor, const R::Calc* pDlyLine) noexcept { \
        return Ops<R>::init_alloc<K>(ppState, pTaps, n, tapsFactor, pDlyLine);                                 \
    }

// Free, delay line and, for the float-tap rows, SetTaps.
#define VDX_IIR_STATE(P, S, R)                                                                                 \
    extern "C" VdxStatus y8_vdxsIIRFree##P##_##S(R::Object* pState) noexcept { return Ops<R>::free(pState); }  \
    extern "C" VdxStatus y8_vdxsIIRGetDlyLine##P##_##S(const R::Object* pState, R::Calc* pDlyLine) noexcept {  \
        return Ops<R>::get_dly(pState, pDlyLine, false);                                                       \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIRSetDlyLine##P##_##S(R::Object* pState, const R::Calc* pDlyLine) noexcept {  \
        return Ops<R>::set_dly(pState, pDlyLine, false);                                                       \
    }
#define VDX_IIR_SETTAPS(P, S, R, T)                                                                            \
    extern "C" VdxStatus y8_vdxsIIRSetTaps##P##_##S(const T* pTaps, R::Object* pState) noexcept {              \
        return Ops<R>::set_taps(pTaps, pState, 0);                                                             \
    }

// Float data: One, block and in place.
#define VDX_IIR_FLOAT(P, S, R)                                                                                 \
    extern "C" VdxStatus y8_vdxsIIROne##P##_##S(R::Data src, R::Data* pDstVal, R::Object* pState) noexcept {   \
        return Ops<R>::one(src, pDstVal, pState, 0);                                                           \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIR##P##_##S(const R::Data* pSrc, R::Data* pDst, int len,                      \
                                             R::Object* pState) noexcept {                                     \
        return Ops<R>::block(pSrc, pDst, len, pState, 0);                                                      \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIR##P##_##S##_I(R::Data* pSrcDst, int len, R::Object* pState) noexcept {      \
        return Ops<R>::block(pSrcDst, pSrcDst, len, pState, 0);                                                \
    }

// Integer data: the same with a scale factor.
#define VDX_IIR_INT(P, S, R)                                                                                   \
    extern "C" VdxStatus y8_vdxsIIROne##P##_##S##_Sfs(R::Data src, R::Data* pDstVal, R::Object* pState,        \
                                                      int scaleFactor) noexcept {                              \
        return Ops<R>::one(src, pDstVal, pState, scaleFactor);                                                 \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIR##P##_##S##_Sfs(const R::Data* pSrc, R::Data* pDst, int len,                \
                                                   R::Object* pState, int scaleFactor) noexcept {              \
        return Ops<R>::block(pSrc, pDst, len, pState, scaleFactor);                                            \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsIIR##P##_##S##_ISfs(R::Data* pSrcDst, int len, R::Object* pState,              \
                                                    int scaleFactor) noexcept {                                \
        return Ops<R>::block(pSrcDst, pSrcDst, len, pState, scaleFactor);                                      \
    }

constexpr Form AR = Form::ar, BQ = Form::bq, DF1 = Form::df1;

// rows with float taps: (P, S, row, taps as given)
#define VDX_IIR_ROW(P, S, R, T)   \
    VDX_IIR_FORM(P, S, R, , AR, T) \
    VDX_IIR_FORM(P, S, R, BiQuad_, BQ, T) \
    VDX_IIR_STATE(P, S, R)        \
    VDX_IIR_SETTAPS(P, S, R, T)

VDX_IIR_ROW(, 32f, Row_32f, Vdx32f)
VDX_IIR_FORM(, 32f, Row_32f, BiQuad_DF1_, DF1, Vdx32f)
VDX_IIR_FLOAT(, 32f, Row_32f)
VDX_IIR_ROW(, 32fc, Row_32fc, Vdx32fc)
VDX_IIR_FLOAT(, 32fc, Row_32fc)
VDX_IIR_ROW(, 64f, Row_64f, Vdx64f)
VDX_IIR_FLOAT(, 64f, Row_64f)
VDX_IIR_ROW(, 64fc, Row_64fc, Vdx64fc)
VDX_IIR_FLOAT(, 64fc, Row_64fc)
VDX_IIR_ROW(64f, 32f, Row64f_32f, Vdx64f)
VDX_IIR_FLOAT(64f, 32f, Row64f_32f)
VDX_IIR_ROW(64fc, 32fc, Row64fc_32fc, Vdx64fc)
VDX_IIR_FLOAT(64fc, 32fc, Row64fc_32fc)
VDX_IIR_ROW(32f, 16s, Row32f_16s, Vdx32f)
VDX_IIR_INT(32f, 16s, Row32f_16s)
VDX_IIR_ROW(32fc, 16sc, Row32fc_16sc, Vdx32fc)
VDX_IIR_INT(32fc, 16sc, Row32fc_16sc)
VDX_IIR_ROW(64f, 16s, Row64f_16s, Vdx64f)
VDX_IIR_INT(64f, 16s, Row64f_16s)
VDX_IIR_ROW(64fc, 16sc, Row64fc_16sc, Vdx64fc)
VDX_IIR_INT(64fc, 16sc, Row64fc_16sc)
VDX_IIR_ROW(64fc, 32sc, Row64fc_32sc, Vdx64fc)
VDX_IIR_INT(64fc, 32sc, Row64fc_32sc)

// 64f taps for 32s data: AR and direct form I (with delay-line calls of its own).
VDX_IIR_FORM(64f, 32s, Row64f_32s, , AR, Vdx64f)
VDX_IIR_FORM(64f, 32s, Row64f_32s, BiQuad_DF1_, DF1, Vdx64f)
VDX_IIR_STATE(64f, 32s, Row64f_32s)
VDX_IIR_SETTAPS(64f, 32s, Row64f_32s, Vdx64f)
VDX_IIR_INT(64f, 32s, Row64f_32s)
extern "C" VdxStatus y8_vdxsIIRGetDlyLine64f_DF1_32s(const VdxsIIRState64f_32s* pState, Vdx64f* pDlyLine) noexcept {
    return Ops<Row64f_32s>::get_dly(pState, pDlyLine, true);
}
extern "C" VdxStatus y8_vdxsIIRSetDlyLine64f_DF1_32s(VdxsIIRState64f_32s* pState, const Vdx64f* pDlyLine) noexcept {
    return Ops<Row64f_32s>::set_dly(pState, pDlyLine, true);
}

// Integer taps with a taps factor, or 32f taps (the 16s32f members).
VDX_IIR_FORM_INT(32s, 16s, Row32s_16s, , AR, Vdx32s)
VDX_IIR_FORM_INT(32s, 16s, Row32s_16s, BiQuad_, BQ, Vdx32s)
VDX_IIR_STATE(32s, 16s, Row32s_16s)
VDX_IIR_INT(32s, 16s, Row32s_16s)
extern "C" VdxStatus y8_vdxsIIRSetTaps32s_16s(const Vdx32s* pTaps, VdxsIIRState32s_16s* pState, int tapsFactor) noexcept {
    return Ops<Row32s_16s>::set_taps(pTaps, pState, tapsFactor);
}
extern "C" VdxStatus y8_vdxsIIRInit32s_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int n,
                                              const Vdx32f* pDlyLine, Vdx8u* pBuffer) noexcept {
    return Ops<Row32s_16s>::init<AR>(ppState, pTaps, n, 0, pDlyLine, pBuffer);
}
extern "C" VdxStatus y8_vdxsIIRInitAlloc32s_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int n,
                                                   const Vdx32f* pDlyLine) noexcept {
    return Ops<Row32s_16s>::init_alloc<AR>(ppState, pTaps, n, 0, pDlyLine);
}
extern "C" VdxStatus y8_vdxsIIRInit32s_BiQuad_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int n,
                                                     const Vdx32f* pDlyLine, Vdx8u* pBuffer) noexcept {
    return Ops<Row32s_16s>::init<BQ>(ppState, pTaps, n, 0, pDlyLine, pBuffer);
}
extern "C" VdxStatus y8_vdxsIIRInitAlloc32s_BiQuad_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps,
                                                          int n, const Vdx32f* pDlyLine) noexcept {
    return Ops<Row32s_16s>::init_alloc<BQ>(ppState, pTaps, n, 0, pDlyLine);
}
extern "C" VdxStatus y8_vdxsIIRSetTaps32s_16s32f(const Vdx32f* pTaps, VdxsIIRState32s_16s* pState) noexcept {
    return Ops<Row32s_16s>::set_taps(pTaps, pState, 0);
}

VDX_IIR_FORM_INT(32sc, 16sc, Row32sc_16sc, BiQuad_, BQ, Vdx32sc)
VDX_IIR_STATE(32sc, 16sc, Row32sc_16sc)
VDX_IIR_INT(32sc, 16sc, Row32sc_16sc)
extern "C" VdxStatus y8_vdxsIIRSetTaps32sc_16sc(const Vdx32sc* pTaps, VdxsIIRState32sc_16sc* pState,
                                               int tapsFactor) noexcept {
    return Ops<Row32sc_16sc>::set_taps(pTaps, pState, tapsFactor);
}

// Several channels: one state per channel.
extern "C" VdxStatus y8_vdxsIIR_32f_P(const Vdx32f* const* ppSrc, Vdx32f* const* ppDst, int len, int nChannels,
                                      VdxsIIRState_32f* const* ppState) noexcept {
    return Ops<Row_32f>::channels(ppSrc, ppDst, len, nChannels, ppState, 0);
}
extern "C" VdxStatus y8_vdxsIIR_32f_IP(Vdx32f* const* ppSrcDst, int len, int nChannels,
                                       VdxsIIRState_32f* const* ppState) noexcept {
    return Ops<Row_32f>::channels(ppSrcDst, ppSrcDst, len, nChannels, ppState, 0);
}
extern "C" VdxStatus y8_vdxsIIR64f_32s_PSfs(const Vdx32s* const* ppSrc, Vdx32s* const* ppDst, int len, int nChannels,
                                            VdxsIIRState64f_32s* const* ppState, int scaleFactor) noexcept {
    return Ops<Row64f_32s>::channels(ppSrc, ppDst, len, nChannels, ppState, scaleFactor);
}
