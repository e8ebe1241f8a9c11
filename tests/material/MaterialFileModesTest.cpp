// Everything the generator writes must be readable by every user: the
// program may run under another account than the one that built it, and an
// unreadable picture shows as an empty cell without any message.
#include "Generators.h"
#include "MaterialWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const char* const materialFolders[] = {"化学式", "係数", "モル", "反応量"};

mode_t modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

// Every file and folder below the material folders of root, the folders
// themselves included.
QStringList materialEntries(const QString& root) {
    QStringList entries;
    for (const char* folder : materialFolders) {
        const QString top = root + u'/' + QString::fromUtf8(folder);
        if (!QFileInfo(top).isDir())
            continue;
        entries << top;
        QDirIterator it(top, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << it.next();
    }
    return entries;
}

// Readable by group and others; folders also searchable.
void expectOpenToAll(const QStringList& entries) {
    for (const QString& path : entries) {
        const mode_t mode = modeOf(path);
        const mode_t wanted = QFileInfo(path).isDir() ? 0055 : 0044;
        EXPECT_EQ(mode & wanted, wanted) << path.toStdString() << " has mode " << std::oct << mode;
    }
}

TEST(MaterialFileModesTest, BuiltMaterialIsReadableByAll) {
    const QStringList entries = materialEntries(QStringLiteral(CHEMDRILL_BUILD_DIR));
    ASSERT_TRUE(entries.contains(QStringLiteral(CHEMDRILL_BUILD_DIR "/化学式/元素/gen(1).gif")));
    ASSERT_TRUE(entries.contains(QStringLiteral(CHEMDRILL_BUILD_DIR "/化学式/データ/元素.dat")));
    expectOpenToAll(entries);
}

// Sets a umask for the life of the object.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t old_;
};

// A user whose umask keeps new files private still writes material that
// others can read, and a file left private by an earlier run is opened up.
TEST(MaterialFileModesTest, GeneratorOpensItsFilesToAllWhateverTheUmask) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString leftOver = out.path() + QStringLiteral("/化学式/元素/gen(1).gif");
    ASSERT_TRUE(QDir().mkpath(out.path() + QStringLiteral("/化学式/元素")));
    {
        QFile old(leftOver);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_TRUE(QFile::setPermissions(leftOver, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    {
        const Umask privateFiles(077);
        MaterialWriter writer(QStringLiteral(CHEMDRILL_SOURCE_DIR "/material"), out.path());
        generateFormulaMaterial(writer);
        generateCoefficientMaterial(writer);
        EXPECT_TRUE(writer.errors().isEmpty()) << writer.errors().join(u'\n').toStdString();
    }

    const QStringList entries = materialEntries(out.path());
    ASSERT_GT(entries.size(), 60);
    for (const QString& path : entries) {
        const mode_t wanted = QFileInfo(path).isDir() ? 0755 : 0644;
        EXPECT_EQ(modeOf(path), wanted)
            << path.toStdString() << " has mode " << std::oct << modeOf(path);
    }
    // The file was written again, not only given a new mode.
    EXPECT_FALSE(QImage(leftOver).isNull());
}

} // namespace
