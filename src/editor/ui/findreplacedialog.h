#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace zuk::app {
class TextService;
}

namespace zuk::editor {

struct SearchState;

// The text control's own find and replace dialog, made anew for each use in
// the current language (`texts`; none: the built-in texts). exec() returns
// Accepted for Find / Replace and kReplaceAll for "Replace All".
class FindReplaceDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kReplaceAll = 2;

    FindReplaceDialog(bool replace, const SearchState& initial, const app::TextService* texts,
                      QWidget* parent = nullptr);
    void store(SearchState& state) const;

private:
    QLineEdit* m_find = nullptr;
    QLineEdit* m_replace = nullptr;
    QCheckBox* m_case = nullptr;
    QCheckBox* m_words = nullptr;
    QCheckBox* m_regex = nullptr;
    QCheckBox* m_backwards = nullptr;
};

} // namespace zuk::editor
