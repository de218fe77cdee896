#include "cli/clirunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zuk::testing::runCli;

namespace {

struct CliRow {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string errPart;
};

TEST(ZukTextCalculators, ResultsAndFailures)
{
    const CliRow rows[] = {
        {{"eval"}, "2*(3+4)\n", 0, "14", ""},
        {{"eval"}, "1/3", 0, "0.333333333333333", ""},
        {{"eval"}, "0.0001", 0, "0.0001", ""},
        {{"eval"}, "sqrt(16", 1, "", "Ожидается ')' в позиции 8"},
        {{"eval"}, "1/0", 1, "", "Деление на ноль"},
        {{"bignum", "add"}, "99999999999999999999\r\n1\r\n", 0, "100000000000000000000", ""},
        {{"bignum", "divmod"}, "-7\n2\n", 0, "-3.-1", ""},
        {{"bignum", "divmod"}, "7\n0", 0, ".", ""},
        {{"bignum", "compare"}, "-5\n-3\n", 0, "-1", ""},
        {{"bignum", "to-hex"}, "-255\n", 0, "-FF", ""},
        {{"bignum", "to-dec"}, "10000", 0, "65536", ""},
        {{"bignum", "mul"}, "12\n", 1, "", "два числа"},
        {{"bignum", "add"}, "1x\n2\n", 1, "", "«1x» не является целым числом"},
        {{"bignum", "pow"}, "1\n2\n", 2, "", "pow"},
        {{"units", "--conversion", "Фаренгейт в Цельсий"}, "13", 0, "-10.5555555555556", ""},
        {{"units", "--conversion", "Караты в килограммы"}, "5\n", 0, "0.001", ""},
        {{"units", "--conversion", "Нет такой"}, "5", 1, "", "Нет такой"},
        {{"units"}, "5", 2, "", "--conversion"},
    };
    for (const CliRow& row : rows) {
        SCOPED_TRACE(row.args[0] + " " + row.input);
        const auto r = runCli(row.args, row.input);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.out, row.out);
        if (!row.errPart.empty()) {
            EXPECT_NE(r.err.find(row.errPart), std::string::npos) << r.err;
        }
    }
}

TEST(ZukTextCalculators, WordStatsReport)
{
    const auto r = runCli({"word-stats", "--utf8"}, "Кот кот КОТ, пёс.");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string tail = "Общее кол-во слов: 4\r\n"
                             "Кол-во уникальных слов: 2\r\n"
                             "Отношение уникальных к общему: 0.5\r\n"
                             "Средняя длина слова (общ) 3\r\n"
                             "\r\n"
                             "Вывод результатов частотной статистики: \r\n"
                             "кот    3\r\n"
                             "пёс    1\r\n";
    EXPECT_EQ(r.out.rfind("Начинаю сортировку\r\nСортировка завершена\r\nВывод результатов\r\n"
                          "Время вычисления: 0:00:0",
                          0),
              0u);
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);

    const auto empty = runCli({"word-stats"}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.out.empty());
}

} // namespace
