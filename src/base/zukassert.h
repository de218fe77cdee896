#pragma once

#include <cstdio>

// Programmer errors: in debug builds they stop the program at the fault; in
// release builds they are logged and the caller goes on with its recovery branch.
//   if (!ZUK_ASSERT(index < size)) return;
namespace zuk::detail {
inline bool assertFailed(const char* cond, const char* file, int line)
{
    std::fprintf(stderr, "zuk: assertion failed: %s (%s:%d)\n", cond, file, line);
#ifndef NDEBUG
    __builtin_trap();
#endif
    return false;
}
} // namespace zuk::detail

#define ZUK_ASSERT(cond) ((cond) ? true : ::zuk::detail::assertFailed(#cond, __FILE__, __LINE__))
