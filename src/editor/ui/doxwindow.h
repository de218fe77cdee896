#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace zuk::editor {

class CdreamEditor;

// The document-list window ("Менеджер окон"): the full names of all documents
// in the order they were added, window sets saved to and opened from the
// DoxStates folder of the parts folder, and a roll-up button. Paths are UTF-8;
// a saved set is a text file with one path per line.
class TfmDox final : public QWidget {
    Q_OBJECT
public:
    explicit TfmDox(QWidget* parent = nullptr);

    // Where saved sets live: <partsDir>/DoxStates (made when needed).
    void setPartsDir(const QString& partsDir);
    QString statesDir() const;

    void addDocument(const QString& fullName);
    void removeDocument(const QString& fullName);
    QStringList names() const;

    // The captions of the document windows in window order (most recently
    // active first), the activation of a window by caption, and opening a file.
    std::function<QStringList()> windowCaptions;
    std::function<void(const QString& caption)> activateDocument;
    std::function<void(const QString& path)> openFile;
    // Fills windowCaptions and activateDocument from an editor interface.
    void connectEditor(CdreamEditor* editor);

    // "SAVE": asks for a file name in the states folder, then writeState.
    void saveStateDialog();
    // Writes the window captions from the last window to the first; refills the list.
    bool writeState(const QString& path);
    void refreshStates();
    QStringList stateNames() const;
    // Opens every listed file that exists, in file order.
    void openState(const QString& name);

    void toggleRollUp();
    bool rolledUp() const { return m_rolledUp; }

    // Position and size as section Dox stores them (the unrolled height).
    QRect storedGeometry() const;
    void restoreGeometry(const QRect& r);

private:
    void itemClicked(QListWidgetItem* item);

    QString m_partsDir;
    QListWidget* m_list = nullptr;
    QComboBox* m_states = nullptr;
    QToolButton* m_rollUp = nullptr;
    QWidget* m_top = nullptr;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
};

} // namespace zuk::editor
