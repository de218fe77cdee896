#pragma once

#include "app/commandtable.h"
#include "app/textservice.h"
#include "app/ui/toolhost.h"
#include "settings/connectiontable.h"
#include "settings/settingsnotifier.h"
#include "support/fakeved.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zuk::test {

// A host without a main window: a subsystem's install function registers into
// it, and tests run its handlers on a FakeVed, answer its boxes from queues
// and read what it said. A registration under a name that is no command row
// fails the test through unknownCommands.
class FakeHost final : public app::ui::ToolHost {
public:
    FakeHost() : m_window(std::make_unique<QWidget>()) {}

    FakeVed ved;
    settings::RConnectionTable record;
    settings::SettingsNotifier notifier;
    app::TextService textService;
    QString partsDir, programDir;

    std::map<std::string, std::function<void()>> commands;
    QStringList unknownCommands;
    std::map<std::string, bool> checks;
    QStringList notes, statuses, console, questions;
    std::deque<std::optional<QString>> promptAnswers; // empty: every prompt is cancelled
    bool confirmAnswer = true;
    int newDocuments = 0;
    QStringList openedFiles;
    int saves = 0;
    QStringList savedAs;
    bool saveSucceeds = true;

    // Runs a registered handler the way the wrapper would: nothing without a
    // document for a command that needs one, nothing without a selection for
    // one that needs that. Returns whether it ran.
    bool run(const std::string& name)
    {
        const auto it = commands.find(name);
        if (it == commands.end())
            return false;
        const app::CommandRow* row = app::findCommand(name);
        if (row && row->needs != app::Need::Nothing && !hasDocument())
            return false;
        if (row && row->needs == app::Need::Selection && ved.SelEmpty())
            return false;
        it->second();
        return true;
    }

    void addCommands(std::vector<app::ui::CommandHandler> handlers) override
    {
        for (auto& h : handlers) {
            const app::CommandRow* row = app::findCommand(h.name);
            if (!row || row->kind != app::RowKind::Command)
                unknownCommands << QString::fromUtf8(h.name.data(), int(h.name.size()));
            else
                commands[std::string(h.name)] = std::move(h.run);
        }
    }
    bool hasCommand(std::string_view name) const override
    {
        return commands.count(std::string(name)) != 0;
    }
    bool runCommand(std::string_view name) override { return run(std::string(name)); }
    bool isChecked(std::string_view name) const override
    {
        const auto it = checks.find(std::string(name));
        return it != checks.end() && it->second;
    }
    void setChecked(std::string_view name, bool on) override { checks[std::string(name)] = on; }

    void addToolWindow(app::ui::ToolWindowSpec tool) override
    {
        const std::string id = tool.id; // read before the move: the right side goes first
        m_tools[id] = {std::move(tool), nullptr};
    }
    QWidget* toolWindow(std::string_view id) override
    {
        const auto it = m_tools.find(std::string(id));
        if (it == m_tools.end())
            return nullptr;
        if (!it->second.window)
            it->second.window = it->second.tool.make(m_window.get());
        return it->second.window;
    }
    QWidget* existingToolWindow(std::string_view id) const override
    {
        const auto it = m_tools.find(std::string(id));
        return it == m_tools.end() ? nullptr : it->second.window.data();
    }
    QWidget* showToolWindow(std::string_view id) override
    {
        QWidget* w = toolWindow(id);
        if (w)
            w->show();
        return w;
    }

    void addMenuProvider(std::string_view menu, std::function<void(QMenu&)> fill) override
    {
        m_providers[std::string(menu)] = std::move(fill);
    }
    void refillMenu(std::string_view menu) override
    {
        const auto it = m_providers.find(std::string(menu));
        if (it == m_providers.end())
            return;
        QMenu& m = menuOf(std::string(menu));
        m.clear();
        it->second(m);
    }
    // The menu a provider filled (made empty on first use).
    QMenu& menuOf(const std::string& name)
    {
        auto& m = m_menus[name];
        if (!m)
            m = std::make_unique<QMenu>();
        return *m;
    }

    settings::RConnectionTable& settings() override { return record; }
    settings::SettingsNotifier& settingsNotifier() override { return notifier; }
    const app::TextService& texts() const override { return textService; }
    void addLocaliser(QWidget* window, std::function<void()> localise) override
    {
        localise();
        m_localisers.push_back({window, std::move(localise)});
    }
    // What a language change does: every live window localises again.
    void localiseAll()
    {
        for (auto& l : m_localisers)
            if (l.window)
                l.localise();
    }

    void showStatus(const QString& text) override { statuses << text; }
    void showNote(const QString& text) override { notes << text; }
    bool confirm(const QString& question) override
    {
        questions << question;
        return confirmAnswer;
    }
    std::optional<QString> prompt(const QString& title, const QString& label,
                                  const QString& initial = {}) override
    {
        questions << title + "|" + label + "|" + initial;
        if (promptAnswers.empty())
            return std::nullopt;
        const bool cancelled = !promptAnswers.front().has_value();
        const QString answer = promptAnswers.front().value_or(QString());
        promptAnswers.pop_front();
        if (cancelled)
            return std::nullopt;
        return answer;
    }

    QString programFolder() const override { return programDir; }
    QString partsFolder() const override { return partsDir; }
    QString dataPath(const QString& relative) const override { return partsDir + relative; }

    void consoleAppend(const QString& message) override { console << message; }
    void showConsole() override { m_consoleShown = true; }
    void hideConsole() override { m_consoleShown = false; }
    bool consoleVisible() const override { return m_consoleShown; }

    bool hasDocument() override { return ved.DocumentCount() > 0; }
    editor::CVed& document() override { return ved; }
    void newDocument() override
    {
        ++newDocuments;
        ved.open = true;
        ved.text.clear();
        ved.anchor = ved.caret = 0;
    }
    bool openFile(const QString& path, bool) override
    {
        openedFiles << path;
        return true;
    }
    // The files open as documents; activateFile brings one to the front.
    QStringList openDocuments, activatedFiles;
    bool activateFile(const QString& path) override
    {
        if (!openDocuments.contains(path))
            return false;
        activatedFiles << path;
        return true;
    }
    bool saveDocument() override
    {
        ++saves;
        ved.modified = false;
        return saveSucceeds;
    }
    bool saveDocumentAs(const QString& path) override
    {
        savedAs << path;
        ved.fileName = path.toStdString();
        ved.hasFile = true;
        ved.modified = false;
        return saveSucceeds;
    }
    QWidget* window() override { return m_window.get(); }

private:
    struct Tool {
        app::ui::ToolWindowSpec tool;
        QPointer<QWidget> window;
    };
    struct Localiser {
        QPointer<QWidget> window;
        std::function<void()> localise;
    };
    std::unique_ptr<QWidget> m_window;
    std::map<std::string, Tool> m_tools;
    std::map<std::string, std::function<void(QMenu&)>> m_providers;
    std::map<std::string, std::unique_ptr<QMenu>> m_menus;
    std::vector<Localiser> m_localisers;
    bool m_consoleShown = false;
};

} // namespace zuk::test
