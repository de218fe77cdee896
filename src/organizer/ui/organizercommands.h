#pragma once

#include <QString>

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

// The ids the organizer's windows are registered under with the host.
inline constexpr const char* kBookmarkWindow = "fmbmxtree";
inline constexpr const char* kCalendarWindow = "frm_cal";
inline constexpr const char* kPimWindow = "fmPim";
inline constexpr const char* kCharTableWindow = "frm_CharTable";
inline constexpr const char* kViewerWindow = "fm_GViewer";

// Registers the organizer's windows (the bookmark window with its geometry
// in section Bmx, the calendar, the personal manager, the character table
// and the picture viewer; the ones that keep files write what waits when the
// program is about to close) and the commands Утилиты → "Закладки",
// "Персональный менеджер", "Календарь", "Таблица символов" and Функции →
// Мобила → "Проиграть всю мелодию", "Остановить мелодию".
void installOrganizerCommands(app::ui::ToolHost& host);

// Makes the bookmark window (hidden), as the program does at start.
void createBookmarkWindow(app::ui::ToolHost& host);

// Shows `path` in the picture viewer, made on first use: what the file box's
// built-in viewer calls. False for a file that is no picture (nothing
// happens) or one that cannot be read (the reason was shown; the viewer is
// shown either way).
bool openPicture(app::ui::ToolHost& host, const QString& path);

} // namespace zuk::organizer::ui
