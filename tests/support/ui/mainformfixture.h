#pragma once

#include "app/ui/mainform.h"
#include "support/ui/eventwait.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace zuk::test {

// A main window over its own temporary program folder. Files can be put into
// the folder before the window is made (seed()), so start-up reads them.
class MainFormFixture {
public:
    // The program folder starts empty, as on a first run with --home.
    MainFormFixture() = default;
    ~MainFormFixture()
    {
        if (m_form) {
            m_form->confirmHook = [](const QString&) { return true; };
            m_form.reset();
        }
    }

    QString home() const { return m_dir.path() + QLatin1Char('/'); }
    QString parts() const { return home() + QStringLiteral("Engine/Parts/"); }

    // Writes bytes into a file under the program folder.
    void seed(const QString& relative, const std::string& bytes) const
    {
        const QString path = home() + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    // The shipped English language file, chosen in zuk.ini, before start().
    void seedShippedEnglish() const
    {
        QFile shipped(QStringLiteral(ZUK_SOURCE_DIR) + "/data/Engine/Parts/lang/English");
        shipped.open(QIODevice::ReadOnly);
        seed("Engine/Parts/lang/English", shipped.readAll().toStdString());
        seed("zuk.ini", "[LangOptions]\r\nLang=English\r\n");
    }
    std::string read(const QString& relative) const
    {
        QFile f(home() + relative);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll().toStdString();
    }

    app::ui::TMainForm& start(QStringList files = {})
    {
        app::ui::StartupOptions options;
        options.home = m_dir.path();
        options.files = std::move(files);
        options.executableDir = m_dir.path() + QStringLiteral("/bin");
        m_form = std::make_unique<app::ui::TMainForm>(options);
        m_form->createToolWindows();
        m_form->show();
        return *m_form;
    }
    app::ui::TMainForm& form() { return *m_form; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<app::ui::TMainForm> m_form;
};

// Runs the event loop (deferred deletions included) until `done` holds or
// `ms` milliseconds pass; returns whether it holds.
inline bool waitFor(const std::function<bool()>& done, int ms = 3000)
{
    return zuk::test::eventsUntil(done, ms);
}

// Closes every modal box or dialog that appears while it lives (rejecting it),
// so commands that ask or show something can run unattended.
class ModalCloser {
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                if (auto* box = qobject_cast<QMessageBox*>(w))
                    box->reject();
                else if (auto* dialog = qobject_cast<QDialog*>(w))
                    dialog->reject();
                else
                    w->close();
            }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

} // namespace zuk::test
