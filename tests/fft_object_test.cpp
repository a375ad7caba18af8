// FFT objects of all thirteen families: argument order of the size query and
// Init, placement at the first 32-byte boundary of the caller's block with
// nothing written beyond the reported sizes, Free, and refused foreign blocks.
#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "guarded_memory.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

// One forward transform, out of place, on raw bytes (split arrays: the real
// parts, then the imaginary parts, in one block).
using Forward = VdxStatus (*)(const void* spec, const Vdx8u* src, Vdx8u* dst, Vdx8u* buf, int n);

struct Family {
    const char* name;
    int max_order;
    bool real, integer;
    int in_size, out_size;  // bytes of one input value and of one output value
    VdxStatus (*get_size)(int, int, VdxHintAlgorithm, int*, int*, int*);
    VdxStatus (*init)(void**, int, int, VdxHintAlgorithm, Vdx8u*, Vdx8u*);
    VdxStatus (*init_alloc)(void**, int, int, VdxHintAlgorithm);
    VdxStatus (*free)(void*);
    VdxStatus (*buf_size)(const void*, int*);
    Forward forward;  // real families: into CCS
    long values_in(int order) const { return real ? 1L << order : 2L << order; }
    long values_out(int order) const { return real ? 2 * ((1L << order) / 2 + 1) : 2L << order; }
};

