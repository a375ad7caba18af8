/* A user's program: allocate, fill, check, report. */
#include <stdio.h>
#include <string.h>

#include "vdxs.h"

int main(void) {
    const VdxLibVersion* version = vdxsGetLibVersion();
    Vdx32f* buffer = vdxsMalloc_32f(64);
    if (version == NULL || version->major != 7 || buffer == NULL) return 1;
    if (vdxsSet_32f(1.5f, buffer, 64) != vdxStsNoErr || buffer[63] != 1.5f) return 2;
    if (vdxsMalloc_32f(0) != NULL) return 3;
    vdxsFree(buffer);
    printf("consumer linked %s %s\n", version->libName, version->versionText);
    return 0;
}
