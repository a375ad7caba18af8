/* The public header as a strict C99 program sees it (built with -std=c99
 * -pedantic -Werror), and the library called from C. */
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "vdxs.h"

/* Layouts a C caller relies on. */
typedef char assert_complex_16sc[sizeof(Vdx16sc) == 4 ? 1 : -1];
typedef char assert_complex_64fc[sizeof(Vdx64fc) == 16 ? 1 : -1];
typedef char assert_status[sizeof(VdxStatus) == 4 ? 1 : -1];
typedef char assert_round_mode[sizeof(VdxRoundMode) == 4 ? 1 : -1];
typedef char assert_real_first[offsetof(Vdx32fc, re) == 0 ? 1 : -1];

static int failures = 0;
#define EXPECT(cond)                                                  \
    do {                                                              \
        if (!(cond)) {                                                \
            fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
            ++failures;                                               \
        }                                                             \
    } while (0)

int main(void) {
    const VdxLibVersion* v = vdxsGetLibVersion();
    Vdx32fc* c = vdxsMalloc_32fc(5);
    Vdx32fc value;
    Vdx32fc copy[5];
    float nan = vdxConstantOfNAN_32f;
    int i;

    EXPECT(v != NULL && v->major == 7 && strncmp(v->libName, "libvdxsy8-7.0.dylib", 19) == 0);
    EXPECT(c != NULL);
    EXPECT(nan != nan);
    EXPECT(vdxConstantOfINF_64f > 1e308);
    EXPECT(VDX_FFT_DIV_BY_SQRTN == 4 && vdxRndFinancial == 2 && vdxCmpGreater == 4);
    EXPECT(vdxStsNullPtrErr == -8 && vdxStsBitWidthClamped == 27 && vdxStsRoundModeErr == -213);

    /* A complex value passed by value through the C ABI. */
    value.re = 1.25f;
    value.im = -2.5f;
    EXPECT(vdxsSet_32fc(value, c, 5) == vdxStsNoErr);
    EXPECT(vdxsCopy_32fc(c, copy, 5) == vdxStsNoErr);
    for (i = 0; i < 5; ++i) EXPECT(copy[i].re == 1.25f && copy[i].im == -2.5f);
    EXPECT(vdxsCopy_32fc(NULL, copy, 0) == vdxStsNullPtrErr);
    vdxsFree(c);
    return failures == 0 ? 0 : 1;
}
