// Writes the English interface language file made from the text tables:
//   zuk-langfile > data/Engine/Parts/lang/English
// scripts/langfile runs it; a test keeps the shipped file equal to its output.

#include "app/languagefile.h"
#include "base/zukerror.h"

#include <cstdio>
#include <iostream>

int main()
{
    try {
        const std::string text = zuk::app::englishLanguageFile();
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const zuk::ZukError& e) {
        std::cerr << "zuk-langfile: " << e.what() << "\n";
        return 1;
    }
}
