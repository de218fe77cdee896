#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/languagefile.h"
#include "app/textservice.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "settings/connectiontable.h"

// An MDI area, a highlighting list and an editor interface, with every host
// callback recorded.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(640, 480);
        m_area->show();
        m_box = std::make_unique<QComboBox>();
        m_box->addItems({"No", "HTML", "Delphi", "C++", "C", "Perl", "Java Script", "VB Script",
                         "SQL", "MyScheme"});
        zuk::editor::EditorHost host;
        host.mdiArea = m_area.get();
        host.syntaxBox = m_box.get();
        host.setStatusPanel = [this](int panel, const QString& text) { m_panels[panel] = text; };
        host.documentClosed = [this](zuk::editor::Ted*) { ++m_closed; };
        host.showMessage = [this](const QString& text) { m_messages.push_back(text); };
        host.closeMainWindow = [this] { ++m_exitRequests; };
        host.texts = &m_texts;
        zuk::editor::HostCallbacks callbacks;
        callbacks.activateTab = [this](const std::string& name) { m_tabs.push_back(name); };
        callbacks.openFile = [this](const std::string& name) { m_opened.push_back(name); };
        callbacks.keySound = [this](char c) { m_sounds.push_back(static_cast<unsigned char>(c)); };
        m_editor = std::make_unique<zuk::editor::CdreamEditor>(host, m_settings, callbacks);
    }

    void TearDown() override
    {
        m_settings.Closing = true;
        m_area->closeAllSubWindows();
        m_editor.reset();
        m_area.reset();
    }

    zuk::editor::Ted* newDocument()
    {
        m_editor->NewDocument();
        return m_editor->activeDocument();
    }

    // The shipped English language file becomes the current language.
    void useEnglish()
    {
        QFile file(m_langDir.filePath(QStringLiteral("lang/English")));
        QDir().mkpath(m_langDir.filePath(QStringLiteral("lang")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = zuk::app::englishLanguageFile();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        ASSERT_TRUE(m_texts.open(m_langDir.path().toStdString(), "English"));
    }

    // A typed key as the keyboard delivers it.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(m_editor->activeDocument()->control(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(m_editor->activeDocument()->control(), &release);
    }
    void type(const QString& text)
    {
        for (const QChar c : text)
            press(c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown),
                  Qt::NoModifier, QString(c));
    }

    zuk::settings::RConnectionTable m_settings;
    zuk::app::TextService m_texts;
    QTemporaryDir m_langDir;
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<QComboBox> m_box;
    std::unique_ptr<zuk::editor::CdreamEditor> m_editor;
    QString m_panels[3];
    std::vector<std::string> m_tabs, m_opened;
    std::vector<unsigned char> m_sounds;
    std::vector<QString> m_messages;
    int m_closed = 0;
    int m_exitRequests = 0;
};
