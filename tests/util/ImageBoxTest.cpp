#include "util/widgets/ImageBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using widgets::ImageBox;

// A missing picture leaves the box empty and is reported once, naming the path.
TEST(ImageBoxTest, MissingPictureLeavesTheBoxEmptyAndWarnsOnce) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("無い.gif"));
    ImageBox box(nullptr, QStringLiteral("Image1"), QRect(0, 0, 20, 20));
    box.setArt([](QPainter&, const QRectF&) {});
    ASSERT_TRUE(box.hasPicture());

    testing::internal::CaptureStderr();
    box.loadPicture(missing);
    box.loadPicture(missing);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(box.hasPicture());
    const std::string path = missing.toStdString();
    const auto first = err.find(path);
    ASSERT_NE(first, std::string::npos) << err;
    EXPECT_EQ(err.find(path, first + 1), std::string::npos) << err;
}
