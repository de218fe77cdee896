/*
 * zuk/plugin.h: what a Zuk plug-in exports.
 *
 * A plug-in is a shared library (.so) in the Engine/Plugins/ folder of the
 * program folder. It offers one text transformation: the editor hands it the
 * working text of the current document (the selection, or the whole text when
 * nothing is selected) and puts the text it gives back in its place, as one
 * undo step.
 *
 * The library exports two functions by these names, with C linkage and
 * default visibility. Build it as C (or as C++ with this header, which adds
 * extern "C"), for example:
 *
 *     cc -shared -fPIC -O2 -o myplugin.so myplugin.c
 *
 * Every call runs in a short-lived helper process of the editor: the library
 * is loaded for that one call and the process ends after it. A plug-in
 * therefore keeps no state from one call to the next, and a crash, a hang or
 * a leak in it never costs the user the document.
 */
#ifndef ZUK_PLUGIN_H
#define ZUK_PLUGIN_H

#include <stdint.h>

#if defined(__GNUC__) || defined(__clang__)
#define ZUK_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define ZUK_PLUGIN_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The plug-in's name: the caption of its item in Утилиты → Плагины.
 *
 * Returns a zero-terminated text that stays valid until the library is
 * unloaded (a string literal is the usual answer). It may be UTF-8 or
 * Windows-1251. The editor shows at most 255 bytes of it; an "=", a line
 * break or another control character is replaced, and an empty name is shown
 * as the library's file name. A library whose VersionInfo returns NULL, or
 * that lacks HandleData, is not listed.
 */
ZUK_PLUGIN_EXPORT const char* VersionInfo(void);

/*
 * Transforms the text.
 *
 * handle: a value that names the menu item the user chose; it is never NULL
 *     and means nothing else to the plug-in.
 * text: the address of a variable that holds the address of the text: the
 *     document's bytes in its working code page (Windows-1251, CP866 or
 *     KOI8-R, whatever the document is set to), lines separated by CR LF,
 *     zero-terminated. The whole text of a document ends with CR LF; a
 *     selection does not.
 *
 * The result is what *text points to when HandleData returns:
 *  - leave *text alone to give back the text as it is now: the plug-in may
 *    change it in place as long as it does not grow (there is no room after
 *    its terminating zero);
 *  - or store in *text the address of a zero-terminated text of the plug-in's
 *    own, of any length up to 1 GiB. It must stay valid until HandleData
 *    returns: a static buffer or memory from malloc. The editor copies it
 *    and never frees it; the helper process ends right after the call, so
 *    nothing leaks;
 *  - storing NULL reports that the plug-in has no result: the document stays
 *    as it was and the user is told.
 *
 * The returned number is not used; return 0.
 */
ZUK_PLUGIN_EXPORT int32_t HandleData(void* handle, char** text);

#ifdef __cplusplus
}
#endif

#endif /* ZUK_PLUGIN_H */
