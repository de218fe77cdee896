#include "highlight/ui/cmypar.h"

#include "codepages/charsets.h"
#include "highlight/csynman.h"

#include <Qsci/qsciscintilla.h>

#include <QFont>

#include <filesystem>

namespace zuk::highlight {

namespace {

// The keyword list of the C highlighter a new CMyPar starts with.
const char* const kCKeywords =
    "asm auto bool break case catch char class const const_cast continue default delete do double "
    "dynamic_cast else enum explicit export extern false float for friend goto if inline int long "
    "mutable namespace new operator private protected public register reinterpret_cast return "
    "short "
    "signed sizeof static static_cast struct switch template this throw true try typedef typeid "
    "typename union unsigned using virtual void volatile wchar_t while";

std::vector<std::string> splitBlanks(const std::string& text)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = text.find(' ', i);
        const size_t stop = end == std::string::npos ? text.size() : end;
        if (stop > i)
            out.push_back(text.substr(i, stop - i));
        i = stop + 1;
    }
    return out;
}

} // namespace

CMyPar::CMyPar(std::string schemeName, QObject* parent)
    : QsciLexerCustom(parent), SchemeName(std::move(schemeName))
{
    setKeywords(splitBlanks(kCKeywords), true);
}

CMyPar::InitResult CMyPar::InitAll(const CSynMan& registry, const std::string& name,
                                   std::string* problem)
{
    const int index = registry.IndexOfScheme(name);
    if (index < 0)
        return InitResult::NotRegistered;
    const std::string path = registry.schemePath(registry.Items[static_cast<size_t>(index)]);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
        return InitResult::FileMissing;
    try {
        applyDefinition(loadSchemeFile(path));
    } catch (const ZukError& e) {
        if (problem)
            *problem = e.what();
        return InitResult::Malformed;
    }
    return InitResult::Applied;
}

void CMyPar::applyDefinition(const SchemeDefinition& def)
{
    if (def.format == SchemeFormat::Header) {
        Header = def.header;
        m_plainNumbers = true;
    }
    std::vector<std::string> utf8;
    utf8.reserve(def.keywords.size());
    for (const std::string& k : def.keywords)
        utf8.push_back(codepages::winToUtf8(k));
    setKeywords(utf8, def.caseSensitive);
    restyleAll();
}

void CMyPar::setKeywords(const std::vector<std::string>& utf8Keywords, bool caseSensitive)
{
    m_keywords.assign(utf8Keywords, caseSensitive);
    // The control splits its word lists at blanks, so an entry holding one
    // (which can never match an identifier) stays out of that copy.
    m_keywordText.clear();
    for (const std::string& k : utf8Keywords) {
        if (k.find_first_of(" \t") != std::string::npos)
            continue;
        if (!m_keywordText.empty())
            m_keywordText += ' ';
        m_keywordText += k;
    }
}

void CMyPar::restyleAll()
{
    if (QsciScintilla* ed = editor()) {
        ed->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
        ed->viewport()->update();
    }
}

QString CMyPar::description(int style) const
{
    switch (style) {
    case StyleDefault:
        return QStringLiteral("Default");
    case StyleComment:
        return QStringLiteral("Comment");
    case StyleLineComment:
        return QStringLiteral("Line comment");
    case StyleNumber:
        return QStringLiteral("Number");
    case StyleKeyword:
        return QStringLiteral("Keyword");
    case StyleString:
        return QStringLiteral("Double-quoted string");
    case StyleCharacter:
        return QStringLiteral("Single-quoted string");
    case StyleOperator:
        return QStringLiteral("Operator");
    case StyleIdentifier:
        return QStringLiteral("Identifier");
    case StylePreprocessor:
        return QStringLiteral("Pre-processor block");
    case StyleFloat:
        return QStringLiteral("Float number");
    default:
        return {};
    }
}

const char* CMyPar::keywords(int set) const
{
    return set == 1 ? m_keywordText.c_str() : nullptr;
}

QColor CMyPar::defaultColor(int style) const
{
    switch (style) {
    case StyleComment:
    case StyleLineComment:
        return QColor(128, 128, 128);
    case StyleNumber:
    case StyleFloat:
    case StylePreprocessor:
        return QColor(0, 128, 0);
    case StyleKeyword:
        return QColor(0, 0, 255);
    case StyleString:
    case StyleCharacter:
        return QColor(128, 0, 0);
    default:
        return QColor(0, 0, 0);
    }
}

QFont CMyPar::defaultFont(int style) const
{
    QFont f = QsciLexerCustom::defaultFont(style);
    f.setBold(style == StyleKeyword);
    f.setItalic(style == StyleComment || style == StyleLineComment);
    return f;
}

void CMyPar::styleText(int start, int end)
{
    QsciScintilla* ed = editor();
    if (!ed || end <= start)
        return;
    const long line = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                        static_cast<unsigned long>(start));
    start = static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                               static_cast<unsigned long>(line)));
    const auto state =
        line > 0 ? static_cast<LineState>(ed->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE,
                                                            static_cast<unsigned long>(line - 1)))
                 : LineState::Normal;
    const size_t length = static_cast<size_t>(end - start);
    const auto* text = reinterpret_cast<const char*>(
        ed->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start),
                          static_cast<long>(length)));
    if (!text)
        return;
    std::vector<unsigned char> styles(length);
    std::vector<LineState> lineEnds;
    styleCLike(std::string_view(text, length), state, m_keywords, m_plainNumbers, styles.data(),
               lineEnds);

    startStyling(start);
    ed->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(length),
                      reinterpret_cast<const char*>(styles.data()));
    for (size_t i = 0; i < lineEnds.size(); ++i)
        ed->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE,
                          static_cast<unsigned long>(line + static_cast<long>(i)),
                          static_cast<long>(lineEnds[i]));
}

} // namespace zuk::highlight
