#pragma once

#include <string>

namespace zuk::app {

// The English interface language file as shipped (data/Engine/Parts/lang/English):
// every section of the text tables in their order, every key with its English
// text, Windows-1251 with CR LF line breaks. Made from the tables, so the file
// and the program never disagree on a key. Throws zuk::ZukError when an
// English text has a character Windows-1251 cannot hold.
std::string englishLanguageFile();

} // namespace zuk::app
