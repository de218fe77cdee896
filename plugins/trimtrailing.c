/*
 * Removes the blanks (spaces and tabs) at the end of every line.
 *
 * The text only gets shorter, so it is rewritten in place: one pass copies
 * every byte to its new position, holding back a run of blanks until it is
 * known whether a line break or more text follows it.
 */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Убрать пробелы в концах строк";
}

int32_t HandleData(void* handle, char** text)
{
    (void)handle;
    char* in = *text;
    char* out = *text;
    char* blanks = 0; /* where the held-back run of blanks starts in the input */
    for (; *in; ++in) {
        if (*in == ' ' || *in == '\t') {
            if (!blanks)
                blanks = in;
            continue;
        }
        if (blanks && *in != '\r' && *in != '\n') {
            /* Blanks inside a line: they stay. */
            for (char* b = blanks; b < in; ++b)
                *out++ = *b;
        }
        blanks = 0;
        *out++ = *in;
    }
    *out = '\0';
    return 0;
}
