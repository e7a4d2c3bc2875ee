#include "Backend.h"

#include <cstdio>
#include <cstdlib>

namespace {
Backend *inUse = nullptr;
} // namespace

Backend &Backend::current()
{
    if (!inUse) {
        std::fputs("zellomar: no toolkit backend was installed before the first window\n", stderr);
        std::abort();
    }
    return *inUse;
}

void Backend::use(Backend &backend)
{
    inUse = &backend;
}
