#include "cli/registry.h"
#include "textfunc/encoders.h"
#include "textfunc/rle.h"

namespace zuk::cli {

namespace {

using namespace zuk::textfunc;

std::string base64Encode(Invocation& call)
{
    return Base64Encode(call.input);
}
std::string base64Decode(Invocation& call)
{
    return Base64Decode(call.input);
}
std::string mimeEncode(Invocation& call)
{
    return MimeEncode(call.input);
}
std::string mimeDecode(Invocation& call)
{
    return MimeDecode(call.input);
}
std::string uueDecode(Invocation& call)
{
    return UueDecode(call.input);
}
std::string rlePack(Invocation& call)
{
    return RlePack(call.input);
}
std::string rleUnpack(Invocation& call)
{
    return RleUnpack(call.input);
}
std::string hexEncode(Invocation& call)
{
    return HexEncode(call.input);
}
std::string hexDecode(Invocation& call)
{
    return HexDecode(call.input);
}
std::string urlDecode(Invocation& call)
{
    return UrlDecode(call.input);
}
std::string passwordXor(Invocation& call)
{
    return PasswordXor(call.input, call.option("password"));
}
std::string entityEncode(Invocation& call)
{
    return EntityEncode(call.input);
}
std::string rtttlToDigits(Invocation& call)
{
    return RtttlToDigits(call.input);
}

// The encoders see the document's bytes: with --utf8 a text is encoded as
// its Windows-1251 bytes and a decoded result is shown as Windows-1251 text.
// Only the packed RLE stream and the scrambled bytes are not text at all.
const FunctionRegistration kEncoders{
    {"base64-encode", FunctionKind::Text, "Base64 without line breaks.", {}, base64Encode},
    {"base64-decode",
     FunctionKind::Text,
     "Strict Base64: length a multiple of 4, nothing skipped.",
     {},
     base64Decode},
    {"mime-encode", FunctionKind::Text, "The same as base64-encode.", {}, mimeEncode},
    {"mime-decode",
     FunctionKind::Text,
     "Base64, skipping every character outside its alphabet.",
     {},
     mimeDecode},
    {"uue-decode", FunctionKind::Text, "One continuous stream of UU characters.", {}, uueDecode},
    FunctionSpec("rle-pack", FunctionKind::Text, "Run-length packing.", {}, rlePack).binaryOutput(),
    FunctionSpec("rle-unpack", FunctionKind::Text, "Run-length unpacking.", {}, rleUnpack)
        .binaryInput(),
    {"hex-encode",
     FunctionKind::Text,
     "Two upper-case hexadecimal digits per byte.",
     {},
     hexEncode},
    {"hex-decode", FunctionKind::Text, "Pairs of hexadecimal digits to bytes.", {}, hexDecode},
    {"url-decode",
     FunctionKind::Text,
     "%xx escapes to their bytes; + is left alone.",
     {},
     urlDecode},
    FunctionSpec("password-xor", FunctionKind::Text,
                 "Scramble (or unscramble) every byte with the xor of the password's bytes.",
                 {{"password", true, true, true, "P", "the password, not empty"}}, passwordXor)
        .binaryInput()
        .binaryOutput(),
    {"entity-encode",
     FunctionKind::Text,
     "Every byte as &#N; with its Windows-1251 code.",
     {},
     entityEncode},
    {"rtttl-to-digits",
     FunctionKind::Text,
     "Note letters C D E F G A B to the digits 1 to 7.",
     {},
     rtttlToDigits},
};

} // namespace

} // namespace zuk::cli
