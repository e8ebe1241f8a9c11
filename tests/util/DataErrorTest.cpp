#include "util/DataError.h"

#include <gtest/gtest.h>

using util::DataError;

namespace {

struct MessageCase {
    const char* name;
    QString file;
    int line;
    const char* where; // how the message names the place
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class DataErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

// The dialog names the file from the material folder with one separator
// throughout: a backslash is drawn as ¥ by Japanese fonts and as \ by others,
// and the dialog mixed the two.
TEST_P(DataErrorMessageTest, NamesThePlaceWithSlashesOnly) {
    const MessageCase& c = GetParam();
    const QString message = DataError(c.file, c.line, QStringLiteral("欄が足りません")).message();
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.where))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("欄が足りません")));
    EXPECT_FALSE(message.contains(u'\\')) << message.toStdString();
    EXPECT_FALSE(message.contains(QChar(0xA5))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Places, DataErrorMessageTest,
    ::testing::Values(MessageCase{"fileAndLine", QStringLiteral("\\化学式\\データ\\元素.dat"), 3,
                                  "ファイル「化学式/データ/元素.dat」の 3 行目"},
                      MessageCase{"wholeFile", QStringLiteral("\\係数\\問題.dat"), 0,
                                  "ファイル「係数/問題.dat」:"},
                      MessageCase{"slashesAlready", QStringLiteral("/モル/分子量.dat"), 2,
                                  "ファイル「モル/分子量.dat」の 2 行目"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataErrorTest, WithoutAFileSaysOnlyTheProblem) {
    const QString message = DataError(QString(), 0, QStringLiteral("画面を作れません")).message();
    EXPECT_TRUE(message.contains(QStringLiteral("画面を作れません")));
    EXPECT_FALSE(message.contains(QStringLiteral("ファイル")));
}

} // namespace
