#include "textfunc/ui/textfunccommands.h"

#include "app/ui/mainform.h"
#include "app/ui/selectioncommands.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/typedchar.h"
#include "editor/ui/cdreameditor.h"
#include "textfunc/capitalization.h"
#include "textfunc/casefunctions.h"
#include "textfunc/encoders.h"
#include "textfunc/linefunctions.h"
#include "textfunc/numberfunctions.h"
#include "textfunc/numberwords.h"
#include "textfunc/rle.h"
#include "textfunc/textfunctions.h"
#include "textfunc/ui/enclosedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>

#include <algorithm>
#include <string>

namespace zuk::textfunc::ui {

using app::ui::TMainForm;
using app::ui::TextFunction;
using editor::LineList;

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

class Wiring {
public:
    explicit Wiring(TMainForm& form) : m_form(form) {}

    void on(const char* name, std::function<void()> fn)
    {
        m_form.setHandler(QString::fromLatin1(name), std::move(fn));
    }
    // A transform of the work text (the table says whether a selection is needed).
    void transform(const char* name, TextFunction fn)
    {
        TMainForm& form = m_form;
        on(name, [&form, fn] { app::ui::transformWorkText(form, fn); });
    }
    // The same, then the caret to the first line.
    void transformToTop(const char* name, TextFunction fn)
    {
        TMainForm& form = m_form;
        on(name, [&form, fn] {
            if (app::ui::transformWorkText(form, fn))
                form.editor().SetCaretLine(1);
        });
    }
    void lines(const char* name, std::function<Lines(const Lines&)> fn)
    {
        TMainForm& form = m_form;
        on(name, [&form, fn] { app::ui::transformSelectedLines(form, fn); });
    }
    // A number command: needs a selection that is all digits, else does nothing.
    void digits(const char* name, TextFunction fn)
    {
        TMainForm& form = m_form;
        on(name, [&form, fn] {
            if (!isAllDigits(form.editor().GetSelText()))
                return;
            app::ui::transformWorkText(form, fn);
        });
    }

private:
    TMainForm& m_form;
};

void installCase(Wiring& w, TMainForm& form)
{
    // Upper and lower case follow the document's working code page, like the
    // Ctrl+Up and Ctrl+Down keys of the document window.
    auto caseCommand = [&form](bool upper) {
        codepages::CodePage cp = codepages::CodePage::Win;
        if (!codepages::codePageFromName(form.editor().GetCharset(), cp))
            cp = codepages::CodePage::Win;
        app::ui::transformWorkText(form, [cp, upper](const std::string& t) {
            return editor::caseInCodePage(t, cp, upper);
        });
    };
    w.on("mniUpcase", [caseCommand] { caseCommand(true); });
    w.on("mniDowncase", [caseCommand] { caseCommand(false); });
    w.transform("mniInvertCase", [](const std::string& t) { return InvertCase(t); });
    w.transform("mniHackerize", [](const std::string& t) { return Hackerize(t); });
    w.transform("mniCaseFirstBigChar", [](const std::string& t) { return CapitalizeFirst(t); });
    w.transform("mniCaseEachFirstCharIsBig",
                [](const std::string& t) { return CapitalizeWords(t); });
}

void installLines(Wiring& w, TMainForm& form)
{
    w.lines("mniDelEmptyLines", [](const Lines& l) { return DeleteEmptyLines(l); });
    w.lines("mniNumberStrings", [](const Lines& l) { return NumberLines(l); });
    w.lines("mniReverseStrings", [](const Lines& l) { return ReverseLines(l); });
    w.lines("mniSortStrings", [](const Lines& l) { return SortLines(l); });
    w.lines("mnirevsortstrings", [](const Lines& l) { return SortLinesDescending(l); });
    w.transform("mniReverseString", [](const std::string& t) { return ReverseText(t); });

    w.on("mniEncloseEachLineInto", [&form] {
        if (form.editor().SelEmpty())
            return;
        QString before, after;
        TEncloseDialog::ask(&form, before, after);
        const std::string b = app::ui::toDocumentBytes(form, before);
        const std::string a = app::ui::toDocumentBytes(form, after);
        app::ui::transformSelectedLines(
            form, [&b, &a](const Lines& l) { return EncloseLines(l, b, a); });
    });

    w.on("mniAnagramm", [&form] {
        const std::string text = form.editor().GetSelText().substr(0, AnagramCut);
        app::ui::insertLinesAtCaret(form, Anagrams(text));
    });

    w.on("mniDeleteWordOrChar", [&form] {
        const auto word = app::ui::promptText(&form, q("?"), q("Введите слово для удаления:"));
        if (!word || word->isEmpty())
            return;
        const std::string bytes = app::ui::toDocumentBytes(form, *word);
        app::ui::transformWorkText(
            form, [&bytes](const std::string& t) { return DeleteWordEverywhere(t, bytes); });
    });

    w.on("mniParaSort", [&form] {
        // Cancelling the box leaves its default, as if it had been accepted.
        const QString answer =
            app::ui::promptText(&form, q("Символ-разделитель"), q("Введите значение"), q(";"))
                .value_or(q(";"));
        if (answer.isEmpty()) {
            app::ui::showNote(&form, q("Значение не задано!"));
            return;
        }
        const std::string delimiter = app::ui::toDocumentBytes(form, answer.left(1));
        if (delimiter.empty())
            return;
        const std::string text = form.editor().GetSelText();
        const Lines result = SortParagraphs(text, delimiter[0]);
        app::ui::transformSelectedLines(form, [&result](const Lines&) { return result; });
    });

    w.transform("mniWindows2UnixPath", [](const std::string& t) { return WinPathToUnix(t); });
    w.transform("mniUnixpath2Win", [](const std::string& t) { return UnixPathToWin(t); });

    w.on("mniQ2Cm", [&form] {
        editor::CVed& ed = form.editor();
        const LineList source = ed.SelEmpty() ? ed.GetLines() : ed.GetSelLines();
        const std::string line = QScriptToCommandLine(source);
        const QString asText = app::ui::fromDocumentBytes(form, line);
        form.NewFile();
        if (ed.DocumentCount() == 0)
            return;
        ed.InsertAtCaret(line);
        QApplication::clipboard()->setText(asText);
    });
    w.on("mniString2q", [&form] {
        const Lines pieces = CommandLineToQScript(form.editor().GetWorkText());
        form.NewFile();
        if (form.editor().DocumentCount() > 0)
            form.editor().InsertLines(pieces);
    });
}

void installFormatAndReplace(Wiring& w, TMainForm& form)
{
    w.transformToTop("mniTabs2Spaces", [&form](const std::string& t) {
        return TabsToSpaces(t, std::max(0, form.settings().SpacesPerTab));
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
    w.on("mniHardWordWrap", [&form] {
        const auto answer =
            app::ui::promptText(&form, q("Параметры Wrap"), q("Введите ширину в символах"));
        if (!answer)
            return;
        const int width = parseInt32(answer->toStdString());
        if (app::ui::transformWorkText(
                form, [width](const std::string& t) { return HardWrap(t, width); }))
            form.editor().SetCaretLine(1);
    });
}

void installNumbers(Wiring& w, TMainForm& form)
{
    w.digits("mniArabToRoman", [](const std::string& t) { return IntToRoman(parseInt32(t)); });
    w.transform("mniRomantoArab",
                [](const std::string& t) { return std::to_string(RomanToInt(t)); });
    w.transform("mniNum2WordsRus", [](const std::string& t) { return RussianWords(t); });
    w.transform("mniNum2WordsEng", [](const std::string& t) {
        return EnglishWords(parseReal(t, userDecimalSeparator()));
    });
    w.transform("mniNum2WordsGerm",
                [](const std::string& t) { return GermanWords(parseInt32(t)); });
    w.transform("mniHEX2dec",
                [](const std::string& t) { return std::to_string(ParseInBase(t, 16)); });
    w.digits("mniDec2Hex", [](const std::string& t) { return FormatInBase(parseInt32(t), 16); });
    w.digits("mniDec2bin", [](const std::string& t) { return FormatInBase(parseInt32(t), 2); });
    w.digits("mniBin2Dec",
             [](const std::string& t) { return std::to_string(ParseInBase(t, 2)); });
    w.on("mniIsLeapYear", [&form] {
        const std::string year = form.editor().GetSelText();
        if (!isAllDigits(year))
            return;
        std::string answer;
        try {
            answer = LeapYearAnswer(year);
        } catch (const FormatError&) {
            app::ui::showNote(&form, q("Че-то не то!"));
            return;
        }
        app::ui::transformWorkText(form, [&answer](const std::string&) { return answer; });
    });
    w.on("mniNumberOfCurrentDayInYear",
         [&form] { app::ui::insertAtCaret(form, std::to_string(DayNumberToday())); });
}

void installInsertions(Wiring& w, TMainForm& form)
{
    w.on("mniPi", [&form] { app::ui::insertAtCaret(form, PiText); });
    w.on("mniRusAlpha", [&form] { app::ui::insertAtCaret(form, RussianAlphabet()); });
    w.on("mniEngAlpha", [&form] { app::ui::insertAtCaret(form, EnglishAlphabet()); });
}

void installEncoders(Wiring& w, TMainForm& form)
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
    w.transform("mniAntiSpam_ConvertAddress",
                [](const std::string& t) { return EntityEncode(t); });
    w.transform("mnirtttl2Dnotes", [](const std::string& t) { return RtttlToDigits(t); });

    auto password = [&form](bool reversed) {
        const auto answer = app::ui::promptText(&form, q("?"), q("Введите пароль!"));
        if (!answer)
            return;
        if (answer->isEmpty()) {
            app::ui::showNote(&form, q("Пароль не может быть пустой строкой!"));
            return;
        }
        std::string key = app::ui::toDocumentBytes(form, *answer);
        if (reversed)
            std::reverse(key.begin(), key.end());
        app::ui::transformWorkText(
            form, [&key](const std::string& t) { return PasswordXor(t, key); });
    };
    w.on("mniEncode", [password] { password(false); });
    w.on("mniDecode", [password] { password(true); });
}

} // namespace

void installTextFunctionCommands(TMainForm& form)
{
    Wiring w(form);
    installCase(w, form);
    installLines(w, form);
    installFormatAndReplace(w, form);
    installNumbers(w, form);
    installInsertions(w, form);
    installEncoders(w, form);
}

} // namespace zuk::textfunc::ui
