#include "tools/ui/documentsearch.h"

#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "tools/replace.h"
#include "tools/searchtexts.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace zuk::tools::ui {

// The document as the search sees it: its bytes in the control form (lines
// joined by CR LF, no final break) and the selection as offsets into them.
struct TDocumentSearch::DocumentText {
    std::string bytes;
    codepages::CodePage cp = codepages::CodePage::Win;
    std::size_t selStart = 0;
    std::size_t selEnd = 0;

    explicit DocumentText(editor::CVed& doc)
    {
        bytes = doc.GetAllText();
        if (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0)
            bytes.resize(bytes.size() - 2);
        if (!codepages::codePageFromName(doc.GetCharset(), cp))
            cp = codepages::CodePage::Win;
        const auto clamp = [this](long offset) {
            return std::min(static_cast<std::size_t>(std::max(0L, offset)), bytes.size());
        };
        const std::size_t caret = clamp(doc.GetCaretPos());
        const std::size_t anchor = clamp(doc.GetAnchorPos());
        selStart = std::min(caret, anchor);
        selEnd = std::max(caret, anchor);
    }
    bool hasSelection() const { return selStart < selEnd; }
};

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

void select(editor::CVed& doc, std::size_t start, std::size_t end)
{
    doc.SetSelection(static_cast<long>(start), static_cast<long>(end));
}

} // namespace

TDocumentSearch::TDocumentSearch(app::ui::ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QStringLiteral("zukDocumentSearch"));
}

void TDocumentSearch::notFound()
{
    m_host.showNote(m_host.text(searchMessages().section, "sTextNotFound"));
}

void TDocumentSearch::remember(QStringList& history, const QString& text)
{
    if (text.isEmpty())
        return;
    history.removeAll(text);
    history.prepend(text);
    while (history.size() > 20)
        history.removeLast();
}

