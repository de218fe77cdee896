#include "platform/runtime.h"

#include <sys/resource.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zuk::platform {

void setCurrentThreadNice(int nice)
{
#if defined(__linux__)
    // On Linux a nice value belongs to a thread, named by its thread id.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, tid, nice);
#else
    (void)nice;
#endif
}

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace zuk::platform
