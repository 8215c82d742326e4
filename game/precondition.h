// SPDX-License-Identifier: MIT
#pragma once

namespace game {

// What a debug build does when an operation is called with arguments it cannot take: by
// default it reports the broken promise on standard error and aborts. Release builds refuse
// such calls quietly. Tests install their own handler to count the reports.
using PreconditionHandler = void (*)(const char *what);
void setPreconditionHandler(PreconditionHandler handler);

// True when holds; otherwise reports what (in debug builds) and gives false, so that the
// caller can refuse the call before it reads anything with the bad argument.
bool precondition(bool holds, const char *what);

}  // namespace game
