#include "highlight/cmytextstyles.h"

#include "base/zukerror.h"
#include "io/inifile.h"

#include <filesystem>

namespace zuk::highlight {

const aTextStyles& builtInTextStyles()
{
    static const aTextStyles table = [] {
        struct Row {
            const char* name;
            int32_t fore, back;
            bool bold, italic, underline;
        };
        const int32_t w = kWindowColour;
        const Row rows[kTextStyleCount] = {
            {"Whitespace", 0, w, false, false, false},
            {"String", 128, w, false, false, false},
            {"Comment", 8421504, w, false, true, false},
            {"Identifier", 0, w, false, false, false},
            {"Integer", 32768, w, false, false, false},
            {"Float", 32768, w, false, false, false},
            {"Reserved words", 16711680, w, true, false, false},
            {"Delimeters", 0, w, false, false, false},
            {"Defines", 32768, w, false, false, false},
            {"Assembler", 32768, w, false, false, false},
            {"Html tags", 10110319, w, true, false, false},
            {"Html params", 8388608, w, false, true, false},
            {"BreakPoint", 16777215, 255, false, false, false},
            {"Error line", 16777215, 128, false, false, false},
            {"Marked Block", 16777215, 8388608, false, false, false},
            {"Search Match", 65280, 0, false, false, true},
            {"Url", 32768, w, false, false, true},
        };
        aTextStyles t;
        for (size_t i = 0; i < kTextStyleCount; ++i)
            t[i] = {rows[i].name, rows[i].fore,   rows[i].back,
                    rows[i].bold, rows[i].italic, rows[i].underline};
        return t;
    }();
    return table;
}

bool isTokenStyle(size_t position)
{
    return (position >= TsString && position <= TsHtmlParams) || position == TsUrl;
}

CMyTextStyles::CMyTextStyles() : Styles(builtInTextStyles()) {}

CMyTextStyles::CMyTextStyles(std::string stylesFile)
    : Styles(builtInTextStyles()), StylesFile(std::move(stylesFile))
{
    std::error_code ec;
    if (!std::filesystem::exists(StylesFile, ec))
        return;
    try {
        const io::IniFile ini(StylesFile);
        // Styles are saved into the sections named after them: a section
        // without a name ("[]") is no style.
        std::vector<std::string> sections;
        for (std::string& s : ini.sectionNames())
            if (io::IniFile::isWritableSection(s))
                sections.push_back(std::move(s));
        for (size_t i = 0; i < kTextStyleCount && i < sections.size(); ++i) {
            const std::string& s = sections[i];
            RtextStyle& st = Styles[i];
            st.Name = s;
            st.FColor = ini.readInt(s, "FColor", 0);
            st.BColor = ini.readInt(s, "BColor", kWindowColour);
            st.Bold = ini.readBool(s, "Bold", false);
            st.Italic = ini.readBool(s, "Italic", false);
            st.Underline = ini.readBool(s, "Underline", false);
        }
    } catch (const ZukError&) {
        // An unreadable file leaves the built-in table; start-up goes on.
    }
}

void CMyTextStyles::save() const
{
    io::IniFile ini(StylesFile);
    io::IniFile::Batch batch(ini);
    for (const RtextStyle& st : Styles) {
        ini.writeInt(st.Name, "FColor", st.FColor);
        ini.writeInt(st.Name, "BColor", st.BColor);
        ini.writeString(st.Name, "Bold", st.Bold ? "1" : "0");
        ini.writeString(st.Name, "Italic", st.Italic ? "1" : "0");
        ini.writeString(st.Name, "Underline", st.Underline ? "1" : "0");
    }
    batch.commit();
}

} // namespace zuk::highlight