TDocumentSearch::Answer TDocumentSearch::ask(bool offerAll)
{
    if (askHook)
        return askHook(offerAll);
    const auto& section = searchMessages().section;
    QMessageBox box(QMessageBox::Question,
                    m_host.text(findReplaceTexts().section, "sReplaceCaption"),
                    m_host.text(section, "sReplaceThis"), QMessageBox::NoButton, m_host.window());
    QPushButton* yes = box.addButton(m_host.text(section, "sReplaceYes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(m_host.text(section, "sReplaceNo"), QMessageBox::NoRole);
    QPushButton* all =
        offerAll ? box.addButton(m_host.text(section, "sReplaceRest"), QMessageBox::YesRole)
                 : nullptr;
    QPushButton* cancel =
        box.addButton(m_host.text(section, "sReplaceStop"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes)
        return Answer::Yes;
    if (clicked == no)
        return Answer::No;
    if (all && clicked == all)
        return Answer::All;
    return Answer::Cancel;
}

void TDocumentSearch::runDialog(bool replace)
{
    if (!m_host.hasDocument())
        return;
    editor::CVed& doc = m_host.document();
    // A short selection within one line is what the user most likely wants to find.
    const std::string selected = doc.GetSelText();
    if (!selected.empty() && selected.size() <= 200 &&
        selected.find_first_of("\r\n") == std::string::npos) {
        codepages::CodePage cp = codepages::CodePage::Win;
        codepages::codePageFromName(doc.GetCharset(), cp);
        m_request.text = QString::fromStdString(codepages::decodeToUtf8(selected, cp));
    }
    TfmSearch dialog(m_host, replace, m_request, m_findHistory, m_replaceHistory, !doc.SelEmpty(),
                     m_host.window());
    const int result = dialogHook ? dialogHook(dialog) : dialog.exec();
    if (result == QDialog::Rejected)
        return;
    const SearchRequest typed = dialog.request();
    m_request.text = typed.text;
    m_request.options = typed.options;
    m_request.backward = typed.backward;
    m_request.entireScope = typed.entireScope;
    m_request.selectedOnly = typed.selectedOnly;
    if (replace) {
        m_request.replacement = typed.replacement;
        m_request.prompt = typed.prompt;
        remember(m_replaceHistory, typed.replacement);
    }
    remember(m_findHistory, typed.text);
    m_searched = true;
    try {
        if (!replace)
            find(true);
        else if (result == TfmSearch::kReplaceAll)
            replaceAll();
        else
            replaceCurrent();
    } catch (const SearchError& e) {
        m_host.showNote(m_host.message(e));
    }
}

void TDocumentSearch::FindDialog()
{
    runDialog(false);
}

void TDocumentSearch::ReplaceDialog()
{
    runDialog(true);
}

bool TDocumentSearch::FindNext()
{
    if (!m_host.hasDocument())
        return false;
    if (!m_searched || m_request.text.isEmpty()) {
        FindDialog();
        return false;
    }
    try {
        return find(false);
    } catch (const SearchError& e) {
        m_host.showNote(m_host.message(e));
        return false;
    }
}

bool TDocumentSearch::findText(const QString& text)
{
    if (!m_host.hasDocument() || text.isEmpty())
        return false;
    m_request = SearchRequest{};
    m_request.text = text;
    m_searched = true;
    remember(m_findHistory, text);
    try {
        return find(false);
    } catch (const SearchError& e) {
        m_host.showNote(m_host.message(e));
        return false;
    }
}

// --- finding -----------------------------------------------------------------------------

bool TDocumentSearch::find(bool fromDialog)
{
    if (m_request.text.isEmpty())
        return false;
    editor::CVed& doc = m_host.document();
    const DocumentText d(doc);
    const TextSearch search(utf8(m_request.text), m_request.options, d.cp);
    const SearchSubject subject(d.bytes, d.cp);
    const bool scoped = fromDialog && m_request.selectedOnly && d.hasSelection();
    const std::size_t scopeStart = scoped ? d.selStart : 0;
    const std::size_t scopeEnd = scoped ? d.selEnd : d.bytes.size();
    const bool fromEdge = scoped || (fromDialog && m_request.entireScope);
    std::optional<TextMatch> match;
    if (!m_request.backward) {
        std::size_t from = fromEdge ? scopeStart : d.selEnd;
        match = search.next(subject, from, scopeEnd);
        // An empty match where the caret already stands: one character on.
        if (match && match->end == match->start && match->start == from && !fromEdge &&
            !d.hasSelection()) {
            const bool crlf = d.bytes.compare(from, 2, "\r\n") == 0;
            match = from < scopeEnd ? search.next(subject, from + (crlf ? 2 : 1), scopeEnd)
                                    : std::nullopt;
        }
    } else {
        const std::size_t to = fromEdge ? scopeEnd : d.selStart;
        match = search.previous(subject, scopeStart, to);
        if (match && match->end == match->start && match->start == to && !fromEdge) {
            const bool crlf = to >= 2 && d.bytes.compare(to - 2, 2, "\r\n") == 0;
            match = to > scopeStart ? search.previous(subject, scopeStart, to - (crlf ? 2 : 1))
                                    : std::nullopt;
        }
    }
    if (!match) {
        notFound();
        return false;
    }
    select(doc, match->start, match->end);
    return true;
}

// --- replacing ----------------------------------------------------------------------------

void TDocumentSearch::replaceCurrent()
{
    if (m_request.text.isEmpty())
        return;
    editor::CVed& doc = m_host.document();
    const DocumentText d(doc);
    const TextSearch search(utf8(m_request.text), m_request.options, d.cp);
    const SearchSubject subject(d.bytes, d.cp);
    const bool backward = m_request.backward;
    const bool scoped = m_request.selectedOnly && d.hasSelection();
    std::optional<TextMatch> target;
    if (d.hasSelection())
        target = search.matchAt(subject, d.selStart, d.selEnd);
    const std::size_t scopeStart = scoped ? d.selStart : 0;
    const std::size_t scopeEnd = scoped ? d.selEnd : d.bytes.size();
    if (!target) {
        const bool fromEdge = scoped || m_request.entireScope;
        target = backward ? search.previous(subject, scopeStart, fromEdge ? scopeEnd : d.selStart)
                          : search.next(subject, fromEdge ? scopeStart : d.selEnd, scopeEnd);
    }
    if (!target) {
        notFound();
        return;
    }
    // The next match is looked for in the text as it was: replaced text is
    // never searched again, and nothing before it moves.
    std::optional<TextMatch> following =
        backward ? search.previous(subject, scopeStart, target->start)
                 : search.next(subject, std::max(target->end, target->start + 1), scopeEnd);
    const std::string replacement = codepages::encodeFromUtf8(utf8(m_request.replacement), d.cp);
    if (m_request.prompt) {
        select(doc, target->start, target->end);
        const Answer answer = ask(false);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::No) {
            if (following)
                select(doc, following->start, following->end);
            return;
        }
    }
    const std::string with = search.expand(subject, *target, replacement);
    {
        editor::CVed::EditGroup group(doc);
        select(doc, target->start, target->end);
        doc.ReplaceSel(with);
    }
    const long delta =
        static_cast<long>(with.size()) - static_cast<long>(target->end - target->start);
    if (following) {
        const long shift = backward ? 0 : delta;
        select(doc, static_cast<std::size_t>(static_cast<long>(following->start) + shift),
               static_cast<std::size_t>(static_cast<long>(following->end) + shift));
    } else {
        const std::size_t caret = backward ? target->start : target->start + with.size();
        select(doc, caret, caret);
    }
}

void TDocumentSearch::replaceAll()
{
    if (m_request.text.isEmpty())
        return;
    editor::CVed& doc = m_host.document();
    const DocumentText d(doc);
    const TextSearch search(utf8(m_request.text), m_request.options, d.cp);
    const SearchSubject subject(d.bytes, d.cp);
    const bool scoped = m_request.selectedOnly && d.hasSelection();
    std::size_t from = 0;
    std::size_t to = d.bytes.size();
    if (scoped) {
        from = d.selStart;
        to = d.selEnd;
    } else if (!m_request.entireScope && m_request.backward) {
        to = d.selEnd; // up to the cursor, the selected text included
    } else if (!m_request.entireScope) {
        from = d.selStart; // from the cursor on, the selected text included
    }
    const std::string replacement = codepages::encodeFromUtf8(utf8(m_request.replacement), d.cp);
    const bool plain = !m_request.options.regex;
    const std::size_t cap = replaceCap(d.bytes.size());

    // The replaced stretch, from the first match to the last, built in one pass.
    auto build = [&](const std::vector<TextMatch>& matches, std::size_t first, std::string& out) {
        std::size_t at = matches[first].start;
        for (std::size_t i = first; i < matches.size(); ++i) {
            out.append(d.bytes, at, matches[i].start - at);
            out += plain ? replacement : search.expand(subject, matches[i], replacement);
            at = matches[i].end;
            if (out.size() > cap)
                throw SearchError(searchMessages(), "sReplaceTooBig");
        }
    };

    std::size_t count = 0;
    std::size_t first = std::string::npos;
    std::size_t last = 0;
    std::string span;
    std::vector<TextMatch> matches;
    if (!m_request.prompt) {
        search.forEach(subject, from, to, [&](const TextMatch& m) {
            if (first == std::string::npos)
                first = m.start;
            else
                span.append(d.bytes, last, m.start - last);
            span += plain ? replacement : search.expand(subject, m, replacement);
            last = m.end;
            ++count;
            if (span.size() > cap)
                throw SearchError(searchMessages(), "sReplaceTooBig");
            return true;
        });
    } else {
        search.forEach(subject, from, to, [&matches](const TextMatch& m) {
            matches.push_back(m);
            return true;
        });
    }
    if (count == 0 && matches.empty()) {
        notFound();
        return;
    }

    long delta = 0;
    {
        editor::CVed::EditGroup group(doc);
        if (!m_request.prompt) {
            select(doc, first, last);
            doc.ReplaceSel(span);
            delta = static_cast<long>(span.size()) - static_cast<long>(last - first);
        } else {
            auto shifted = [&delta](std::size_t offset) {
                return static_cast<std::size_t>(static_cast<long>(offset) + delta);
            };
            for (std::size_t i = 0; i < matches.size(); ++i) {
                const TextMatch& m = matches[i];
                select(doc, shifted(m.start), shifted(m.end));
                const Answer answer = ask(true);
                if (answer == Answer::Cancel)
                    break;
                if (answer == Answer::No)
                    continue;
                std::string with;
                if (answer == Answer::All)
                    build(matches, i, with);
                else
                    with = search.expand(subject, m, replacement);
                const std::size_t end = answer == Answer::All ? matches.back().end : m.end;
                select(doc, shifted(m.start), shifted(end));
                doc.ReplaceSel(with);
                delta += static_cast<long>(with.size()) - static_cast<long>(end - m.start);
                if (answer == Answer::All) {
                    count += matches.size() - i;
                    break;
                }
                ++count;
            }
        }
    }
    if (scoped)
        select(doc, from, static_cast<std::size_t>(static_cast<long>(to) + delta));
    else if (count > 0 && !m_request.prompt)
        select(doc, first + span.size(), first + span.size());
    m_host.showNote(
        m_host.format(searchMessages().section, "sReplacedCount", {QString::number(count)}));
}

} // namespace zuk::tools::ui
