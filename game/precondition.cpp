// SPDX-License-Identifier: MIT
#include "precondition.h"

#include <cstdio>
#include <cstdlib>

namespace game {

namespace {

void reportAndAbort(const char *what) {
    std::fprintf(stderr, "trilet: precondition failed: %s\n", what);
    std::abort();
}

PreconditionHandler g_handler = reportAndAbort;

}  // namespace

void setPreconditionHandler(PreconditionHandler handler) {
    g_handler = handler ? handler : reportAndAbort;
}

bool precondition(bool holds, const char *what) {
#ifndef NDEBUG
    if (!holds) g_handler(what);
#else
    (void)what;
#endif
    return holds;
}

}  // namespace game
