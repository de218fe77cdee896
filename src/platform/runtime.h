#pragma once

namespace zuk::platform {

// The nice value of the calling thread (19 lowest priority ... -20 highest).
// Raising a thread above normal needs privileges the program usually lacks;
// then it stays where it is. Does nothing where threads have no nice value.
void setCurrentThreadNice(int nice);

// Hands memory the allocator keeps in its free lists back to the system, after
// a big piece of work let go of it (a report of millions of lines).
void releaseFreedMemory();

} // namespace zuk::platform
