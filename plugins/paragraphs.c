/*
 * Encloses every line that is not empty in <p> and </p>.
 *
 * The result is longer than the text, so it cannot be written in place: the
 * plug-in builds it in memory of its own and stores its address in *text.
 * That memory is not freed here. The editor copies the result right after
 * HandleData returns, and the process the call runs in ends then.
 */
#include <zuk/plugin.h>

#include <stdlib.h>
#include <string.h>

const char* VersionInfo(void)
{
    return "Абзацы <p>…</p>";
}

static const char kOpen[] = "<p>";
static const char kClose[] = "</p>";

/* The length of the line starting at `s`, without its line break. */
static size_t lineLength(const char* s)
{
    size_t n = 0;
    while (s[n] && s[n] != '\r' && s[n] != '\n')
        ++n;
    return n;
}

/* The length of the line break at `s`: CR LF, LF or CR; 0 at the end. */
static size_t breakLength(const char* s)
{
    if (s[0] == '\r' && s[1] == '\n')
        return 2;
    return (s[0] == '\r' || s[0] == '\n') ? 1 : 0;
}

int32_t HandleData(void* handle, char** text)
{
    (void)handle;
    const char* in = *text;

    /* First pass: how long the result is. */
    size_t size = 0;
    for (const char* s = in; *s;) {
        const size_t line = lineLength(s);
        const size_t brk = breakLength(s + line);
        size += line + brk + (line ? sizeof kOpen - 1 + sizeof kClose - 1 : 0);
        s += line + brk;
    }

    char* result = malloc(size + 1);
    if (!result) {
        *text = NULL; /* no result: the editor reports it and keeps the document */
        return 1;
    }

    /* Second pass: the result itself. */
    char* out = result;
    for (const char* s = in; *s;) {
        const size_t line = lineLength(s);
        const size_t brk = breakLength(s + line);
        if (line) {
            memcpy(out, kOpen, sizeof kOpen - 1);
            out += sizeof kOpen - 1;
            memcpy(out, s, line);
            out += line;
            memcpy(out, kClose, sizeof kClose - 1);
            out += sizeof kClose - 1;
        }
        memcpy(out, s + line, brk);
        out += brk;
        s += line + brk;
    }
    *out = '\0';
    *text = result;
    return 0;
}
