/* placeholder, replaced below */
#include <stdio.h>
#include "vdxs.h"
int main(void) { const VdxLibVersion* v = vdxsGetLibVersion(); printf("%s\n", v->libName); return 0; }
