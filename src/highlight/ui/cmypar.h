#pragma once

#include "highlight/clikelexer.h"
#include "highlight/schemefile.h"

#include <Qsci/qscilexercustom.h>

#include <string>

namespace zuk::highlight {

class CSynMan;

// The custom highlighter of a document: C lexical rules whose keyword list and
// case rule come from a registered scheme file, and whose numbers become plain
// decimals once a header scheme has been applied. It styles only the ranges the
// control asks for, carrying the comment/literal state from line to line in
// the control's line states, so a large file costs nothing until it is seen.
class CMyPar final : public QsciLexerCustom {
public:
    // Starts with the C keywords, case-sensitive, C numbers.
    explicit CMyPar(std::string schemeName, QObject* parent = nullptr);

    enum class InitResult {
        Applied,
        NotRegistered, // no scheme of that name: nothing changed
        FileMissing,   // its file does not exist: nothing changed
        Malformed,     // its file cannot be parsed: nothing changed
    };
    // Configures the highlighter from the scheme's file, read afresh. On
    // Malformed, `problem` (when given) receives the reason.
    InitResult InitAll(const CSynMan& registry, const std::string& name,
                       std::string* problem = nullptr);
    // Takes a scheme already read: keywords (Windows-1251), case rule, and for
    // header schemes the header and the plain-decimal number rule.
    void applyDefinition(const SchemeDefinition& def);

    RSynHeader Header;
    std::string SchemeName;

    const KeywordSet& keywordSet() const { return m_keywords; }
    bool plainNumbers() const { return m_plainNumbers; }

    const char* language() const override { return "Scheme"; }
    QString description(int style) const override;
    const char* keywords(int set) const override;
    bool caseSensitive() const override { return m_keywords.caseSensitive(); }
    QColor defaultColor(int style) const override;
    QFont defaultFont(int style) const override;
    void styleText(int start, int end) override;

private:
    void setKeywords(const std::vector<std::string>& utf8Keywords, bool caseSensitive);
    void restyleAll();

    KeywordSet m_keywords;
    std::string m_keywordText; // blank-separated, for the control's word lists
    bool m_plainNumbers = false;
};

} // namespace zuk::highlight
