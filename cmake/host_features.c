/* Prints the feature bits the core library detects on the build machine,
 * whatever VDXCORE_HIDE_FEATURES says (the build's test registration runs
 * each kernel variant the machine has). */
#include <stdio.h>

#include "vdxcore.h"

int main(void) {
    vdxcoreSetFeatureMask(0);
    printf("%llu\n", (unsigned long long)ownGetFeature(~(uint64_t)0));
    return 0;
}
