/* Writes through a null pointer. */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Crash";
}

int32_t HandleData(void* handle, char** text)
{
    volatile char* nowhere = 0;
    *nowhere = **text;
    return 0;
}
