// Arithmetic members with integer types only, against the exact result in
// 128-bit integers (exact rationals for quotients) scaled, rounded and
// saturated.
#include <gtest/gtest.h>
#include <xmmintrin.h>


#include "arith_reference.h"

namespace {

using namespace arith_test;

using IAdd = IntRule<Op::add>;
using ISub = IntRule<Op::sub>;
using IMul = IntRule<Op::mul>;
using IDiv = QuotientRule;

const Registry& members() {
    static const Registry all = registry(
        ROWS(Add_16s, IAdd), ROW(Add_16u, IAdd), ROW(Add_32u, IAdd), ROW(Add_8u16u, IAdd), ROW(Add_16s32s_I, IAdd),
        ROWS_SFS(Add_8u, IAdd), ROWS_SFS(Add_16s, IAdd), ROWS_SFS(Add_16u, IAdd), ROWS_SFS(Add_16sc, IAdd),
        ROWS_SFS(Add_32s, IAdd), ROWS_SFS(Add_32sc, IAdd), ROW(Add_64s_Sfs, IAdd),
        ROW(AddC_16s_I, IAdd), ROWS_SFS(AddC_8u, IAdd), ROWS_SFS(AddC_16s, IAdd), ROWS_SFS(AddC_16u, IAdd),
        ROWS_SFS(AddC_16sc, IAdd), ROWS_SFS(AddC_32s, IAdd), ROWS_SFS(AddC_32sc, IAdd), ROW(AddC_64s_Sfs, IAdd),
        ROW(AddC_64u_Sfs, IAdd),
        ROW(AddProduct_16s_Sfs, IntMacRule), ROW(AddProduct_16s32s_Sfs, IntMacRule), ROW(AddProduct_32s_Sfs, IntMacRule),
        ROWS(Sub_16s, ISub), ROWS_SFS(Sub_8u, ISub), ROWS_SFS(Sub_16s, ISub), ROWS_SFS(Sub_16u, ISub),
        ROWS_SFS(Sub_16sc, ISub), ROWS_SFS(Sub_32s, ISub), ROWS_SFS(Sub_32sc, ISub),
        ROW(SubC_16s_I, ISub), ROWS_SFS(SubC_8u, ISub), ROWS_SFS(SubC_16s, ISub), ROWS_SFS(SubC_16u, ISub),
        ROWS_SFS(SubC_16sc, ISub), ROWS_SFS(SubC_32s, ISub), ROWS_SFS(SubC_32sc, ISub),
        ROWS_SFS(SubCRev_8u, ISub), ROWS_SFS(SubCRev_16s, ISub), ROWS_SFS(SubCRev_16u, ISub),
        ROWS_SFS(SubCRev_16sc, ISub), ROWS_SFS(SubCRev_32s, ISub), ROWS_SFS(SubCRev_32sc, ISub),
        ROWS(Mul_16s, IMul), ROW(Mul_8u16u, IMul), ROWS_SFS(Mul_8u, IMul), ROWS_SFS(Mul_16s, IMul),
        ROWS_SFS(Mul_16u, IMul), ROWS_SFS(Mul_16sc, IMul), ROW(Mul_16s32s_Sfs, IMul), ROW(Mul_16u16s_Sfs, IMul),
        ROWS_SFS(Mul_32s, IMul), ROW(Mul_Low_32s_Sfs, IMul), ROWS_SFS(Mul_32sc, IMul), ROWS_SFS(Mul_32s32sc, IMul),
        ROW(MulC_16s_I, IMul), ROWS_SFS(MulC_8u, IMul), ROWS_SFS(MulC_16s, IMul), ROWS_SFS(MulC_16u, IMul),
        ROWS_SFS(MulC_16sc, IMul), ROWS_SFS(MulC_32s, IMul), ROWS_SFS(MulC_32sc, IMul), ROW(MulC_64s_ISfs, IMul),
        ROWS_SFS(Div_8u, IDiv), ROWS_SFS(Div_16s, IDiv), ROWS_SFS(Div_16u, IDiv), ROWS_SFS(Div_16sc, IDiv),
        ROWS_SFS(Div_32s, IDiv), ROW(Div_32s16s_Sfs, IDiv),
        ROWS_SFS(Div_Round_8u, IDiv), ROWS_SFS(Div_Round_16s, IDiv), ROWS_SFS(Div_Round_16u, IDiv),
        // DivC: element over constant; a zero constant is an error for some
        ROWS_SFS(DivC_8u, IDiv, kZeroErr), ROWS_SFS(DivC_16s, IDiv, kZeroErr), ROW(DivC_16u_Sfs, IDiv, kZeroErr),
        ROW(DivC_16u_ISfs, IDiv, kZeroErr), ROWS_SFS(DivC_16sc, IDiv, kZeroErr), ROW(DivC_64s_ISfs, IDiv),
        ROWS(DivCRev_16u, IDiv));
    return all;
}

ARITH_MEMBER_TESTS(ArithInt, members)

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

}  // namespace
