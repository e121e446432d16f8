#include "sdk/FCheck.h"

#include <cstdio>
#include <cstdlib>

void FCheckFailed(const char* conditionText, const char* file, int line)
{
    std::fprintf(stderr, "SWF writer check failed: %s (%s:%d)\n", conditionText, file, line);
    std::fflush(stderr);
    std::abort();
}
