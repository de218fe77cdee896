/* Reports that it has no result. */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Null result";
}

int32_t HandleData(void* handle, char** text)
{
    *text = 0;
    return -1;
}