#define OBJECT_FNS(S)                                                                                                 \
    vdxsFFTGetSize_##S,                                                                                               \
        [](void** p, int o, int f, VdxHintAlgorithm h, Vdx8u* m, Vdx8u* b) {                                          \
            return vdxsFFTInit_##S(reinterpret_cast<VdxsFFTSpec_##S**>(p), o, f, h, m, b);                            \
        },                                                                                                            \
        [](void** p, int o, int f, VdxHintAlgorithm h) {                                                              \
            return vdxsFFTInitAlloc_##S(reinterpret_cast<VdxsFFTSpec_##S**>(p), o, f, h);                             \
        },                                                                                                            \
        [](void* p) { return vdxsFFTFree_##S(static_cast<VdxsFFTSpec_##S*>(p)); },                                    \
        [](const void* p, int* s) { return vdxsFFTGetBufSize_##S(static_cast<const VdxsFFTSpec_##S*>(p), s); }
// __VA_ARGS__: the scale factor of the integer forms.
#define FORWARD(S, In, Out, FN, ...)                                                                                  \
    [](const void* s, const Vdx8u* x, Vdx8u* y, Vdx8u* b, int) {                                                      \
        return FN(reinterpret_cast<const In*>(x), reinterpret_cast<Out*>(y), static_cast<const VdxsFFTSpec_##S*>(s)   \
                      __VA_ARGS__, b);                                                                                \
    }
#define FORWARD_SPLIT(S, T, FN, ...)                                                                                  \
    [](const void* s, const Vdx8u* x, Vdx8u* y, Vdx8u* b, int n) {                                                    \
        auto* xs = reinterpret_cast<const T*>(x);                                                                     \
        auto* ys = reinterpret_cast<T*>(y);                                                                           \
        return FN(xs, xs ? xs + n : nullptr, ys, ys ? ys + n : nullptr, static_cast<const VdxsFFTSpec_##S*>(s)        \
                      __VA_ARGS__, b);                                                                                \
    }

const Family kFamilies[] = {
    {"C_32fc", 28, false, false, 4, 4, OBJECT_FNS(C_32fc), FORWARD(C_32fc, Vdx32fc, Vdx32fc, vdxsFFTFwd_CToC_32fc)},
    {"C_32f", 28, false, false, 4, 4, OBJECT_FNS(C_32f), FORWARD_SPLIT(C_32f, Vdx32f, vdxsFFTFwd_CToC_32f)},
    {"R_32f", 29, true, false, 4, 4, OBJECT_FNS(R_32f), FORWARD(R_32f, Vdx32f, Vdx32f, vdxsFFTFwd_RToCCS_32f)},
    {"C_64fc", 27, false, false, 8, 8, OBJECT_FNS(C_64fc), FORWARD(C_64fc, Vdx64fc, Vdx64fc, vdxsFFTFwd_CToC_64fc)},
    {"C_64f", 27, false, false, 8, 8, OBJECT_FNS(C_64f), FORWARD_SPLIT(C_64f, Vdx64f, vdxsFFTFwd_CToC_64f)},
    {"R_64f", 28, true, false, 8, 8, OBJECT_FNS(R_64f), FORWARD(R_64f, Vdx64f, Vdx64f, vdxsFFTFwd_RToCCS_64f)},
    {"C_16sc", 28, false, true, 2, 2, OBJECT_FNS(C_16sc),
     FORWARD(C_16sc, Vdx16sc, Vdx16sc, vdxsFFTFwd_CToC_16sc_Sfs, , 3)},
    {"C_16s", 28, false, true, 2, 2, OBJECT_FNS(C_16s), FORWARD_SPLIT(C_16s, Vdx16s, vdxsFFTFwd_CToC_16s_Sfs, , 3)},
    {"R_16s", 29, true, true, 2, 2, OBJECT_FNS(R_16s), FORWARD(R_16s, Vdx16s, Vdx16s, vdxsFFTFwd_RToCCS_16s_Sfs, , 3)},
    {"C_32sc", 27, false, true, 4, 4, OBJECT_FNS(C_32sc),
     FORWARD(C_32sc, Vdx32sc, Vdx32sc, vdxsFFTFwd_CToC_32sc_Sfs, , 3)},
    {"C_32s", 27, false, true, 4, 4, OBJECT_FNS(C_32s), FORWARD_SPLIT(C_32s, Vdx32s, vdxsFFTFwd_CToC_32s_Sfs, , 3)},
    {"R_32s", 28, true, true, 4, 4, OBJECT_FNS(R_32s), FORWARD(R_32s, Vdx32s, Vdx32s, vdxsFFTFwd_RToCCS_32s_Sfs, , 3)},
    {"R_16s32s", 29, true, true, 2, 4, OBJECT_FNS(R_16s32s),
     FORWARD(R_16s32s, Vdx16s, Vdx32s, vdxsFFTFwd_RToCCS_16s32s_Sfs, , 3)},
};
constexpr int kFamilyCount = static_cast<int>(std::size(kFamilies));

Vdx8u* align32(Vdx8u* p) { return p + (32 - reinterpret_cast<std::uintptr_t>(p) % 32) % 32; }

// Integers in [-1000, 1000] in the family's input type.
std::vector<Vdx8u> signal(const Family& f, int order, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> d(-1000, 1000);
    const long n = f.values_in(order);
    std::vector<Vdx8u> x(n * f.in_size);
    for (long i = 0; i < n; ++i) {
        const int v = d(gen);
        const Vdx16s s16 = Vdx16s(v);
        const float f32 = float(v);
        const double f64 = v;
        std::memcpy(&x[i * f.in_size], f.in_size == 2 ? &s16 : f.in_size == 8 ? &f64 : f.integer ? &v : (void*)&f32, f.in_size);
    }
    return x;
}

// GetSize: order in 0..30, pointers, flag, the family's maximum order.
// Init: pointers, order, flag, then the init buffer; a failing Init leaves
// the identifier 0, so an object that lived in that memory no longer passes.
TEST(FftObjects, SizeQueryAndInitCheckTheirArgumentsInOrder) {
    for (const Family& f : kFamilies) {
        SCOPED_TRACE(f.name);
        Mismatches m;
        int size = 0, init = 0, work = 0;
        ASSERT_EQ(f.get_size(3, 8, vdxAlgHintNone, &size, &init, &work), vdxStsNoErr);
        Guarded mem(size, 5);
        for (int order : {-1, 0, 3, 12, f.max_order, f.max_order + 1, 30, 31}) {
            for (int flag : {0, 1, 2, 3, 4, 8, 16}) {
                const bool flag_ok = flag == 1 || flag == 2 || flag == 4 || flag == 8;
                const bool in_range = order >= 0 && order <= 30, fits = in_range && order <= f.max_order;
                const VdxStatus want_size = !in_range  ? vdxStsFFTOrderErr
                                            : !flag_ok ? vdxStsFFTFlagErr
                                            : !fits    ? vdxStsFFTOrderErr
                                                       : vdxStsNoErr;
                const VdxStatus want_init = !fits ? vdxStsFFTOrderErr : !flag_ok ? vdxStsFFTFlagErr : vdxStsNoErr;
                int a = -1, b = -1, c = -1;
                const VdxStatus got = f.get_size(order, flag, vdxAlgHintNone, &a, &b, &c);
                const VdxStatus got_null = f.get_size(order, flag, vdxAlgHintNone, &a, nullptr, &c);
                void *live = nullptr, *out = nullptr;
                VdxStatus got_init = want_init, live_after = vdxStsContextMatchErr;
                if (want_init != vdxStsNoErr) {  // (a valid order would need its own memory)
                    ASSERT_EQ(f.init(&live, 3, 8, vdxAlgHintNone, mem.data(), nullptr), vdxStsNoErr);
                    got_init = f.init(&out, order, flag, vdxAlgHintNone, mem.data(), nullptr);
                    live_after = f.buf_size(live, &a);
                }
                // At the largest orders a size beyond an int is reported as a memory error.
                const bool too_big = got == vdxStsMemAllocErr && want_size == vdxStsNoErr && order == f.max_order;
                m.expect((got == want_size || too_big) && got_null == (in_range ? vdxStsNullPtrErr : vdxStsFFTOrderErr) &&
                             got_init == want_init && out == nullptr && live_after == vdxStsContextMatchErr,
                         "order", order, "flag", flag, "size query", got, "null pointer", got_null, "Init", got_init,
                         "the memory's old object", live_after);
            }
        }
        EXPECT_NO_MISMATCH(m);
        void* out = nullptr;
        EXPECT_EQ(f.init(&out, 31, 0, vdxAlgHintNone, nullptr, nullptr), vdxStsNullPtrErr) << "pointers come first";
        ASSERT_EQ(f.get_size(12, 8, vdxAlgHintNone, &size, &init, &work), vdxStsNoErr);
        ASSERT_GT(init, 0) << "order 12 builds its tables in an init buffer";
        Guarded big(size, 0);
        EXPECT_EQ(f.init(&out, 12, 8, vdxAlgHintNone, big.data(), nullptr), vdxStsNullPtrErr);
        EXPECT_TRUE(mem.guards_intact() && big.guards_intact());
    }
}

// Free only invalidates an object in caller memory (calls with it, and with
// foreign objects: contract_fuzz).
TEST(FftObjects, FreeInvalidatesAnObjectInCallerMemory) {
    const int order = 6, n = 1 << order;
    for (int i = 0; i < kFamilyCount; ++i) {
        const Family& f = kFamilies[i];
        SCOPED_TRACE(f.name);
        void* own = nullptr;
        ASSERT_EQ(f.init_alloc(&own, order, 4, vdxAlgHintNone), vdxStsNoErr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(own) % 32, 0u);
        int size = 0, init = 0, work = 0, buf = -1;
        ASSERT_EQ(f.get_size(order, 4, vdxAlgHintNone, &size, &init, &work), vdxStsNoErr);
        EXPECT_EQ(f.buf_size(own, &buf), vdxStsNoErr);
        EXPECT_EQ(buf, work) << "the object reports the size query's work buffer";

        const auto x = signal(f, order, i);
        std::vector<Vdx8u> y(f.values_out(order) * f.out_size, 0x5A);
        Guarded mem(size, 0);
        void* placed = nullptr;
        ASSERT_EQ(f.init(&placed, order, 4, vdxAlgHintNone, mem.data(), nullptr), vdxStsNoErr);
        EXPECT_EQ(f.forward(placed, x.data(), y.data(), nullptr, n), vdxStsNoErr);
        EXPECT_EQ(f.free(placed), vdxStsNoErr);
        EXPECT_EQ(f.free(placed), vdxStsContextMatchErr) << "Free clears the identifier";
        EXPECT_TRUE(mem.guards_intact());
        EXPECT_EQ(f.free(own), vdxStsNoErr);  // released: a sanitizer run sees no leak
    }
}

// A real object copied elsewhere only starts with the family's identifier
// (zeros or garbage after it: contract_fuzz): every call refuses it.
TEST(FftObjects, ACopyOfAnObjectIsRefused) {
    const int order = 3, n = 1 << order;
    for (const Family& f : kFamilies) {
        SCOPED_TRACE(f.name);
        void* real = nullptr;
        int size = 0, init = 0, work = 0, buf = -1;
        ASSERT_EQ(f.get_size(order, 8, vdxAlgHintNone, &size, &init, &work), vdxStsNoErr);
        ASSERT_EQ(f.init_alloc(&real, order, 8, vdxAlgHintNone), vdxStsNoErr);
        // The object fills the first `size` bytes of InitAlloc's block at most;
        // the copy keeps the original's inner pointers.
        Guarded moved(size, 0);
        std::memcpy(moved.data(), real, size);
        const auto x = signal(f, order, 1);
        std::vector<Vdx8u> y(f.values_out(order) * f.out_size, 0x5A);
        const auto before = y;
        EXPECT_EQ(f.forward(moved.data(), x.data(), y.data(), nullptr, n), vdxStsContextMatchErr);
        EXPECT_EQ(f.buf_size(moved.data(), &buf), vdxStsContextMatchErr);
        EXPECT_EQ(f.free(moved.data()), vdxStsContextMatchErr);
        EXPECT_TRUE(y == before && buf == -1);
        EXPECT_EQ(f.free(real), vdxStsNoErr);
    }
}

// Init, its init buffer and the work buffer at every offset from a 32-byte
// boundary, each of exactly the reported size between guards: the object
// starts at the first boundary, nothing outside the sizes is written, the
// init buffer is not needed after Init, and the transform (into an unaligned
// destination) equals an InitAlloc object's.  The orders cover the 16-bit
// core, the wrapped float objects (hint accurate), radix-4, two-level and
// blocked tables (the last at every fifth offset: its tables take long).
TEST(FftObjects, ObjectsAndBuffersAtEveryOffset) {
    struct Case { int order; VdxHintAlgorithm hint; int step; };
    const Case cases[] = {{0, vdxAlgHintNone, 1}, {3, vdxAlgHintNone, 1}, {3, vdxAlgHintAccurate, 1},
                          {12, vdxAlgHintNone, 1}, {17, vdxAlgHintNone, 5}};
    const int flag = VDX_FFT_DIV_BY_SQRTN;
    for (const Family& f : kFamilies) {
        Mismatches m;
        for (const Case& c : cases) {
            const int n = 1 << c.order;
            int size = 0, init = 0, work = 0;
            ASSERT_EQ(f.get_size(c.order, flag, c.hint, &size, &init, &work), vdxStsNoErr);
            void* ref = nullptr;
            ASSERT_EQ(f.init_alloc(&ref, c.order, flag, c.hint), vdxStsNoErr);
            const auto x = signal(f, c.order, n);
            const size_t out_bytes = f.values_out(c.order) * f.out_size;
            std::vector<Vdx8u> want(out_bytes), got(out_bytes + 16);
            ASSERT_EQ(f.forward(ref, x.data(), want.data(), nullptr, n), vdxStsNoErr);
            EXPECT_EQ(f.free(ref), vdxStsNoErr);
            for (int off = 0; off < 32; off += c.step) {
                auto note = [&](const char* what) {
                    m.note([&](auto& os) { os << f.name << " order " << c.order << " hint " << c.hint << " offset " << off << ": " << what; });
                };
                Guarded obj(size, off), ibuf(init, off * 7 % 32), wbuf(work, off * 13 % 32);
                void* spec = nullptr;
                if (f.init(&spec, c.order, flag, c.hint, obj.data(), ibuf.data()) != vdxStsNoErr) {
                    note("Init failed");
                    continue;
                }
                if (!obj.guards_intact() || !ibuf.guards_intact()) note("Init wrote outside the object's or init buffer's size");
                if (static_cast<Vdx8u*>(spec) != align32(obj.data())) {
                    note("the object is not at the first 32-byte boundary of the block");
                    continue;
                }
                std::memset(ibuf.data(), 0x7F, init);  // released by the caller
                std::fill(got.begin(), got.end(), Vdx8u{0x3C});
                if (f.forward(spec, x.data(), got.data() + 8, wbuf.data(), n) != vdxStsNoErr) note("transform failed");
                if (std::memcmp(got.data() + 8, want.data(), out_bytes) != 0) note("result differs from InitAlloc's");
                if (got[7] != 0x3C || got[out_bytes + 8] != 0x3C) note("written outside the destination");
                if (!wbuf.guards_intact()) note("the transform wrote outside the work buffer's size");
            }
        }
        EXPECT_NO_MISMATCH(m);
    }
}

}  // namespace
