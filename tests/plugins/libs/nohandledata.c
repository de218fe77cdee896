/* Has a name and nothing to call. */
#include <zuk/plugin.h>

const char* VersionInfo(void)
{
    return "No HandleData";
}
