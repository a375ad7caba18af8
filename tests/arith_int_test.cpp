// Arithmetic members with integer types only, against the exact result in
// 128-bit integers (exact rationals for quotients) scaled, rounded and
// saturated.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <algorithm>
#include <random>

#include "arith_reference.h"

namespace {

using namespace arith_test;

using IAdd = IntRule<Op::add>;
using ISub = IntRule<Op::sub>;
using IMul = IntRule<Op::mul>;
using IDiv = QuotientRule;

const Registry& members() {
    static const Registry all = registry(
        ROWS_VV_I(Add_16s, kFwd, IAdd, Vdx16s, Vdx16s),
        ROW_VV(Add_16u, kFwd, IAdd, Vdx16u, Vdx16u, Vdx16u),
        ROW_VV(Add_32u, kFwd, IAdd, Vdx32u, Vdx32u, Vdx32u),
        ROW_VV(Add_8u16u, kFwd, IAdd, Vdx8u, Vdx8u, Vdx16u),
        ROW_VVI(Add_16s32s_I, kFwd, IAdd, Vdx16s, Vdx32s),
        ROWS_VV_SFS_I(Add_8u, kFwd, IAdd, Vdx8u, Vdx8u),
        ROWS_VV_SFS_I(Add_16s, kFwd, IAdd, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Add_16u, kFwd, IAdd, Vdx16u, Vdx16u),
        ROWS_VV_SFS_I(Add_16sc, kFwd, IAdd, Vdx16sc, Vdx16sc),
        ROWS_VV_SFS_I(Add_32s, kFwd, IAdd, Vdx32s, Vdx32s),
        ROWS_VV_SFS_I(Add_32sc, kFwd, IAdd, Vdx32sc, Vdx32sc),
        ROW_VV_SFS(Add_64s_Sfs, kFwd, IAdd, Vdx64s, Vdx64s, Vdx64s),
        ROW_VCI(AddC_16s_I, kFwd, IAdd, Vdx16s, Vdx16s, kZeroOk),
        ROWS_VC_SFS_I(AddC_8u, kFwd, IAdd, Vdx8u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(AddC_16s, kFwd, IAdd, Vdx16s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(AddC_16u, kFwd, IAdd, Vdx16u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(AddC_16sc, kFwd, IAdd, Vdx16sc, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(AddC_32s, kFwd, IAdd, Vdx32s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(AddC_32sc, kFwd, IAdd, Vdx32sc, kZeroOk, kZeroOk),
        ROW_VC_SFS(AddC_64s_Sfs, kFwd, IAdd, Vdx64s, Vdx64s, Vdx64s, kZeroOk),
        ROW_VC_SFS(AddC_64u_Sfs, kFwd, IAdd, Vdx64u, Vdx64u, Vdx64u, kZeroOk),
        ROW_MAC_SFS(AddProduct_16s_Sfs, IntMacRule, Vdx16s, Vdx16s, Vdx16s),
        ROW_MAC_SFS(AddProduct_16s32s_Sfs, IntMacRule, Vdx16s, Vdx16s, Vdx32s),
        ROW_MAC_SFS(AddProduct_32s_Sfs, IntMacRule, Vdx32s, Vdx32s, Vdx32s),
        ROWS_VV_I(Sub_16s, kSwap, ISub, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Sub_8u, kSwap, ISub, Vdx8u, Vdx8u),
        ROWS_VV_SFS_I(Sub_16s, kSwap, ISub, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Sub_16u, kSwap, ISub, Vdx16u, Vdx16u),
        ROWS_VV_SFS_I(Sub_16sc, kSwap, ISub, Vdx16sc, Vdx16sc),
        ROWS_VV_SFS_I(Sub_32s, kSwap, ISub, Vdx32s, Vdx32s),
        ROWS_VV_SFS_I(Sub_32sc, kSwap, ISub, Vdx32sc, Vdx32sc),
        ROW_VCI(SubC_16s_I, kFwd, ISub, Vdx16s, Vdx16s, kZeroOk),
        ROWS_VC_SFS_I(SubC_8u, kFwd, ISub, Vdx8u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubC_16s, kFwd, ISub, Vdx16s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubC_16u, kFwd, ISub, Vdx16u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubC_16sc, kFwd, ISub, Vdx16sc, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubC_32s, kFwd, ISub, Vdx32s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubC_32sc, kFwd, ISub, Vdx32sc, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_8u, kSwap, ISub, Vdx8u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_16s, kSwap, ISub, Vdx16s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_16u, kSwap, ISub, Vdx16u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_16sc, kSwap, ISub, Vdx16sc, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_32s, kSwap, ISub, Vdx32s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(SubCRev_32sc, kSwap, ISub, Vdx32sc, kZeroOk, kZeroOk),
        ROWS_VV_I(Mul_16s, kFwd, IMul, Vdx16s, Vdx16s),
        ROW_VV(Mul_8u16u, kFwd, IMul, Vdx8u, Vdx8u, Vdx16u),
        ROWS_VV_SFS_I(Mul_8u, kFwd, IMul, Vdx8u, Vdx8u),
        ROWS_VV_SFS_I(Mul_16s, kFwd, IMul, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Mul_16u, kFwd, IMul, Vdx16u, Vdx16u),
        ROWS_VV_SFS_I(Mul_16sc, kFwd, IMul, Vdx16sc, Vdx16sc),
        ROW_VV_SFS(Mul_16s32s_Sfs, kFwd, IMul, Vdx16s, Vdx16s, Vdx32s),
        ROW_VV_SFS(Mul_16u16s_Sfs, kFwd, IMul, Vdx16u, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Mul_32s, kFwd, IMul, Vdx32s, Vdx32s),
        ROW_VV_SFS(Mul_Low_32s_Sfs, kFwd, IMul, Vdx32s, Vdx32s, Vdx32s),
        ROWS_VV_SFS_I(Mul_32sc, kFwd, IMul, Vdx32sc, Vdx32sc),
        ROWS_VV_SFS_I(Mul_32s32sc, kFwd, IMul, Vdx32s, Vdx32sc),
        ROW_VCI(MulC_16s_I, kFwd, IMul, Vdx16s, Vdx16s, kZeroOk),
        ROWS_VC_SFS_I(MulC_8u, kFwd, IMul, Vdx8u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(MulC_16s, kFwd, IMul, Vdx16s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(MulC_16u, kFwd, IMul, Vdx16u, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(MulC_16sc, kFwd, IMul, Vdx16sc, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(MulC_32s, kFwd, IMul, Vdx32s, kZeroOk, kZeroOk),
        ROWS_VC_SFS_I(MulC_32sc, kFwd, IMul, Vdx32sc, kZeroOk, kZeroOk),
        ROW_VCI_SFS(MulC_64s_ISfs, kFwd, IMul, Vdx64s, Vdx64s, kZeroOk),
        ROWS_VV_SFS_I(Div_8u, kSwap, IDiv, Vdx8u, Vdx8u),
        ROWS_VV_SFS_I(Div_16s, kSwap, IDiv, Vdx16s, Vdx16s),
        ROWS_VV_SFS_I(Div_16u, kSwap, IDiv, Vdx16u, Vdx16u),
        ROWS_VV_SFS_I(Div_16sc, kSwap, IDiv, Vdx16sc, Vdx16sc),
        ROWS_VV_SFS_I(Div_32s, kSwap, IDiv, Vdx32s, Vdx32s),
        ROW_VV_SFS(Div_32s16s_Sfs, kSwap, IDiv, Vdx16s, Vdx32s, Vdx16s),
        ROWS_VV_RSFS_I(Div_Round_8u, kSwap, IDiv, Vdx8u, Vdx8u),
        ROWS_VV_RSFS_I(Div_Round_16s, kSwap, IDiv, Vdx16s, Vdx16s),
        ROWS_VV_RSFS_I(Div_Round_16u, kSwap, IDiv, Vdx16u, Vdx16u),
        // DivC: element over constant; a zero constant is an error for some
        ROWS_VC_SFS_I(DivC_8u, kFwd, IDiv, Vdx8u, kZeroErr, kZeroOk),
        ROWS_VC_SFS_I(DivC_16s, kFwd, IDiv, Vdx16s, kZeroErr, kZeroOk),
        ROWS_VC_SFS_I(DivC_16u, kFwd, IDiv, Vdx16u, kZeroErr, kZeroErr),
        ROWS_VC_SFS_I(DivC_16sc, kFwd, IDiv, Vdx16sc, kZeroErr, kZeroOk),
        ROW_VCI_SFS(DivC_64s_ISfs, kFwd, IDiv, Vdx64s, Vdx64s, kZeroOk),
        ROWS_VC_I(DivCRev_16u, kSwap, IDiv, Vdx16u, kZeroOk, kZeroOk));
    return all;
}

class ArithInt : public ::testing::TestWithParam<const MemberBase*> {};

TEST_P(ArithInt, MatchesItsRuleOverLengthsScaleFactorsAndAlignments) {
    check_all_lengths(*GetParam(), GetParam()->sfs() ? 1 : 6);
}

TEST_P(ArithInt, StaysInsideItsVectorsAtPageEdges) { check_page_edges(*GetParam()); }

TEST_P(ArithInt, RejectsBadArgumentsWithoutWriting) { GetParam()->check_rejections(); }

INSTANTIATE_TEST_SUITE_P(Members, ArithInt, ::testing::ValuesIn(member_pointers(members())),
                         [](const ::testing::TestParamInfo<const MemberBase*>& info) { return info.param->name(); });

TEST(ArithIntTable, CoversEveryIntegerMemberOfTheHeader) {
    EXPECT_EQ(listed_members(members()), declared_members(false));
}

TEST(ArithIntThreads, LongDivisionSplitsWithoutChangingResultsOrStatus) {
    check_thread_splits(find_member(members(), "Div_16s_Sfs"), 1024, {0, 3, -2});
}

// The integer quotients whatever the caller's rounding control (and with
// flush-to-zero and denormals-are-zero on), which is the same after the call
// (the financial mode switches it inside).
TEST(ArithIntRounding, QuotientsIgnoreAndKeepTheCallersRoundingControl) {
    for (unsigned rc : {0x0000u, 0x2000u, 0x4000u, 0x6000u})
        for (unsigned extra : {0u, 0x8040u})
            check_under_control_word(members(), (_mm_getcsr() & ~0xE040u) | rc | extra, {1, 7, 33, 1500},
                                     [](const MemberBase& m) { return m.name().find("Div") != std::string::npos; });
}

// Every pair of 8-bit operands, and every 16-bit value against a shuffled
// copy of every value, through the four operations at every scale factor
// that leaves something to round or saturate.
template <class T>
void check_dense(const std::vector<T>& a, const std::vector<T>& b, int sf_lo, int sf_hi,
                 VdxStatus (*add)(const T*, const T*, T*, int, int), VdxStatus (*sub)(const T*, const T*, T*, int, int),
                 VdxStatus (*mul)(const T*, const T*, T*, int, int), VdxStatus (*div)(const T*, const T*, T*, int, int)) {
    std::vector<T> d(a.size());
    const int n = int(a.size());
    for (int sf = sf_lo; sf <= sf_hi; ++sf) {
        long bad = 0;
        auto expect = [&](const char* what, VdxStatus st, auto rule) {
            EXPECT_TRUE(st == vdxStsNoErr || st == vdxStsDivByZero) << what << " status " << st;
            for (int i = 0; i < n && bad < 5; ++i) {
                const T want = rule(i);
                if (d[i] != want)
                    ADD_FAILURE() << what << " sf " << sf << ": " << +a[i] << ", " << +b[i] << " gave " << +d[i]
                                  << ", want " << +want, ++bad;
            }
        };
        expect("Add", add(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(a[i]) + b[i], sf); });
        expect("Sub", sub(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(b[i]) - a[i], sf); });
        expect("Mul", mul(a.data(), b.data(), d.data(), n, sf), [&](int i) { return scaled<T>(i128(a[i]) * b[i], sf); });
        expect("Div", div(a.data(), b.data(), d.data(), n, sf), [&](int i) {
            return a[i] == 0 ? bound_by_sign<T>(b[i]) : T(quotient(b[i], a[i], sf, vdxRndNear, lo_of<T>(), hi_of<T>()));
        });
    }
}

TEST(ArithIntDense, EveryEightBitPairAndSixteenBitValue) {
    std::vector<Vdx8u> a8, b8;
    for (int i = 0; i < 65536; ++i) a8.push_back(Vdx8u(i)), b8.push_back(Vdx8u(i >> 8));
    check_dense<Vdx8u>(a8, b8, -9, 17, vdxsAdd_8u_Sfs, vdxsSub_8u_Sfs, vdxsMul_8u_Sfs, vdxsDiv_8u_Sfs);
    std::vector<Vdx16s> a16, b16;
    for (int i = -32768; i < 32768; ++i) a16.push_back(Vdx16s(i));
    b16 = a16;
    std::shuffle(b16.begin(), b16.end(), std::mt19937(5));
    check_dense<Vdx16s>(a16, b16, -17, 33, vdxsAdd_16s_Sfs, vdxsSub_16s_Sfs, vdxsMul_16s_Sfs, vdxsDiv_16s_Sfs);
}

}  // namespace
