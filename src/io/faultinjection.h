#pragma once

#include <array>
#include <cstddef>
#include <sys/types.h>

namespace zuk::io {

// The system calls through which every file of the program is written (see
// safefile.h), by kind.
enum class WriteCall { OpenTemp, Fchmod, Write, Fsync, Close, Rename };
inline constexpr std::size_t kWriteCallKinds = 6;
const char* writeCallName(WriteCall kind);

// A test seam in the safe writer. While one lives, every call of the writer is
// counted by kind, and the nth call of one kind fails with a given errno
// instead of reaching the system (a failing close still closes the descriptor,
// as the system's own does). A test loops n over 1, 2, ... until a run ends
// with triggered() false: every call position of that kind has then failed
// once. Only one lives at a time, on the thread that writes.
class InjectedFault final {
public:
    // Counts the calls and fails none.
    InjectedFault();
    // Fails the `nth` call (from 1) of `kind` with `errnoValue`.
    InjectedFault(WriteCall kind, int nth, int errnoValue);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

    int calls(WriteCall kind) const { return m_calls[static_cast<std::size_t>(kind)]; }
    bool triggered() const { return m_triggered; }

    // The writer's question before a call: 0 to go ahead, else the errno it fails with.
    int next(WriteCall kind);

private:
    std::array<int, kWriteCallKinds> m_calls{};
    WriteCall m_kind = WriteCall::OpenTemp;
    int m_nth = 0; // 0: count only
    int m_errno = 0;
    bool m_triggered = false;
    InjectedFault* m_outer = nullptr;
};

// The writer's system calls, each through the seam: without an InjectedFault
// one untaken branch in front of the plain call. They return and set errno as
// the calls they stand for.
namespace sys {
int openTemp(const char* path, mode_t mode);
int fchmod(int fd, mode_t mode);
ssize_t write(int fd, const void* bytes, std::size_t size);
// copy_file_range from `in` at *inOffset to the current position of `out`;
// counted and failed as a write. Where the system has no such call it fails
// with ENOSYS, and the caller reads and writes instead.
ssize_t copyRange(int in, off_t* inOffset, int out, std::size_t size);
int fsync(int fd);
int close(int fd);
int rename(const char* from, const char* to);
} // namespace sys

} // namespace zuk::io
