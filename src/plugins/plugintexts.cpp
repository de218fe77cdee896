#include "plugins/plugintexts.h"

namespace zuk::plugins {

const TextTable& pluginMessages()
{
    static const TextTable table{
        "MainForm",
        {
            // A plug-in call that gave no result; the first %s is the library's file name.
            {"sPluginCannotLoad", "Не удалось загрузить плагин «%s»: %s",
             "Could not load the plug-in \"%s\": %s"},
            {"sPluginNoEntryPoint", "В плагине «%s» нет функции %s",
             "The plug-in \"%s\" has no function %s"},
            {"sPluginNullResult", "Плагин «%s» не вернул текст",
             "The plug-in \"%s\" returned no text"},
            {"sPluginResultTooLong", "Плагин «%s» вернул текст длиннее %s байт",
             "The plug-in \"%s\" returned a text longer than %s bytes"},
            {"sPluginCrashed", "Плагин «%s» завершился аварийно (%s)",
             "The plug-in \"%s\" crashed (%s)"},
            {"sPluginTimedOut", "Плагин «%s» не закончил работу за %s с и был остановлен",
             "The plug-in \"%s\" did not finish within %s s and was stopped"},
            {"sPluginCancelled", "Работа плагина «%s» прервана",
             "The plug-in \"%s\" was cancelled"},
            {"sPluginNoAnswer", "Плагин «%s» завершил процесс без ответа (код %s)",
             "The plug-in \"%s\" ended its process without an answer (status %s)"},
            {"sPluginBadAnswer", "Неверный ответ при вызове плагина «%s»",
             "A malformed answer came from the call of the plug-in \"%s\""},
            // The plug-in list and the plugins folder.
            {"sPluginBadFileName", "«%s» не годится как имя файла плагина",
             "\"%s\" is not a valid plug-in file name"},
            {"sPluginNotAFile", "«%s» не является файлом", "\"%s\" is not a file"},
            {"sPluginCannotRemove", "Не удалось удалить плагин «%s»: %s",
             "Could not remove the plug-in \"%s\": %s"},
            {"sPluginSkipped", "Плагин «%s» пропущен: %s", "The plug-in \"%s\" was skipped: %s"},
            {"sPluginScanAt", "scan at: %s", "scan at: %s"},
            {"sPluginReplace", "Плагин «%s» уже установлен. Заменить его?",
             "The plug-in \"%s\" is already installed. Replace it?"},
            // The menu's calls; the first %s is the plug-in's name.
            {"sPluginFailed", "Плагин «%s» не изменил документ.",
             "The plug-in \"%s\" did not change the document."},
            {"sPluginRunning", "Работает плагин «%s»...", "The plug-in \"%s\" is running..."},
            {"sPluginCancel", "Отмена", "Cancel"},
            {"sPluginBusy", "Плагин «%s» ещё работает", "The plug-in \"%s\" is still running"},
            {"sPluginDocumentChanged",
             "Документ изменился, пока работал плагин «%s»; его результат не записан",
             "The document changed while the plug-in \"%s\" was running; its result was not "
             "written"},
            {"sPluginInstallDialog", "Установка плагина", "Install a plug-in"},
            {"sPluginFilter", "Plugin (*.so)", "Plugin (*.so)"},
            {"sPluginAllFiles", "Все файлы (*)", "All files (*)"},
        },
    };
    return table;
}

} // namespace zuk::plugins
