#pragma once

#include <QDialog>
#include <QString>

namespace zuk::app {
class TextService;
}

namespace zuk::platform::ui {

// Our own properties window of a file or folder, for a session without a
// file manager that shows one: name, type, folder, link target, size,
// times, permissions and owner. It only shows; nothing is changed.
class TFileProperties final : public QDialog {
public:
    TFileProperties(const QString& path, const app::TextService* texts, QWidget* parent);

    // The value shown beside a label ("lSize", "lPermissions", ...), for tests.
    QString value(const char* label) const;
};

} // namespace zuk::platform::ui
