// vdxsMalloc_* and vdxsFree through the public interface.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "vdxs.h"

namespace {

struct Allocator {
    const char* name;
    void* (*allocate)(int);
    int element_size;
};

template <class T, T* (*F)(int)>
void* erase(int len) { return F(len); }

const Allocator kAllocators[] = {
    {"8u", erase<Vdx8u, vdxsMalloc_8u>, 1},       {"8s", erase<Vdx8s, vdxsMalloc_8s>, 1},
    {"16u", erase<Vdx16u, vdxsMalloc_16u>, 2},    {"16s", erase<Vdx16s, vdxsMalloc_16s>, 2},
    {"8sc", erase<Vdx8sc, vdxsMalloc_8sc>, 2},    {"32u", erase<Vdx32u, vdxsMalloc_32u>, 4},
    {"32s", erase<Vdx32s, vdxsMalloc_32s>, 4},    {"32f", erase<Vdx32f, vdxsMalloc_32f>, 4},
    {"16sc", erase<Vdx16sc, vdxsMalloc_16sc>, 4}, {"64s", erase<Vdx64s, vdxsMalloc_64s>, 8},
    {"64f", erase<Vdx64f, vdxsMalloc_64f>, 8},    {"32sc", erase<Vdx32sc, vdxsMalloc_32sc>, 8},
    {"32fc", erase<Vdx32fc, vdxsMalloc_32fc>, 8}, {"64sc", erase<Vdx64sc, vdxsMalloc_64sc>, 16},
    {"64fc", erase<Vdx64fc, vdxsMalloc_64fc>, 16},
};

TEST(Malloc, SizeRulesForEveryElementType) {
    for (const auto& a : kAllocators) {
        SCOPED_TRACE(a.name);
        EXPECT_EQ(a.allocate(0), nullptr);
        EXPECT_EQ(a.allocate(-5), nullptr);
        EXPECT_EQ(a.allocate(INT_MIN), nullptr);
        // The byte count is signed 32-bit: one element past it is refused.
        const int too_many = static_cast<int>(2147483648LL / a.element_size);
        if (a.element_size > 1) {
            EXPECT_EQ(a.allocate(too_many), nullptr);
        }

        for (int len : {1, 3, 1000}) {
            void* p = a.allocate(len);
            ASSERT_NE(p, nullptr) << len;
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 32, 0u) << "blocks are at least 32-byte aligned";
            std::memset(p, 0x5A, static_cast<size_t>(len) * a.element_size);  // the whole block is usable
            vdxsFree(p);
        }
    }
    vdxsFree(nullptr);
}

TEST(Malloc, LargestByteCountIsAccepted) {
    // 2147483647 bytes is the limit itself, not past it.
    Vdx8u* p = vdxsMalloc_8u(INT_MAX);
    if (p == nullptr) GTEST_SKIP() << "the system refused 2 GiB";
    p[0] = 1;
    p[INT_MAX - 1] = 2;
    vdxsFree(p);
}

}  // namespace
