#include "analyzer/analyzertexts.h"

namespace zuk::analyzer {

const TextTable& untTexts()
{
    // The trailing blanks of the report texts belong to them: the value is
    // written straight after ("Общее кол-во слов: 1234").
    static const TextTable table{
        "unt",
        {
            {"caption", "УНИверсальный Текстовый АналиЗатор 1.0", "UNIversal Text AnalyZer 1.0"},
            {"btAnalysis", "Анализ", "Analyse"},
            {"btClear", "Очистить", "Clear"},
            {"btCopy2Clipboard", "КОПИР. В БУФЕР", "COPY TO CLIPBOARD"},
            {"btStop", "СТОП", "STOP"},
            {"btPause", "ПАУЗА", "PAUSE"},
            {"btResume", "ВОЗОБНОВИТЬ", "RESUME"},
            {"btClose", "ЗАКРЫТЬ", "CLOSE"},
            {"lJobPriority", "ПРИОРИТЕТ РАБОТЫ", "JOB PRIORITY"},
            {"tbPriority.hint", "От простоя (1) до реального времени (7)",
             "From idle (1) to time-critical (7)"},
            {"sStartSorting", "Начинаю сортировку", "Sorting"},
            {"sSortingDone", "Сортировка завершена", "Sorting done"},
            {"sOutputResults", "Вывод результатов", "The results"},
            {"sTimeElapsed", "Время вычисления: ", "Time taken: "},
            {"sTotalWords", "Общее кол-во слов: ", "Total words: "},
            {"sUniqueWords", "Кол-во уникальных слов: ", "Distinct words: "},
            {"sUniqueToTotal", "Отношение уникальных к общему: ", "Distinct to total: "},
            {"sAverageLenOfTotalWords", "Средняя длина слова (общ) ", "Mean word length (total) "},
            {"sFrequenceStatistics",
             "Вывод результатов частотной статистики: ", "Word frequencies: "},
            {"sNoOneFileOpened", "Нефиг обрабатывать - еще ни один файл не открыт!",
             "Nothing to analyse - no file is open yet!"},
            {"sEvalWait", "Я думаю. Ждите...", "Thinking. Please wait..."},
            {"sThreadConstructorCall", "Thread constructor call...", "Thread constructor call..."},
            {"sThreadDestroyed", "Thread destroying done", "Thread destroying done"},
            {"sThreadConstructed", "Thread constructor called OK", "Thread constructor called OK"},
            {"sThreadStopped", "Thread stopped OK", "Thread stopped OK"},
            {"sThreadPaused", "Thread paused OK", "Thread paused OK"},
            {"sThreadResumed", "Thread resumed OK", "Thread resumed OK"},
        },
    };
    return table;
}

} // namespace zuk::analyzer
