#include "io/faultinjection.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::io {

namespace {

InjectedFault* g_active = nullptr;

// 0, or the errno the call is to fail with.
inline int injected(WriteCall kind)
{
    if (__builtin_expect(g_active == nullptr, 1))
        return 0;
    return g_active->next(kind);
}

} // namespace

const char* writeCallName(WriteCall kind)
{
    switch (kind) {
    case WriteCall::OpenTemp:
        return "open";
    case WriteCall::Fchmod:
        return "fchmod";
    case WriteCall::Write:
        return "write";
    case WriteCall::Fsync:
        return "fsync";
    case WriteCall::Close:
        return "close";
    case WriteCall::Rename:
        return "rename";
    }
    return "?";
}

InjectedFault::InjectedFault() : m_outer(g_active)
{
    g_active = this;
}

InjectedFault::InjectedFault(WriteCall kind, int nth, int errnoValue)
    : m_kind(kind), m_nth(nth), m_errno(errnoValue), m_outer(g_active)
{
    g_active = this;
}

InjectedFault::~InjectedFault()
{
    g_active = m_outer;
}

int InjectedFault::next(WriteCall kind)
{
    const int n = ++m_calls[static_cast<std::size_t>(kind)];
    if (m_nth <= 0 || kind != m_kind || n != m_nth)
        return 0;
    m_triggered = true;
    return m_errno;
}

namespace sys {

int openTemp(const char* path, mode_t mode)
{
    if (const int err = injected(WriteCall::OpenTemp)) {
        errno = err;
        return -1;
    }
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

int fchmod(int fd, mode_t mode)
{
    if (const int err = injected(WriteCall::Fchmod)) {
        errno = err;
        return -1;
    }
    return ::fchmod(fd, mode);
}

ssize_t write(int fd, const void* bytes, std::size_t size)
{
    if (const int err = injected(WriteCall::Write)) {
        errno = err;
        return -1;
    }
    return ::write(fd, bytes, size);
}

ssize_t copyRange(int in, off_t* inOffset, int out, std::size_t size)
{
    if (const int err = injected(WriteCall::Write)) {
        errno = err;
        return -1;
    }
#ifdef __linux__
    return ::copy_file_range(in, inOffset, out, nullptr, size, 0);
#else
    (void)in, (void)inOffset, (void)out, (void)size;
    errno = ENOSYS;
    return -1;
#endif
}

int fsync(int fd)
{
    if (const int err = injected(WriteCall::Fsync)) {
        errno = err;
        return -1;
    }
    return ::fsync(fd);
}

int close(int fd)
{
    const int err = injected(WriteCall::Close);
    const int result = ::close(fd); // the descriptor is gone either way
    if (err) {
        errno = err;
        return -1;
    }
    return result;
}

int rename(const char* from, const char* to)
{
    if (const int err = injected(WriteCall::Rename)) {
        errno = err;
        return -1;
    }
    return std::rename(from, to);
}

} // namespace sys

} // namespace zuk::io
