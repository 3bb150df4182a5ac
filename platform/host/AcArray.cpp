#include "host/AcArray.h"

#include <cstdio>
#include <cstdlib>

namespace host {

void arrayIndexFault(int index, int length) {
    std::fprintf(stderr, "AcArray: index %d outside an array of length %d\n", index, length);
    std::abort();
}

}  // namespace host
