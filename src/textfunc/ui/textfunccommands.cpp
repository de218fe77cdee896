#include "textfunc/ui/textfunccommands.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/commandshapes.h"
#include "editor/typedchar.h"
#include "textfunc/capitalization.h"
#include "textfunc/casefunctions.h"
#include "textfunc/encoders.h"
#include "textfunc/linefunctions.h"
#include "textfunc/numberfunctions.h"
#include "textfunc/numberwords.h"
#include "textfunc/rle.h"
#include "textfunc/textfunctexts.h"
#include "textfunc/textfunctions.h"
#include "textfunc/ui/enclosedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>

#include <algorithm>
#include <string>

namespace zuk::textfunc::ui {

using app::ui::ToolHost;
using codepages::CodePage;
using editor::CVed;
using editor::LineList;
using editor::TextFunction;

namespace {

// The most bytes of a selection the anagram command looks at.
constexpr std::size_t AnagramCut = 255;

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The decimal separator of the user's locale, when it is a single byte.
char userDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

// The handler rows of the text functions, collected and handed to the host
// in one registration.
class Wiring {
public:
    explicit Wiring(ToolHost& host) : m_host(host) {}
    ~Wiring() { m_host.addCommands(std::move(m_rows)); }
    Wiring(const Wiring&) = delete;
    Wiring& operator=(const Wiring&) = delete;

