#include "html/htmltexts.h"

namespace zuk::html {

const TextTable& htmlMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sGradientTooLong",
             "Градиент делается из текста не длиннее %s МБ: выделите текст покороче.",
             "The gradient takes a text of at most %s MB: select a shorter text."},
            {"sGradientLargeSelection",
             "Выделено %s байт; градиент сделает из них около %s МБ HTML. Продолжить?",
             "The selection holds %s bytes; the gradient makes about %s MB of HTML of them. "
             "Go on?"},
            {"sCantFindFile", "Error! Can\"t find the file - %s",
             "Error! Can\"t find the file - %s"},
            {"sBadColour", "«%s» — не цвет. Введите шесть шестнадцатеричных цифр RRGGBB.",
             "\"%s\" is no colour. Enter six hexadecimal digits RRGGBB."},
            {"sChooseCssFile", "Файл стиля CSS", "Style sheet file"},
            {"sCssFilter", "Стили CSS", "Style sheets"},
            {"sAllFiles", "Все файлы", "All files"},
            {"sChoosePicture", "Картинка", "Picture"},
            {"sPictureFilter", "Файлы изображений: ", "Picture files: "},
            {"sChooseGalleryTemplate", "Шаблон галереи", "Gallery template"},
            {"sSavePreset", "Сохранить набор тэгов", "Save the tag preset"},
            {"sGalleryBadName", "Имя файла «%s» не годится: нужно простое имя файла, без папок.",
             "The file name \"%s\" will not do: give a plain file name, without folders."},
            {"sGalleryOverwritesSource",
             "Файл «%s» — одна из картинок галереи, и галерея записала бы его поверх. "
             "Галерея не создана.",
             "The file \"%s\" is one of the gallery's pictures, and the gallery would write "
             "over it. No gallery was made."},
            {"sGalleryReplace", "Эти файлы уже есть: %s. Заменить их?",
             "These files exist already: %s. Replace them?"},
            {"sGalleryProgress", "Уменьшенные копии картинок...", "Thumbnails of the pictures..."},
            {"sGalleryStop", "Стоп", "Stop"},
            {"sGalleryStopped", "Галерея не создана: работа прервана.",
             "No gallery was made: the work was stopped."},
            {"sGalleryThumbFailed", "Не удалось сделать уменьшенную копию «%s»: %s",
             "Could not make the thumbnail of \"%s\": %s"},
            {"sGalleryUnreadable", "картинка не читается", "the picture cannot be read"},
            {"sGalleryNoPictures", "Ни одной уменьшенной копии не сделано: галерея не создана.",
             "Not one thumbnail was made: no gallery was made."},
        },
    };
    return table;
}

const TextTable& text2HtmlTexts()
{
    static const TextTable table{
        "fmText2HTML",
        {
            {"caption", "Опции", "Options"},
            {"cbreplace_CRLF_with_br", "Заменять перевод строки тэгом <BR>",
             "Replace line breaks with <BR>"},
            {"cbadd_spaces_after_br", "Добавлять  N неразрывн. пробелов после BR",
             "Add N non-breaking spaces after BR"},
            {"cbenclose_para_with_p", "Заключать параграфы в <P></P>",
             "Enclose paragraphs in <P></P>"},
            {"cbenclose_para_with_p.hint", "Это чтоб не скучали!", "Just so you don't get bored!"},
            {"gbMargins", "Отступы границ (IE 3+ only) ", "Margins (IE 3+ only) "},
            {"lRightMargin", "Справа", "Right"},
            {"lLeftMargin", "Слева", "Left"},
            {"gbColors", "Цвета", "Colours"},
            {"lBackcolor", "Фона", "Background"},
            {"lForeColor", "Текста", "Text"},
            {"btSetBackColor", ";)", ";)"},
            {"btSetForeColor", ":)", ":)"},
            {"cbUseCSSStyle", "CSS-стиль для параграфов:", "CSS style for paragraphs:"},
            {"btCSSStyleFilename.hint", "Загрузить стиль из файла", "Load a style from a file"},
            {"btSaveCSSStyle", "SAVE", "SAVE"},
            {"cbMakeNewFile", "Результат в новый файл", "Result into a new file"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

const TextTable& cleanUpTexts()
{
    static const TextTable table{
        "fmHTMLCleanUpoptsions",
        {
            {"caption", "Tag killa", "Tag killa"},
            {"lTags", "Тэги, по одному в строке:", "Tags, one per line:"},
            {"lPresets", "Наборы:", "Presets:"},
            {"btSaveMemoTags", "SAVE PRESET", "SAVE PRESET"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

const TextTable& tableWizardTexts()
{
    static const TextTable table{
        "tablewizard",
        {
            {"caption", "tablewizard", "tablewizard"},
            {"lCols", "Колонок:", "Columns:"},
            {"lRows", "Рядов", "Rows"},
            {"gbCurrentCell", "Текущая ячейка", "Current cell"},
            {"lCCW", "Width", "Width"},
            {"lCCbackCOlor", "Backcolor", "Backcolor"},
            {"btCCColorMore", ":->>", ":->>"},
            {"btAssign", "^", "^"},
            {"btAssign.hint", "Взять набранный цвет RRGGBB", "Take the typed colour RRGGBB"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

const TextTable& gradientTexts()
{
    static const TextTable table{
        "fmGradtextOpts",
        {
            {"caption", "Текстовый градиент", "Text gradient"},
            {"lStartColor", "Color 1", "Color 1"},
            {"lEndColor", "Color 2", "Color 2"},
            {"btStartColorMore", "ЕЩЕ", "MORE"},
            {"btEndColorMore", "ЕЩЕ", "MORE"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

const TextTable& webSafeTexts()
{
    static const TextTable table{
        "fmWebSafePalette",
        {
            {"caption", "Web-safe палитра", "Web-safe palette"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

const TextTable& thumbOptionsTexts()
{
    static const TextTable table{
        "fmThumbOptions",
        {
            {"caption", "Опции", "Options"},
            {"lCreateGalBasedOn", "Создавать галерею на основе шаблона",
             "Make the gallery from the template"},
            {"lTitle", "Заголовок", "Title"},
            {"sDefaultTitle", "Галерея", "Gallery"},
            {"lCols", "Колонок в ряду", "Columns in a row"},
            {"rbOuputToFile", "Результат сохранить в файл с именем",
             "Save the result in the file named"},
            {"rbOutputToDoc", "Результат вставить в текущий документ",
             "Insert the result into the current document"},
            {"gbOptimization", "JPEG сжатие thumbnails", "JPEG compression of thumbnails"},
            {"lCompressionQuality", "Качество", "Quality"},
            {"cbGrayscale", "В градациях серого", "In shades of grey"},
            {"cbProgressiveEncoding", "Прогрессивное кодирование", "Progressive encoding"},
            {"cbShowGallery", "Показать галерею после создания", "Show the gallery when made"},
            {"cbOpenGal", "Открыть галерею в редакторе", "Open the gallery in the editor"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Cancel", "Cancel"},
        },
    };
    return table;
}

} // namespace zuk::html
