#include "core/Mdx_Array.h"

#include <cstdio>
#include <cstdlib>

void mdxArrayIndexFault(int index, int length) {
    std::fprintf(stderr, "*Error* Array index %d outside 0..%d.\n", index, length - 1);
    std::abort();
}
