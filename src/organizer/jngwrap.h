#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuk::organizer {

// A JNG picture (a JPEG with an optional alpha channel, in PNG-style chunks)
// as the one-frame MNG stream that holds it: the MNG signature, an MHDR of
// the picture's size, the JNG's chunks, MEND. MNG readers take JNG only in
// this form. Nothing for bytes without the JNG signature and a whole JHDR
// chunk first.
std::optional<std::string> wrapJngAsMng(std::string_view jng);

} // namespace zuk::organizer
