#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace zuk::test {

// Runs `act` once on the first modal widget of type T that shows (dialogs
// opened from inside `act` are met by further calls). The timer goes with
// the returned object, so a dialog that never shows leaves nothing behind.
template <class T> std::unique_ptr<QTimer> onModal(std::function<void(T*)> act)
{
    auto timer = std::make_unique<QTimer>();
    QTimer* t = timer.get();
    QObject::connect(t, &QTimer::timeout, [t, act] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            t->stop();
            act(w);
        }
    });
    t->start(10);
    return timer;
}

// Chooses `path` in a file dialog of the program's own kind and accepts it.
inline void chooseInFileDialog(QFileDialog* dialog, const QString& path)
{
    const QFileInfo info(path);
    dialog->setDirectory(info.absolutePath());
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(info.fileName());
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace zuk::test
