/*
 * Upper case for Windows-1251 text, changed in place.
 *
 * The simplest kind of plug-in: the result is never longer than the text, so
 * it rewrites the bytes where they are and leaves *text pointing at them.
 * Latin letters, the Russian alphabet and Ё are converted; every other byte
 * stays. In a CP866 or KOI8-R document the Russian letters would come out
 * wrong: a plug-in sees bytes, not characters.
 */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Верхний регистр (Windows-1251)";
}

static unsigned char upper1251(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return (unsigned char)(c - 'a' + 'A');
    if (c >= 0xE0) /* а ... я */
        return (unsigned char)(c - 0x20);
    if (c == 0xB8) /* ё */
        return 0xA8;
    return c;
}

int32_t HandleData(void* handle, char** text)
{
    (void)handle;
    for (unsigned char* p = (unsigned char*)*text; *p; ++p)
        *p = upper1251(*p);
    return 0;
}
