#include "util/MaterialPath.h"

#include <QDir>

#include <gtest/gtest.h>

using util::basePathFrom;
using util::materialPath;

TEST(MaterialPathTest, BasePathDropsOneTrailingSeparatorOnly) {
    EXPECT_EQ(basePathFrom(QStringLiteral("C:\\")), QStringLiteral("C:"));
    EXPECT_EQ(basePathFrom(QStringLiteral("C:\\a\\b")), QStringLiteral("C:\\a\\b"));
    EXPECT_EQ(basePathFrom(QStringLiteral("/")), QString());
    EXPECT_EQ(basePathFrom(QStringLiteral("/opt/chemdrill")), QStringLiteral("/opt/chemdrill"));
    EXPECT_EQ(basePathFrom(QStringLiteral("/opt/chemdrill/")), QStringLiteral("/opt/chemdrill"));
}

TEST(MaterialPathTest, JoinsBackslashPathsAsNativePaths) {
    EXPECT_EQ(materialPath(QStringLiteral("/opt/cd"), QStringLiteral("\\化学式\\データ\\元素.dat")),
              QDir::toNativeSeparators(QStringLiteral("/opt/cd/化学式/データ/元素.dat")));
    // The root folder gives an empty base path and still an absolute file path.
    EXPECT_EQ(
        materialPath(basePathFrom(QStringLiteral("/")), QStringLiteral("\\係数\\数字\\r1.gif")),
        QDir::toNativeSeparators(QStringLiteral("/係数/数字/r1.gif")));
}