    void on(const char* name, std::function<void()> fn) { m_rows.push_back({name, std::move(fn)}); }
    // A transform of the work text (the table says whether a selection is needed).
    void transform(const char* name, TextFunction fn)
    {
        ToolHost& host = m_host;
        on(name, [&host, fn] { editor::transformWorkText(host.document(), fn); });
    }
    // The same, then the caret to the first line.
    void transformToTop(const char* name, TextFunction fn)
    {
        ToolHost& host = m_host;
        on(name, [&host, fn] {
            if (editor::transformWorkText(host.document(), fn))
                host.document().SetCaretLine(1);
        });
    }
    void lines(const char* name, std::function<Lines(const Lines&)> fn)
    {
        ToolHost& host = m_host;
        on(name, [&host, fn] { editor::transformSelectedLines(host.document(), fn); });
    }
    // A number command: needs a selection that is all digits, else does nothing.
    void digits(const char* name, TextFunction fn)
    {
        ToolHost& host = m_host;
        on(name, [&host, fn] {
            if (!isAllDigits(host.document().GetSelText()))
                return;
            editor::transformWorkText(host.document(), fn);
        });
    }

private:
    ToolHost& m_host;
    std::vector<app::ui::CommandHandler> m_rows;
};

// Text typed into a box, as bytes of the current document's code page.
std::string toDocument(ToolHost& host, const QString& text)
{
    return editor::documentBytes(host.document(), text.toStdString());
}

// Russian text the functions write in Windows-1251, as the current
// document's bytes.
std::string fromWin(ToolHost& host, const std::string& win)
{
    return editor::documentBytes(host.document(), codepages::winToUtf8(win));
}

// A text of the current language that goes into the document, as its bytes.
std::string documentText(ToolHost& host, const char* key)
{
    return toDocument(host, host.text(textFunctionMessages().section, key));
}

void installCase(Wiring& w, ToolHost& host)
{
    // Every case command works in the document's working code page, like the
    // Ctrl+Up and Ctrl+Down keys of the document window.
    auto inCodePage = [&host](std::function<std::string(const std::string&, CodePage)> fn) {
        return [&host, fn] {
            const CodePage cp = editor::workingCodePage(host.document());
            editor::transformWorkText(host.document(),
                                      [&fn, cp](const std::string& t) { return fn(t, cp); });
        };
    };
    w.on("mniUpcase", inCodePage([](const std::string& t, CodePage cp) {
             return editor::caseInCodePage(t, cp, true);
         }));
    w.on("mniDowncase", inCodePage([](const std::string& t, CodePage cp) {
             return editor::caseInCodePage(t, cp, false);
         }));
    w.on("mniInvertCase",
         inCodePage([](const std::string& t, CodePage cp) { return InvertCase(t, cp); }));
    w.on("mniHackerize",
         inCodePage([](const std::string& t, CodePage cp) { return Hackerize(t, cp); }));
    w.on("mniCaseFirstBigChar",
         inCodePage([](const std::string& t, CodePage cp) { return CapitalizeFirst(t, cp); }));
    w.on("mniCaseEachFirstCharIsBig",
         inCodePage([](const std::string& t, CodePage cp) { return CapitalizeWords(t, cp); }));
}

void installLines(Wiring& w, ToolHost& host)
{
    w.lines("mniDelEmptyLines", [](const Lines& l) { return DeleteEmptyLines(l); });
    w.lines("mniNumberStrings", [](const Lines& l) { return NumberLines(l); });
    w.lines("mniReverseStrings", [](const Lines& l) { return ReverseLines(l); });
    w.lines("mniSortStrings", [](const Lines& l) { return SortLines(l); });
    w.lines("mnirevsortstrings", [](const Lines& l) { return SortLinesDescending(l); });
    w.transform("mniReverseString", [](const std::string& t) { return ReverseText(t); });

    w.on("mniEncloseEachLineInto", [&host] {
        if (host.document().SelEmpty())
            return;
        QString before, after;
        TEncloseDialog::ask(host.window(), host.texts(), before, after);
        const std::string b = toDocument(host, before);
        const std::string a = toDocument(host, after);
        editor::transformSelectedLines(host.document(),
                                       [&b, &a](const Lines& l) { return EncloseLines(l, b, a); });
    });

    w.on("mniAnagramm", [&host] {
        const std::string text = host.document().GetSelText().substr(0, AnagramCut);
        editor::insertLinesAtCaret(host.document(),
                                   Anagrams(text, documentText(host, "sAnagramsFound")));
    });

    w.on("mniDeleteWordOrChar", [&host] {
        const auto word = host.prompt(q("?"), host.text("MainForm", "sInputWordForDelete"));
        if (!word || word->isEmpty())
            return;
        const std::string bytes = toDocument(host, *word);
        const CodePage cp = editor::workingCodePage(host.document());
        editor::transformWorkText(host.document(), [&bytes, cp](const std::string& t) {
            return DeleteWordEverywhere(t, bytes, cp);
        });
    });

    w.on("mniParaSort", [&host] {
        // Cancelling the box leaves its default, as if it had been accepted.
        const QString answer = host.prompt(host.text("MainForm", "sDelimeterChar"),
                                           host.text("MainForm", "sEnterValue"), q(";"))
                                   .value_or(q(";"));
        if (answer.isEmpty()) {
            host.showNote(host.text("MainForm", "sValueIsNotDefined"));
            return;
        }
        const std::string delimiter = toDocument(host, answer.left(1));
        if (delimiter.empty())
            return;
        const std::string text = host.document().GetSelText();
        const Lines result = SortParagraphs(text, delimiter[0]);
        editor::transformSelectedLines(host.document(), [&result](const Lines&) { return result; });
    });

    w.transform("mniWindows2UnixPath", [](const std::string& t) { return WinPathToUnix(t); });
    w.transform("mniUnixpath2Win", [](const std::string& t) { return UnixPathToWin(t); });

    w.on("mniQ2Cm", [&host] {
        CVed& ed = host.document();
        const LineList source = ed.SelEmpty() ? ed.GetLines() : ed.GetSelLines();
        const std::string line = QScriptToCommandLine(source);
        const QString asText = QString::fromStdString(editor::documentUtf8(host.document(), line));
        host.newDocument();
        if (ed.DocumentCount() == 0)
            return;
        ed.InsertAtCaret(line);
        QApplication::clipboard()->setText(asText);
    });
    w.on("mniString2q", [&host] {
        const Lines pieces = CommandLineToQScript(host.document().GetWorkText());
        host.newDocument();
        if (host.document().DocumentCount() > 0)
            host.document().InsertLines(pieces);
    });
}

void installFormatAndReplace(Wiring& w, ToolHost& host)
{
    w.transformToTop("mniTabs2Spaces", [&host](const std::string& t) {
        return TabsToSpaces(t, std::max(0, host.settings().SpacesPerTab));
    });
    w.transform("mniSimpleQuotas2Paired",
                [](const std::string& t) { return StraightToPairedQuotes(t); });
    w.transform("mniPairedQuotas2Simple",
                [](const std::string& t) { return PairedToStraightQuotes(t); });
    w.transform("mnTagToMeta", [](const std::string& t) { return EscapeLessThan(t); });
    w.transformToTop("mniStripHTML1", [](const std::string& t) { return StripTags(t); });
    w.transform("mnKillSpacesOneAfterAnother",
                [](const std::string& t) { return CollapseSpaces(t); });
    w.transform("mniKillFormat", [](const std::string& t) { return KillFormat(t); });
    w.on("mniHardWordWrap", [&host] {
        const auto answer = host.prompt(host.text("MainForm", "sWrapParams"),
                                        host.text("MainForm", "sInputWrapWidthInChars"));
        if (!answer)
            return;
        const int width = parseInt32(answer->toStdString());
        if (editor::transformWorkText(host.document(),
                                      [width](const std::string& t) { return HardWrap(t, width); }))
            host.document().SetCaretLine(1);
    });
}

void installNumbers(Wiring& w, ToolHost& host)
{
    w.digits("mniArabToRoman", [](const std::string& t) { return IntToRoman(parseInt32(t)); });
    w.transform("mniRomantoArab",
                [](const std::string& t) { return std::to_string(RomanToInt(t)); });
    w.transform("mniNum2WordsRus",
                [&host](const std::string& t) { return fromWin(host, RussianWords(t)); });
    w.transform("mniNum2WordsEng", [](const std::string& t) {
        return EnglishWords(parseReal(t, userDecimalSeparator()));
    });
    w.transform("mniNum2WordsGerm",
                [](const std::string& t) { return GermanWords(parseInt32(t)); });
    w.transform("mniHEX2dec",
                [](const std::string& t) { return std::to_string(ParseInBase(t, 16)); });
    w.digits("mniDec2Hex", [](const std::string& t) { return FormatInBase(parseInt32(t), 16); });
    w.digits("mniDec2bin", [](const std::string& t) { return FormatInBase(parseInt32(t), 2); });
    w.digits("mniBin2Dec", [](const std::string& t) { return std::to_string(ParseInBase(t, 2)); });
    w.on("mniIsLeapYear", [&host] {
        const std::string year = host.document().GetSelText();
        if (!isAllDigits(year))
            return;
        std::string answer;
        try {
            answer = LeapYearAnswer(year, toDocument(host, host.text("MainForm", "sYearIsLeap")),
                                    toDocument(host, host.text("MainForm", "sYearIsNotLeap")));
        } catch (const FormatError&) {
            host.showNote(host.text("MainForm", "sSometinWronWithYear"));
            return;
        }
        editor::transformWorkText(host.document(),
                                  [&answer](const std::string&) { return answer; });
    });
    w.on("mniNumberOfCurrentDayInYear",
         [&host] { editor::insertAtCaret(host.document(), std::to_string(DayNumberToday())); });
}

void installInsertions(Wiring& w, ToolHost& host)
{
    w.on("mniPi", [&host] { editor::insertAtCaret(host.document(), PiText); });
    w.on("mniRusAlpha",
         [&host] { editor::insertAtCaret(host.document(), fromWin(host, RussianAlphabet())); });
    w.on("mniEngAlpha", [&host] { editor::insertAtCaret(host.document(), EnglishAlphabet()); });
}

void installEncoders(Wiring& w, ToolHost& host)
{
    w.transform("mniBase64encode", [](const std::string& t) { return Base64Encode(t); });
    w.transform("mniBase64decode", [](const std::string& t) { return Base64Decode(t); });
    w.transform("mniEncodeToMIME", [](const std::string& t) { return MimeEncode(t); });
    w.transform("mniDecodeFromMIME", [](const std::string& t) { return MimeDecode(t); });
    w.transform("mniUUEDecode", [](const std::string& t) { return UueDecode(t); });
    w.transform("mniRLECompression", [](const std::string& t) { return RlePack(t); });
    w.transform("mniRLEUnpack", [](const std::string& t) { return RleUnpack(t); });
    w.transform("mniHEXValues", [](const std::string& t) { return HexEncode(t); });
    w.transform("mniFromHEXValues2chars", [](const std::string& t) { return HexDecode(t); });
    w.transform("mniFixURL", [](const std::string& t) { return UrlDecode(t); });
    w.transform("mniAntiSpam_ConvertAddress", [](const std::string& t) { return EntityEncode(t); });
    w.transform("mnirtttl2Dnotes", [](const std::string& t) { return RtttlToDigits(t); });

    auto password = [&host](bool reversed) {
        const auto answer = host.prompt(q("?"), host.text("MainForm", "sEnterthePassword"));
        if (!answer)
            return;
        if (answer->isEmpty()) {
            host.showNote(host.text("MainForm", "sPasswordCannotBeEmpty"));
            return;
        }
        std::string key = toDocument(host, *answer);
        if (reversed)
            std::reverse(key.begin(), key.end());
        CVed& doc = host.document();
        // The break after the last line of the whole text is the document's
        // own: scrambled along, it would come back from every decoding as a
        // new line of two stray characters.
        const bool whole = doc.SelEmpty();
        std::string text = doc.GetWorkText();
        if (whole && text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
            text.resize(text.size() - 2);
        const std::string result = PasswordXor(text, key);
        if (result == text)
            return;
        // A byte that became a lone CR or LF or a NUL would not come back as
        // it was, and the text could never be decoded again.
        if (!editor::documentHolds(result, whole)) {
            host.showNote(host.text(textFunctionMessages().section, "sXorMakesLineBreaks"));
            return;
        }
        CVed::EditGroup group(doc);
        doc.PutWorkText(result);
    };
    w.on("mniEncode", [password] { password(false); });
    w.on("mniDecode", [password] { password(true); });
}

} // namespace

void installTextFunctionCommands(ToolHost& host)
{
    Wiring w(host);
    installCase(w, host);
    installLines(w, host);
    installFormatAndReplace(w, host);
    installNumbers(w, host);
    installInsertions(w, host);
    installEncoders(w, host);
}

} // namespace zuk::textfunc::ui
