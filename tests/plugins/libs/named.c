/*
 * One source, several plug-ins, chosen by VARIANT: they differ in the name
 * VersionInfo reports and in the MARK their HandleData appends to the text.
 * HandleData also writes to its standard output, which must not get into
 * the answer.
 */
#include <zuk/plugin.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if VARIANT == 1
#define NAME "Близнец"
#define MARK "A"
#elif VARIANT == 2
#define NAME "Близнец"
#define MARK "B"
#elif VARIANT == 3
#define NAME "  a=b\tc\r\nd  "
#define MARK "odd"
#elif VARIANT == 4
#define NAME ""
#define MARK "unnamed"
#else
#define NAME 0
#define MARK "nameless"
#endif

const char* VersionInfo(void)
{
    return NAME;
}

int32_t HandleData(void* handle, char** text)
{
    printf("noise from the plug-in\n");
    fflush(stdout);
    const size_t size = strlen(*text);
    char* result = malloc(size + sizeof MARK);
    memcpy(result, *text, size);
    memcpy(result + size, MARK, sizeof MARK);
    *text = result;
    return 0;
}
