#include "platform/platformtexts.h"

namespace zuk::platform {

const TextTable& platformMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCannotCreateFolder", "Не удалось создать папку «%s»: %s",
             "Could not create the folder \"%s\": %s"},
            {"sCannotCopyDataFile", "Не удалось скопировать в папку программы «%s»: %s",
             "Could not copy into the program folder \"%s\": %s"},
            {"sCannotStartHelper", "Не удалось запустить «%s»: %s", "Could not start \"%s\": %s"},
        },
    };
    return table;
}

const TextTable& shellMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sConfirmTrash", "Переместить «%s» в корзину?", "Move \"%s\" to the trash?"},
            {"sConfirmDelete", "Удалить «%s» безвозвратно?", "Delete \"%s\" for good?"},
            {"sCannotTrash", "Не удалось переместить «%s» в корзину",
             "Could not move \"%s\" to the trash"},
            {"sShellFailed", "%s", "%s"},
            {"sBadNewName", "Недопустимое имя: «%s»", "Not a usable name: \"%s\""},
            {"sNotAFolder", "«%s» — не папка", "\"%s\" is not a folder"},
        },
    };
    return table;
}

const TextTable& openWithTexts()
{
    static const TextTable table{
        "fmOpenWith",
        {
            {"caption", "Открыть с помощью", "Open with"},
            {"lFile", "Файл:", "File:"},
            {"lPrograms", "Программы для файлов этого типа:", "Programs for files of this type:"},
            {"cbAllPrograms", "Показать все программы", "Show all programs"},
            {"lCommand", "Или команда:", "Or a command:"},
            {"btBrowse", "...", "..."},
            {"btBrowse.hint", "Выбрать программу", "Choose a program"},
            {"btOK", "Открыть", "Open"},
            {"btCancel", "Отмена", "Cancel"},
            {"sChooseProgram", "Выбор программы", "Choose a program"},
            {"sCannotStart", "Не удалось запустить %s", "Could not start %s"},
        },
    };
    return table;
}

const TextTable& filePropertiesTexts()
{
    static const TextTable table{
        "fmFileProperties",
        {
            {"caption", "Свойства: %s", "Properties: %s"},
            {"lName", "Имя:", "Name:"},
            {"lType", "Тип:", "Type:"},
            {"lFolder", "Папка:", "Folder:"},
            {"lTarget", "Ссылка на:", "Link to:"},
            {"lSize", "Размер:", "Size:"},
            {"lModified", "Изменён:", "Modified:"},
            {"lAccessed", "Открыт:", "Accessed:"},
            {"lCreated", "Создан:", "Created:"},
            {"lPermissions", "Права:", "Permissions:"},
            {"lOwner", "Владелец:", "Owner:"},
            {"btClose", "Закрыть", "Close"},
            {"sBytes", "%s байт", "%s bytes"},
            {"sFolderItems", "папка, элементов: %s", "folder, %s items"},
            {"sUnknown", "неизвестно", "unknown"},
        },
    };
    return table;
}

} // namespace zuk::platform
