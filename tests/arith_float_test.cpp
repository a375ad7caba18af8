// Arithmetic family, black box: the members with floating-point types (float
// and complex float vectors, 16-bit integers summed or multiplied into
// floats, and the products of floats that are rounded into integers).
//
// Each member runs over every short length and two long ones at rotating
// misalignments, against page fences, and through every failing argument
// check; results are compared bit for bit with one IEEE operation per
// element (each product and sum of a complex product or quotient rounded on
// its own, never fused).  Long divisions also run with 1 to 4 threads.
#include <gtest/gtest.h>
#include <vector>
#include <cstring>
#include <cmath>
#include <xmmintrin.h>

#include "arith_reference.h"
#include "mismatches.h"

namespace {

using namespace arith_test;

using FAdd = FloatRule<Op::add>;
using FSub = FloatRule<Op::sub>;
using FMul = FloatRule<Op::mul>;
using FDiv = FloatRule<Op::div>;
using ToInt16 = FloatProductToIntRule;
using ToInt64 = DoubleTimesInt64Rule;

const Registry& members() {
    static const Registry all = [] {
        Registry r;
        // Add
        r.push_back(ROW_VV(Add_16s32f, kFwd, FAdd, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Add_32f, kFwd, FAdd, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Add_32fc, kFwd, FAdd, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Add_64f, kFwd, FAdd, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Add_64fc, kFwd, FAdd, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Add_32f_I, kFwd, FAdd, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Add_32fc_I, kFwd, FAdd, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Add_64f_I, kFwd, FAdd, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Add_64fc_I, kFwd, FAdd, Vdx64fc, Vdx64fc));
        // AddC
        r.push_back(ROW_VC(AddC_32f, kFwd, FAdd, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_32fc, kFwd, FAdd, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_64f, kFwd, FAdd, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(AddC_64fc, kFwd, FAdd, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_32f_I, kFwd, FAdd, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_32fc_I, kFwd, FAdd, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_64f_I, kFwd, FAdd, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(AddC_64fc_I, kFwd, FAdd, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // AddProduct, AddProductC
        r.push_back(ROW_MAC(AddProduct_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_MAC(AddProduct_64f, FloatMacRule, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_MAC(AddProduct_32fc, FloatMacRule, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_MAC(AddProduct_64fc, FloatMacRule, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_MACC(AddProductC_32f, FloatMacRule, Vdx32f, Vdx32f, Vdx32f));
        // Sub: second minus first
        r.push_back(ROW_VV(Sub_16s32f, kSwap, FSub, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Sub_32f, kSwap, FSub, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Sub_32fc, kSwap, FSub, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Sub_64f, kSwap, FSub, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Sub_64fc, kSwap, FSub, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Sub_32f_I, kSwap, FSub, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Sub_32fc_I, kSwap, FSub, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Sub_64f_I, kSwap, FSub, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Sub_64fc_I, kSwap, FSub, Vdx64fc, Vdx64fc));
        // SubC: element minus constant
        r.push_back(ROW_VC(SubC_32f, kFwd, FSub, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_32fc, kFwd, FSub, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_64f, kFwd, FSub, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(SubC_64fc, kFwd, FSub, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_32f_I, kFwd, FSub, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_32fc_I, kFwd, FSub, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_64f_I, kFwd, FSub, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubC_64fc_I, kFwd, FSub, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // SubCRev: constant minus element
        r.push_back(ROW_VC(SubCRev_32f, kSwap, FSub, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_32fc, kSwap, FSub, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_64f, kSwap, FSub, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(SubCRev_64fc, kSwap, FSub, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_32f_I, kSwap, FSub, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_32fc_I, kSwap, FSub, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_64f_I, kSwap, FSub, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(SubCRev_64fc_I, kSwap, FSub, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // Mul
        r.push_back(ROW_VV(Mul_16s32f, kFwd, FMul, Vdx16s, Vdx16s, Vdx32f));
        r.push_back(ROW_VV(Mul_32f, kFwd, FMul, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Mul_32fc, kFwd, FMul, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Mul_64f, kFwd, FMul, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Mul_64fc, kFwd, FMul, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VV(Mul_32f32fc, kFwd, FMul, Vdx32f, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Mul_32f_I, kFwd, FMul, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Mul_32fc_I, kFwd, FMul, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Mul_64f_I, kFwd, FMul, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Mul_64fc_I, kFwd, FMul, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Mul_32f32fc_I, kFwd, FMul, Vdx32f, Vdx32fc));
        // MulC
        r.push_back(ROW_VC(MulC_32f, kFwd, FMul, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_32fc, kFwd, FMul, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_64f, kFwd, FMul, Vdx64f, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_64fc, kFwd, FMul, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_32f_I, kFwd, FMul, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_32fc_I, kFwd, FMul, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_64f_I, kFwd, FMul, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(MulC_64fc_I, kFwd, FMul, Vdx64fc, Vdx64fc, kZeroConstantOk));
        r.push_back(ROW_VC_SFS(MulC_32f16s_Sfs, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VC(MulC_Low_32f16s, kFwd, ToInt16, Vdx32f, Vdx32f, Vdx16s, kZeroConstantOk));
        r.push_back(ROW_VCI_SFS(MulC_64f64s_ISfs, kFwd, ToInt64, Vdx64f, Vdx64s, kZeroConstantOk));
        // Div: second over first
        r.push_back(ROW_VV(Div_32f, kSwap, FDiv, Vdx32f, Vdx32f, Vdx32f));
        r.push_back(ROW_VV(Div_32fc, kSwap, FDiv, Vdx32fc, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VV(Div_64f, kSwap, FDiv, Vdx64f, Vdx64f, Vdx64f));
        r.push_back(ROW_VV(Div_64fc, kSwap, FDiv, Vdx64fc, Vdx64fc, Vdx64fc));
        r.push_back(ROW_VVI(Div_32f_I, kSwap, FDiv, Vdx32f, Vdx32f));
        r.push_back(ROW_VVI(Div_32fc_I, kSwap, FDiv, Vdx32fc, Vdx32fc));
        r.push_back(ROW_VVI(Div_64f_I, kSwap, FDiv, Vdx64f, Vdx64f));
        r.push_back(ROW_VVI(Div_64fc_I, kSwap, FDiv, Vdx64fc, Vdx64fc));
        // DivC: element over constant; a zero constant is an error for some
        r.push_back(ROW_VC(DivC_32f, kFwd, FDiv, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VC(DivC_32fc, kFwd, FDiv, Vdx32fc, Vdx32fc, Vdx32fc, kZeroConstantError));
        r.push_back(ROW_VC(DivC_64f, kFwd, FDiv, Vdx64f, Vdx64f, Vdx64f, kZeroConstantError));
        r.push_back(ROW_VC(DivC_64fc, kFwd, FDiv, Vdx64fc, Vdx64fc, Vdx64fc, kZeroConstantError));
        r.push_back(ROW_VCI(DivC_32f_I, kFwd, FDiv, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_32fc_I, kFwd, FDiv, Vdx32fc, Vdx32fc, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_64f_I, kFwd, FDiv, Vdx64f, Vdx64f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivC_64fc_I, kFwd, FDiv, Vdx64fc, Vdx64fc, kZeroConstantOk));
        // DivCRev: constant over element
        r.push_back(ROW_VC(DivCRev_32f, kSwap, FDiv, Vdx32f, Vdx32f, Vdx32f, kZeroConstantOk));
        r.push_back(ROW_VCI(DivCRev_32f_I, kSwap, FDiv, Vdx32f, Vdx32f, kZeroConstantOk));
        return r;
    }();
    return all;
}

class ArithFloat : public ::testing::TestWithParam<const MemberBase*> {};

TEST_P(ArithFloat, MatchesItsRuleOverLengthsAndAlignments) {
    check_all_lengths(*GetParam(), GetParam()->sfs() ? 1 : 6);
}

TEST_P(ArithFloat, StaysInsideItsVectorsAtPageEdges) { check_page_edges(*GetParam()); }

TEST_P(ArithFloat, RejectsBadArgumentsWithoutWriting) { GetParam()->check_rejections(); }

INSTANTIATE_TEST_SUITE_P(Members, ArithFloat, ::testing::ValuesIn(member_pointers(members())),
                         [](const ::testing::TestParamInfo<const MemberBase*>& info) { return info.param->name(); });

TEST(ArithFloatTable, CoversEveryFloatingPointMemberOfTheHeader) {
    const auto declared = declared_members(true);
    std::vector<std::string> listed;
    for (const auto& m : members()) listed.push_back(m->name());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, declared);
    EXPECT_EQ(declared.size(), 87u);
}

// ---------------------------------------------------------------- threads

TEST(ArithFloatThreads, LongDivisionsSplitWithoutChangingResultsOrStatus) {
    check_thread_splits(find_member(members(), "Div_32f"), 4096, {0});
    for (const char* name : {"Div_32fc", "Div_64f", "Div_64fc"})
        check_thread_splits(find_member(members(), name), 1024, {0});
}

// The caller's flush-to-zero and denormals-are-zero reach every thread: a
// quotient whose operands or result are subnormal gives the same bits on 1
// and on 2 threads, and the caller's control word is left as it was.
TEST(ArithFloatThreads, WorkersRunWithTheCallersControlWord) {
    const int n = 65536;
    std::vector<Vdx32f> num(n), den(n);
    for (int i = 0; i < n; ++i) {
        num[i] = std::ldexp(1.0f + i % 97, -130 - i % 20);  // subnormal dividends
        den[i] = i % 3 == 0 ? std::ldexp(1.0f, 100) : 3.0f;  // and subnormal quotients
    }
    const unsigned saved = _mm_getcsr();
    for (unsigned modes : {0x8000u, 0x0040u, 0x8040u}) {  // FTZ, DAZ, both
        _mm_setcsr((saved & ~0x8040u) | modes);
        std::vector<Vdx32f> one(n), two(n);
        {
            ThreadCount pin(1);
            ASSERT_EQ(vdxsDiv_32f(den.data(), num.data(), one.data(), n), vdxStsNoErr);
        }
        {
            ThreadCount pin(2);
            ASSERT_EQ(vdxsDiv_32f(den.data(), num.data(), two.data(), n), vdxStsNoErr);
        }
        const unsigned after = _mm_getcsr();
        _mm_setcsr(saved);
        EXPECT_EQ(after & ~0x3Fu, ((saved & ~0x8040u) | modes) & ~0x3Fu);
        EXPECT_EQ(std::memcmp(one.data(), two.data(), sizeof(Vdx32f) * n), 0) << "MXCSR modes " << modes;
        EXPECT_EQ(one[n - 2], 0.0f) << "the mode took effect in the last block";
    }
}

// ---------------------------------------------------------------- worked cases


TEST(ArithFloatCases, OperandOrder) {
    const Vdx32f one[1] = {1.0f}, three[1] = {3.0f};
    Vdx32f out[1] = {0};
    ASSERT_EQ(vdxsSub_32f(one, three, out, 1), vdxStsNoErr);
    EXPECT_EQ(out[0], 2.0f);  // second minus first
    ASSERT_EQ(vdxsDiv_32f(one, three, out, 1), vdxStsNoErr);
    EXPECT_EQ(out[0], 3.0f);  // second over first
    ASSERT_EQ(vdxsSubCRev_32f(one, 3.0f, out, 1), vdxStsNoErr);
    EXPECT_EQ(out[0], 2.0f);
    ASSERT_EQ(vdxsDivCRev_32f(three, 6.0f, out, 1), vdxStsNoErr);
    EXPECT_EQ(out[0], 2.0f);
    Vdx64f d[1] = {8.0};
    const Vdx64f two[1] = {2.0};
    ASSERT_EQ(vdxsDiv_64f_I(two, d, 1), vdxStsNoErr);
    EXPECT_EQ(d[0], 4.0);  // in place: the second operand is overwritten
    ASSERT_EQ(vdxsSub_64f_I(two, d, 1), vdxStsNoErr);
    EXPECT_EQ(d[0], 2.0);
}

TEST(ArithFloatCases, ZeroDivisorGivesInfinityOrNaNByTheDividendSign) {
    const Vdx32f divisors[4] = {0.0f, 0.0f, 0.0f, -0.0f};
    const Vdx32f dividends[4] = {1.0f, -1.0f, 0.0f, 2.0f};
    Vdx32f out[4];
    ASSERT_EQ(vdxsDiv_32f(divisors, dividends, out, 4), vdxStsDivByZero);
    EXPECT_EQ(bits_of(out[0]), bits_of(INFINITY));
    EXPECT_EQ(bits_of(out[1]), bits_of(-INFINITY));
    EXPECT_TRUE(std::isnan(out[2]));
    EXPECT_EQ(bits_of(out[3]), bits_of(INFINITY));  // the zero's sign is not used
    // Complex: each part by its own dividend part.
    const Vdx64fc zero[1] = {{0.0, -0.0}};
    Vdx64fc z[1] = {{-3.0, 0.0}};
    ASSERT_EQ(vdxsDiv_64fc_I(zero, z, 1), vdxStsDivByZero);
    EXPECT_EQ(bits_of(z[0].re), bits_of(-double(INFINITY)));
    EXPECT_TRUE(std::isnan(z[0].im));
}

TEST(ArithFloatCases, ZeroConstantIsAnErrorOnlyWhereListed) {
    const Vdx64f src[2] = {1.0, -2.0};
    Vdx64f out[2] = {7.0, 7.0};
    EXPECT_EQ(vdxsDivC_64f(src, 0.0, out, 2), vdxStsDivByZeroErr);
    EXPECT_EQ(out[0], 7.0);
    EXPECT_EQ(out[1], 7.0);
    Vdx64f inPlace[2] = {1.0, -2.0};
    EXPECT_EQ(vdxsDivC_64f_I(0.0, inPlace, 2), vdxStsDivByZero);
    EXPECT_EQ(bits_of(inPlace[0]), bits_of(double(INFINITY)));
    EXPECT_EQ(bits_of(inPlace[1]), bits_of(-double(INFINITY)));
}

TEST(ArithFloatCases, ComplexProductAndQuotient) {
    const Vdx32fc a[1] = {{1, 2}}, b[1] = {{3, 4}};
    Vdx32fc p[1], q[1];
    ASSERT_EQ(vdxsMul_32fc(a, b, p, 1), vdxStsNoErr);
    EXPECT_EQ(p[0].re, -5.0f);
    EXPECT_EQ(p[0].im, 10.0f);
    ASSERT_EQ(vdxsDiv_32fc(a, p, q, 1), vdxStsNoErr);  // (-5 + 10i) / (1 + 2i)
    EXPECT_EQ(q[0].re, 3.0f);
    EXPECT_EQ(q[0].im, 4.0f);
}

// (1 + e)(1 - e) = 1 - e^2 rounds to 1 when e^2 is below half an ulp of 1:
// added to -1 it gives 0, where a fused multiply-add gives -e^2.
TEST(ArithFloatCases, ProductsAreRoundedBeforeTheyAreAdded) {
    const double e = 0x1p-30;
    const Vdx64f x[1] = {1 + e}, y[1] = {1 - e};
    Vdx64f acc[1] = {-1.0};
    ASSERT_EQ(vdxsAddProduct_64f(x, y, acc, 1), vdxStsNoErr);
    EXPECT_EQ(bits_of(acc[0]), bits_of(0.0));
    const float ef = 0x1p-13f;
    const Vdx32f xf[1] = {1 + ef}, yf[1] = {1 - ef};
    Vdx32f accf[1] = {-1.0f};
    ASSERT_EQ(vdxsAddProductC_32f(xf, 1 - ef, accf, 1), vdxStsNoErr);
    EXPECT_EQ(bits_of(accf[0]), bits_of(0.0f));
    accf[0] = -1.0f;
    ASSERT_EQ(vdxsAddProduct_32f(xf, yf, accf, 1), vdxStsNoErr);
    EXPECT_EQ(bits_of(accf[0]), bits_of(0.0f));
    // Complex: re = ac - bd with a c = 1 - e^2 rounded to 1 and b d = 1.
    const Vdx64fc u[1] = {{1 + e, 1}}, v[1] = {{1 - e, 1}};
    Vdx64fc w[1];
    ASSERT_EQ(vdxsMul_64fc(u, v, w, 1), vdxStsNoErr);
    EXPECT_EQ(bits_of(w[0].re), bits_of(0.0));
    const Vdx32fc uf[1] = {{1 + ef, 1}};
    Vdx32fc wf[1] = {{1 - ef, 1}};
    ASSERT_EQ(vdxsMulC_32fc_I(uf[0], wf, 1), vdxStsNoErr);
    EXPECT_EQ(bits_of(wf[0].re), bits_of(0.0f));
}

TEST(ArithFloatCases, FloatProductsRoundedIntoIntegers) {
    const Vdx32f src[7] = {2.5f, 3.5f, -2.5f, 1e10f, NAN, 4.5f, -1e10f};
    Vdx16s out[7];
    ASSERT_EQ(vdxsMulC_Low_32f16s(src, 1.0f, out, 7), vdxStsNoErr);
    const Vdx16s expect[7] = {2, 4, -2, 32767, 0, 4, -32768};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(out[i], expect[i]) << i;
    ASSERT_EQ(vdxsMulC_32f16s_Sfs(src, 3.0f, out, 2, 2), vdxStsNoErr);  // 7.5 / 4, 10.5 / 4
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], 3);
    Vdx64s big[4] = {3, 5, INT64_C(1) << 62, -(INT64_C(1) << 62)};
    ASSERT_EQ(vdxsMulC_64f64s_ISfs(0.5, big, 4, 0), vdxStsNoErr);
    EXPECT_EQ(big[0], 2);  // 1.5
    EXPECT_EQ(big[1], 2);  // 2.5
    EXPECT_EQ(big[2], INT64_C(1) << 61);
    ASSERT_EQ(vdxsMulC_64f64s_ISfs(8.0, big, 4, 0), vdxStsNoErr);
    EXPECT_EQ(big[2], INT64_MAX);
    EXPECT_EQ(big[3], INT64_MIN);
}

}  // namespace
