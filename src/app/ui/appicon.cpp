#include "app/ui/appicon.h"

#include <QApplication>
#include <QIcon>

// The resources are linked from a static library: nothing refers to their
// registration, so the linker drops it unless it is called. Without it the
// icon is missing and Qt asks every image plug-in whether it can read the
// absent file. (The macro cannot stand inside a namespace.)
static void registerResources()
{
    Q_INIT_RESOURCE(zuk);
}

namespace zuk::app::ui {

void setApplicationIcon()
{
    registerResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zuk/zuk.svg")));
}

} // namespace zuk::app::ui
