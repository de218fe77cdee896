#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QTimer;

namespace zuk::app::ui {

class ToolHost;

// The main window's own commands that belong to no text function: the
// statistics in the information console, clipboard capture, automatic
// scrolling, the Wine system files and the help items. Made once by the
// command wiring as a child of the main window; holds the scrolling timer
// and the clipboard listener for the whole run.
class GeneralCommands final : public QObject {
public:
    explicit GeneralCommands(ToolHost& host);

    // The address of the mail and site commands.
    static constexpr const char* MailAddress = "zuk-editor@example.org";
    static constexpr const char* SiteAddress = "https://zuk-editor.example.org/";

    // Hands an address or file to the desktop (the system's viewer, mail
    // program or browser). Tests replace it to see what would be opened.
    static std::function<bool(const QUrl&)>& urlOpener();

    // The current date and time of the date/time items; tests fix it.
    static std::function<QDateTime()>& clock();

    // The statistics report of the active document, appended to the console
    // and shown; a visible console is closed instead.
    void showStatistics();
    // Lines of the clipboard inserted at the caret (clipboard capture).
    void captureClipboard();

    // The Wine prefix's drive C: $WINEPREFIX/drive_c when set, else ~/.wine/drive_c.
    static QString wineDriveC();
    // A file of the Wine drive, names matched without regard to case; empty when absent.
    static QString wineFile(const QString& relative);

    // The instance the main window's command wiring made, or nullptr.
    static GeneralCommands* of(ToolHost& host);

    // Automatic scrolling for other parts: the settings dialog stops it while
    // it is open (and resumes it afterwards), opening a file takes over a
    // changed AutoscrollTime.
    void suspendAutoscroll(bool suspended);
    void applyAutoscrollPeriod();
    QTimer* scrollTimer() const { return m_scrollTimer; }

private:
    void insertDate(std::size_t item);
    void setClipboardCapture(bool on);
    void setAutoscroll(bool on);
    void openSystemFile(const QString& relative, const QString& shown);
    void openHelpPage(const QString& fileName);
    void openHelpDocument(const QString& fileName);
    QString helpFile(const QString& fileName) const;
    void showAbout();

    ToolHost& m_host;
    QTimer* m_scrollTimer = nullptr;
    QMetaObject::Connection m_clipboardWatch;
};

} // namespace zuk::app::ui
