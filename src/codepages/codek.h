#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk::codepages {

// Applies a replacement table: for each rule line in file order, the find
// part (text before the first '=', empty when there is none) is replaced
// everywhere by the value of the FIRST line whose find part equals it
// exactly; replacement is case-sensitive, left to right, non-overlapping, and
// resumes after each inserted value. An empty find part changes nothing.
// Linear in the text per rule.
std::string ApplyReplaceTable(std::string_view source, const std::vector<std::string>& tableLines);

// The same with the table read from a file (lines end at CR LF, CR or LF; NUL
// ends the text). A file that cannot be read throws zuk::IoError.
std::string ApplyReplaceTableFile(std::string_view source, const std::string& tablePath);

// The codec interface of the repair commands: construct with the text, set
// TableFile, call Convert.
class CCodek {
public:
    explicit CCodek(std::string sourceText) : SourceText(std::move(sourceText)) {}
    virtual ~CCodek() = default;
    CCodek(const CCodek&) = delete;
    CCodek& operator=(const CCodek&) = delete;

    virtual std::string Convert() = 0;

    std::string SourceText;
    std::string TableFile; // UTF-8 path of the replacement table
};

// The replacement-table codec.
class CUnivCodek final : public CCodek {
public:
    using CCodek::CCodek;
    std::string Convert() override { return ApplyReplaceTableFile(SourceText, TableFile); }
};

} // namespace zuk::codepages
