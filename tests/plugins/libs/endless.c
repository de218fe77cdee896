/* Never returns. */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Endless";
}

int32_t HandleData(void* handle, char** text)
{
    volatile int forever = 1;
    while (forever) {
    }
    return 0;
}
