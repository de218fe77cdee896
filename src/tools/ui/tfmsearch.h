#pragma once

#include "tools/textsearch.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

// Everything the find and replace dialogs ask: the texts and every option.
struct SearchRequest {
    QString text;
    QString replacement;
    SearchOptions options;
    bool backward = false;     // "Направление": "Назад"
    bool entireScope = false;  // "Везде" rather than "От курсора"
    bool selectedOnly = false; // "Диапазон": "Выделенный текст"
    bool prompt = false;       // "Подтверждать замену"
};

// The find dialog ("Поиск текста") or the replace dialog ("Замена текста")
// of the documents, made anew for each use from the last request. exec()
// gives Accepted for "Найти" and "Заменить", kReplaceAll for "Заменить все".
// "Выделенный текст" is offered only when the document has a selection.
class TfmSearch final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kReplaceAll = 2;

    TfmSearch(app::ui::ToolHost& host, bool replace, const SearchRequest& initial,
              const QStringList& findHistory, const QStringList& replaceHistory, bool hasSelection,
              QWidget* parent);

    SearchRequest request() const;
    bool isReplace() const { return m_replace != nullptr; }

    QComboBox* findBox() const { return m_find; }
    QComboBox* replaceBox() const { return m_replace; }

private:
    QComboBox* m_find = nullptr;
    QComboBox* m_replace = nullptr;
    QCheckBox* m_case = nullptr;
    QCheckBox* m_words = nullptr;
    QCheckBox* m_regex = nullptr;
    QCheckBox* m_prompt = nullptr;
    QRadioButton* m_backward = nullptr;
    QRadioButton* m_entire = nullptr;
    QRadioButton* m_selected = nullptr;
};

} // namespace zuk::tools::ui
