#pragma once

#include "app/ui/mainform.h"

#include <QApplication>
#include <QString>

#include <memory>

namespace zuk::bench {

// The real main window over a fresh program folder `home`/prog, offscreen,
// shown and idle, past its first activation (which would open nothing).
inline std::unique_ptr<app::ui::TMainForm> startMainWindow(QApplication& app, const QString& home)
{
    app::ui::StartupOptions options;
    options.home = home + QStringLiteral("/prog");
    options.executableDir = home;
    auto form = std::make_unique<app::ui::TMainForm>(options);
    form->createToolWindows();
    form->show();
    app.processEvents();
    form->settings().FirstActivation = false;
    return form;
}

} // namespace zuk::bench
