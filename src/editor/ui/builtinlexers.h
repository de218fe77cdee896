#pragma once

#include <Qsci/qscilexer.h>

#include "editor/syntaxtable.h"

namespace zuk::editor {

// Makes the QScintilla lexer that plays the part of a built-in highlighter.
// The caller owns it (through the parent). None gives nullptr.
QsciLexer* makeBuiltinLexer(BuiltinSyntax id, QObject* parent);

// Scintilla's own VBScript lexer; QScintilla has no class for it.
class VbScriptLexer final : public QsciLexer {
    Q_OBJECT
public:
    explicit VbScriptLexer(QObject* parent = nullptr) : QsciLexer(parent) {}
    const char* language() const override { return "VBScript"; }
    const char* lexer() const override { return "vbscript"; }
    bool caseSensitive() const override { return false; }
    const char* keywords(int set) const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
};

} // namespace zuk::editor
