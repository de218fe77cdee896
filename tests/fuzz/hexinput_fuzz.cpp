// What the hex editor's boxes read: the go-to offset in either default base
// and the integer of an options field. Every refusal is a FormatError; a
// value written back in its base reads back the same.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "hexedit/hexinput.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using zuk::fuzz::check;

template <typename F> bool succeeds(F&& f)
{
    try {
        f();
        return true;
    } catch (const zuk::FormatError&) {
        return false;
    }
}

} // namespace

ZUK_FUZZ_TARGET(hexinput)
{
    using namespace zuk::hexedit;
    for (bool hex : {true, false}) {
        std::uint64_t v = 0;
        if (succeeds([&] { v = parseOffset(input, hex); })) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "0x%" PRIX64, v);
            check(parseOffset(buf, !hex) == v);
            std::snprintf(buf, sizeof buf, "%" PRIu64, v);
            check(parseOffset(buf, false) == v);
        }
    }
    int n = 0;
    if (succeeds([&] { n = parseInteger(input); })) {
        check(parseInteger(std::to_string(n)) == n);
        // A number is an offset only when it is not negative.
        std::uint64_t off = 0;
        check(succeeds([&] { off = parseOffset(std::to_string(n), false); }) == (n >= 0));
    }
}
