#include "util/DataFile.h"

#include "util/DataError.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using util::DataError;
using util::DataFile;

namespace {

const QString kPath = QStringLiteral("\\テスト\\データ.dat");

// A material folder holding one data file with the given bytes.
class DataFileTest : public ::testing::Test {
protected:
    DataFile open(const QByteArray& bytes) {
        QDir(dir.path()).mkpath(QStringLiteral("テスト"));
        QFile f(dir.filePath(QStringLiteral("テスト/データ.dat")));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        return DataFile(dir.path(), kPath);
    }
    static QByteArray cp932(const QString& s) {
        QStringEncoder enc("CP932");
        return enc.encode(s);
    }

    QTemporaryDir dir;
};

TEST_F(DataFileTest, ReadsFieldsAcrossLinesQuotesAndBlanks) {
    DataFile f = open(cp932(QStringLiteral(
        "\"Al\", \"01\", 2\r\n  Ag ,02,1\n\n\"a, b\",\"\" , 7\r\"x\"junk,last\r\n")));
    EXPECT_EQ(f.text(), QStringLiteral("Al"));
    EXPECT_EQ(f.text(), QStringLiteral("01"));
    EXPECT_EQ(f.integer(), 2);
    EXPECT_EQ(f.text(), QStringLiteral("Ag"));
    EXPECT_EQ(f.text(), QStringLiteral("02"));
    EXPECT_EQ(f.integer(), 1);
    EXPECT_EQ(f.text(), QStringLiteral("a, b")); // comma inside quotes belongs to the value
    EXPECT_EQ(f.text(), QString());
    EXPECT_EQ(f.integer(), 7);
    EXPECT_EQ(f.text(), QStringLiteral("x")); // text after a closing quote is dropped
    EXPECT_EQ(f.text(), QStringLiteral("last"));
    EXPECT_TRUE(f.atEnd());
}

TEST_F(DataFileTest, DecodesNecRomanNumerals) {
    DataFile f = open(cp932(QStringLiteral("\"銅（Ⅰ）\",1,\"08\"\r\n\"鉄（Ⅲ）\",3,\"10\"\r\n")));
    EXPECT_EQ(f.text(), QStringLiteral("銅（Ⅰ）"));
    EXPECT_EQ(f.integer(1, 3), 1);
    EXPECT_EQ(f.text(), QStringLiteral("08"));
    EXPECT_EQ(f.text(), QStringLiteral("鉄（Ⅲ）"));
}

TEST_F(DataFileTest, LineReaderKeepsCommas) {
    DataFile f = open(cp932(QStringLiteral("2H2 + O2 → 2H2O, 水の生成\r\nnext\n")));
    EXPECT_EQ(f.line(), QStringLiteral("2H2 + O2 → 2H2O, 水の生成"));
    EXPECT_EQ(f.line(), QStringLiteral("next"));
    EXPECT_TRUE(f.atEnd());
}

struct FaultCase {
    const char* name;
    QByteArray bytes;
    int reads;         // fields read as text before the faulty read
    bool wantsInteger; // the faulty read asks for an integer
    int line;
    const char* problemPart;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class DataFileFaultTest : public DataFileTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DataFileFaultTest, NamesFileLineAndFault) {
    const FaultCase& c = GetParam();
    try {
        DataFile f = open(c.bytes);
        for (int i = 0; i < c.reads; ++i)
            f.text();
        if (c.wantsInteger)
            f.integer(1, 3);
        else
            f.text();
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), kPath);
        EXPECT_EQ(e.line(), c.line);
        EXPECT_TRUE(e.problem().contains(QString::fromUtf8(c.problemPart)))
            << e.problem().toStdString();
        // An empty quotation 「」 would tell the learner nothing.
        EXPECT_FALSE(e.problem().contains(QStringLiteral("「」"))) << e.problem().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("テスト/データ.dat")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DataFileFaultTest,
    ::testing::Values(
        FaultCase{"tooFewFields", QByteArray("a,b\r\n"), 2, false, 2, "欄が足りません"},
        FaultCase{"textWhereNumber", QByteArray("a\r\nx\r\n"), 1, true, 2, "整数が必要"},
        FaultCase{"numberOutOfRange", QByteArray("7\r\n"), 0, true, 1, "範囲"},
        FaultCase{"unclosedQuote", QByteArray("\"abc\r\ndef\"\r\n"), 0, false, 1, "引用符"},
        FaultCase{"emptyNumber", QByteArray("a,,3\r\n"), 1, true, 1, "空です"},
        FaultCase{"blankNumberAtLineEnd", QByteArray("a, \r\n3\r\n"), 1, true, 1, "空です"},
        // Cut in the middle of a line: the comma promised one more field.
        FaultCase{"cutAfterComma", QByteArray("a,b\r\nc,"), 3, false, 2, "途中で終わって"},
        FaultCase{"cutAfterCommaWhereNumber", QByteArray("a,1\r\nb,"), 3, true, 2,
                  "途中で終わって"},
        FaultCase{"cutAfterCommaAndBlanks", QByteArray("a,  "), 1, false, 1, "途中で終わって"},
        FaultCase{"cutInsideQuotes", QByteArray("a\r\n\"bc"), 1, false, 2, "途中で終わって"},
        FaultCase{"cutBeforeAField", QByteArray("a\r\n"), 1, true, 2, "途中で終わって"},
        // 0x87 is a CP932 lead byte; cut off at the end of the file it is no character.
        FaultCase{"leadByteCutAtEnd", QByteArray("ok\r\nab\x87"), 0, false, 2, "CP932"},
        FaultCase{"invalidBytes", QByteArray("\"\xFF\xFF\"\r\n"), 0, false, 1, "CP932"},
        // The line is that of the first bad bytes, whatever they decode to
        // and however the lines end.
        FaultCase{"unmappedPairBeforeInvalidByte", QByteArray("\xEC\xF5\xF5\xF5\x1C\n\xFF"), 0,
                  false, 1, "CP932"},
        FaultCase{"controlCharacterBeforeInvalidByte", QByteArray("\x1A\r\nok\r\n\xFF\r\n"), 0,
                  false, 3, "CP932"},
        FaultCase{"crLineEnds", QByteArray("a\rb\r\xFF\r"), 0, false, 3, "CP932"},
        FaultCase{"leadByteBeforeLineEnd", QByteArray("a\r\n\x81\r\nb\r\n"), 0, false, 2, "CP932"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFileTest, MissingFileIsReported) {
    try {
        DataFile f(dir.path(), QStringLiteral("\\無い\\ファイル.dat"));
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), QStringLiteral("\\無い\\ファイル.dat"));
        EXPECT_TRUE(e.problem().contains(QStringLiteral("見つかりません")));
    }
}

} // namespace
