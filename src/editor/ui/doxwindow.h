#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QSizeGrip;
class QToolButton;

namespace zuk::app {
class TextService;
}

namespace zuk::editor {

class CdreamEditor;

// The document-list window ("Менеджер окон"): the full names of all documents
// in the order they were added, window sets saved to and opened from the
// DoxStates folder of the parts folder, and a roll-up button. Paths are UTF-8;
// a saved set is a text file with one path per line.
//
// The window draws its own title bar, which holds the roll-up button "Z" and
// moves the window when dragged, so it can be moved and rolled up the same
// way with any window manager or none.
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
    // Fills windowCaptions and activateDocument from an editor interface, and
    // takes its texts (EditorHost::texts).
    void connectEditor(CdreamEditor* editor);

    // The texts of the window (section fmdox); none: the built-in ones.
    void setTexts(const app::TextService* texts);
    // The window in the current language; for the host's language changes.
    void localise();

    // "SAVE": asks for a file name in the states folder, then writeState.
    void saveStateDialog();
    // Writes the window captions from the last window to the first; refills the list.
    bool writeState(const QString& path);
    void refreshStates();
    QStringList stateNames() const;
    // Opens every listed file that exists, in file order; a file that is
    // open already has its document brought to the front instead.
    void openState(const QString& name);

    void toggleRollUp();
    bool rolledUp() const { return m_rolledUp; }

    // Position and size as section Dox stores them (the unrolled height).
    QRect storedGeometry() const;
    void restoreGeometry(const QRect& r);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void itemClicked(QListWidgetItem* item);
    QString openCaptionOf(const QString& path) const;

    const app::TextService* m_texts = nullptr;
    QString m_partsDir;
    QWidget* m_titleBar = nullptr;
    QLabel* m_caption = nullptr;
    QToolButton* m_rollUp = nullptr;
    QWidget* m_top = nullptr;
    QComboBox* m_states = nullptr;
    QListWidget* m_list = nullptr;
    QSizeGrip* m_grip = nullptr;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
    bool m_dragging = false;
    QPoint m_dragOffset; // from the window's corner to the pointer
};

} // namespace zuk::editor
