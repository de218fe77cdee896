#include "platform/keyboardlayouts.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBstr.h>

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

namespace zuk::platform {

namespace {

// libX11 is opened at run time: the program has no link-time dependency on
// it and runs unchanged where it is missing.
struct X11Api {
    decltype(&XOpenDisplay) openDisplay = nullptr;
    decltype(&XCloseDisplay) closeDisplay = nullptr;
    decltype(&XkbGetMap) getMap = nullptr;
    decltype(&XkbGetNames) getNames = nullptr;
    decltype(&XkbGetControls) getControls = nullptr;
    decltype(&XSetErrorHandler) setErrorHandler = nullptr;
    decltype(&XSync) sync = nullptr;
    decltype(&XkbFreeKeyboard) freeKeyboard = nullptr;
    decltype(&XGetAtomName) getAtomName = nullptr;
    decltype(&XFree) free = nullptr;
    decltype(&XkbLockGroup) lockGroup = nullptr;
    bool ok = false;
};

template <typename F> bool bind(void* lib, const char* name, F& out)
{
    out = reinterpret_cast<F>(dlsym(lib, name));
    return out != nullptr;
}

const X11Api& x11()
{
    static X11Api api;
    static std::once_flag once;
    std::call_once(once, [] {
        void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return;
        api.ok = bind(lib, "XOpenDisplay", api.openDisplay) &&
                 bind(lib, "XCloseDisplay", api.closeDisplay) &&
                 bind(lib, "XkbGetMap", api.getMap) && bind(lib, "XkbGetNames", api.getNames) &&
                 bind(lib, "XkbGetControls", api.getControls) &&
                 bind(lib, "XSetErrorHandler", api.setErrorHandler) &&
                 bind(lib, "XSync", api.sync) && bind(lib, "XkbFreeKeyboard", api.freeKeyboard) &&
                 bind(lib, "XGetAtomName", api.getAtomName) && bind(lib, "XFree", api.free) &&
                 bind(lib, "XkbLockGroup", api.lockGroup);
    });
    return api;
}

// Xlib's default error handler ends the process; a server that refuses a
// request here only means there are no layouts to offer.
int ignoreXError(::Display*, XErrorEvent*)
{
    return 0;
}

// An open display, or none when there is no X server to talk to. While it is
// open, X errors are ignored instead of ending the program.
class XDisplay final {
public:
    XDisplay()
    {
        const char* name = std::getenv("DISPLAY");
        if (!x11().ok || !name || !*name)
            return;
        // A server busy closing an earlier connection may refuse one; ask twice.
        for (int attempt = 0; attempt < 2 && !m_display; ++attempt)
            m_display = x11().openDisplay(nullptr);
        if (m_display)
            m_oldHandler = x11().setErrorHandler(ignoreXError);
    }
    ~XDisplay()
    {
        if (!m_display)
            return;
        x11().sync(m_display, False);
        x11().setErrorHandler(m_oldHandler);
        x11().closeDisplay(m_display);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    ::Display* get() const { return m_display; }

private:
    ::Display* m_display = nullptr;
    XErrorHandler m_oldHandler = nullptr;
};

} // namespace

std::vector<std::string> keyboardLayoutNames()
{
    std::vector<std::string> names;
    XDisplay display;
    if (!display.get())
        return names;
    XkbDescPtr desc = x11().getMap(display.get(), 0, XkbUseCoreKbd);
    if (!desc)
        return names;
    int groups = XkbNumKbdGroups;
    if (x11().getControls(display.get(), XkbGroupsWrapMask, desc) == Success && desc->ctrls &&
        desc->ctrls->num_groups > 0)
        groups = desc->ctrls->num_groups;
    if (x11().getNames(display.get(), XkbGroupNamesMask, desc) == Success && desc->names) {
        for (int g = 0; g < groups; ++g) {
            const Atom atom = desc->names->groups[g];
            if (atom == None)
                break;
            char* name = x11().getAtomName(display.get(), atom);
            if (!name)
                break;
            names.emplace_back(name);
            x11().free(name);
        }
    }
    x11().freeKeyboard(desc, 0, True);
    return names;
}

bool activateKeyboardLayout(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= keyboardLayoutNames().size())
        return false;
    XDisplay display;
    if (!display.get())
        return false;
    x11().lockGroup(display.get(), XkbUseCoreKbd, static_cast<unsigned>(index));
    return true;
}

} // namespace zuk::platform
