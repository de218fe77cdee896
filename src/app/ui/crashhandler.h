#pragma once

namespace zuk::app::ui {

// Fatal-signal handling. On SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT the
// handler writes the crash message to stderr, runs the emergency hook and ends
// the process with _exit. Everything it does is async-signal-safe; it never
// returns into the faulting code and never waits on a lock.

// Installs the handler with its message (UTF-8). The text is copied into a
// static buffer here, outside any signal context. The program entry installs
// it; tests do not, so the sanitizers keep their own handlers.
void installCrashHandler(const char* message);
// Replaces the message (the language file gives it in its language).
void setCrashMessage(const char* message);

// A function the handler calls before it ends the program, for example to
// write emergency copies of the documents. It must itself be async-signal-safe:
// prepare paths and buffers beforehand and use only write/open/close in it.
// nullptr removes the hook.
using EmergencyHook = void (*)();
void setEmergencyHook(EmergencyHook hook);

} // namespace zuk::app::ui
