// The application object takes LC_NUMERIC from the desktop, so on a German
// desktop the C library writes and reads "0,5". The screens' numbers must not
// change with it.
#include "calculator/Calculator.h"
#include "util/NumberFormat.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

using calculator::Calculator;
using util::numberText;
using util::numberValue;

namespace {

// Switches the whole C library to a locale whose decimal sign is a comma for
// the length of a test, and back to what was set before.
class CommaLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                                 "nl_NL.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "ru_RU.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) &&
                std::string(std::localeconv()->decimal_point) == ",")
                return;
        }
        std::setlocale(LC_ALL, saved_.c_str());
        GTEST_SKIP() << "no locale with a comma as decimal sign is installed "
                        "(scripts/install-deps.sh generates de_DE.UTF-8)";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(CommaLocaleTest, NumberTextWritesAPoint) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case c :
         {Case{0.5, " .5"}, Case{-0.25, "-.25"}, Case{12.75, " 12.75"},
          Case{1.0 / 3, " .333333333333333"}, Case{2.5e-5, " 2.5E-05"}, Case{-2.5e20, "-2.5E+20"},
          Case{1234567890123456, " 1.23456789012346E+15"}})
        EXPECT_EQ(numberText(c.value).toStdString(), c.text) << c.value;
}

TEST_F(CommaLocaleTest, NumberValueReadsAPointAndStopsAtAComma) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case c :
         {Case{"0.5", 0.5}, Case{" -0.25", -0.25}, Case{".5", 0.5}, Case{"+12.75", 12.75},
          Case{"2.5E-05", 2.5e-5}, Case{"1,5", 1}, Case{"1E+999", 0}})
        EXPECT_DOUBLE_EQ(numberValue(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST_F(CommaLocaleTest, CalculatorKeepsTheFraction) {
    Calculator calc;
    for (int key :
         {0, int(Calculator::Point), 5, int(Calculator::Minus), 1, int(Calculator::Equals)})
        calc.pressKey(key);
    EXPECT_EQ(calc.displayText().toStdString(), "-0.5");
    EXPECT_DOUBLE_EQ(calc.result(), -0.5);

    for (int key : {int(Calculator::Times), 2, int(Calculator::Point), 5, int(Calculator::Equals)})
        calc.pressKey(key);
    EXPECT_EQ(calc.displayText().toStdString(), "-1.25");
}

} // namespace
