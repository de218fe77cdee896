/* Gives back an empty text. */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "Empty";
}

int32_t HandleData(void* handle, char** text)
{
    static char nothing[] = "";
    *text = nothing;
    return 0;
}
