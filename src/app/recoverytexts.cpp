#include "app/recoverytexts.h"

namespace zuk::app {

const TextTable& recoveryTexts()
{
    static const TextTable table{
        "Recovery",
        {
            {"caption", "Восстановление документов", "Document recovery"},
            {"sRecoveryIntro",
             "Прошлый сеанс Zuk завершился аварийно. Остались несохранённые документы:",
             "The last Zuk session did not end normally. These unsaved documents were left:"},
            {"sRecoveryEntry", "%s — изменён %s", "%s, changed %s"},
            {"btnRestore", "Восстановить", "Restore"},
            {"btnDiscard", "Удалить", "Delete"},
            {"btnLater", "Позже", "Later"},
            {"sRecoveryBroken", "Повреждённая копия для восстановления пропущена: %s",
             "A damaged recovery copy was skipped: %s"},
            {"sRecoveryNotWritten", "Копия для восстановления не записана: %s",
             "The recovery copy was not written: %s"},
            {"sRecoveryNotRestored", "Документ «%s» не восстановлен: %s",
             "The document \"%s\" was not restored: %s"},
            {"sRecoveryAlreadyOpen",
             "Файл «%s» уже открыт: восстановленный текст открыт в новом документе",
             "The file \"%s\" is open already: the recovered text is in a new document"},
            {"sRecoveryTextDamaged", "Текст копии не совпадает с её описанием",
             "The copy's text does not match its description"},
        },
    };
    return table;
}

} // namespace zuk::app
