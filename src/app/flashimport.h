#pragma once

#include <string>
#include <string_view>

namespace zuk::app {

// A fresh random identifier in registry form without braces:
// "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", upper-case hexadecimal (version 4).
std::string newGuid();

// The swfimport.txt template with its placeholders filled, in one pass from
// left to right (so a substituted value is never scanned again): `metachar`
// followed by "clsid" becomes `guid`, by "filename" the dropped file's full
// path, by "id" the file name without folder and extension. The template and
// `metachar` are Windows-1251 bytes, the path is UTF-8 and is written in
// Windows-1251 ('?' for characters it cannot hold).
std::string flashInsertion(std::string_view templateText, std::string_view metachar,
                           std::string_view swfPath, std::string_view guid);

} // namespace zuk::app
