#include "FuzzSupport.h"

#include "util/DataError.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzzsupport {

void finding(const char* rule, const QString& detail) {
    std::fprintf(stderr, "FINDING: %s\n  %s\n", rule, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

std::vector<QByteArray> splitFiles(const std::uint8_t* data, std::size_t size, std::size_t count) {
    const QByteArray all =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray separator(fileSeparator);
    std::vector<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() < count) {
        const qsizetype at = all.indexOf(separator, from);
        if (at < 0) {
            // Deep copies: the fuzzer's buffer is gone after the run.
            parts.emplace_back(all.constData() + from, all.size() - from);
            break;
        }
        parts.emplace_back(all.constData() + from, at - from);
        from = at + separator.size();
    }
    return parts;
}

namespace {
// In memory where the system offers it: rewriting a file on ext4 waits for
// the disk, which would make each run a hundred times slower.
QString scratchRoot() {
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}
} // namespace

ScratchMaterial& ScratchMaterial::instance() {
    static QTemporaryDir folder(scratchRoot() + QStringLiteral("/chemdrill-fuzz-XXXXXX"));
    if (!folder.isValid())
        finding("no scratch folder", folder.errorString());
    static ScratchMaterial material(folder.path());
    return material;
}

void ScratchMaterial::write(const QString& relativePath, const QByteArray& bytes) {
    const QString path = util::materialPath(basePath_, relativePath);
    QDir().mkpath(QFileInfo(path).path());
    // A new file rather than a truncated one, which ext4 flushes to disk on close.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        finding("cannot write the scratch material", path);
}

void ScratchMaterial::remove(const QString& relativePath) {
    QFile::remove(util::materialPath(basePath_, relativePath));
}

void ScratchMaterial::writeAll(const QStringList& relativePaths,
                               const std::vector<QByteArray>& parts) {
    for (qsizetype i = 0; i < relativePaths.size(); ++i) {
        if (static_cast<std::size_t>(i) < parts.size())
            write(relativePaths[i], parts[static_cast<std::size_t>(i)]);
        else
            remove(relativePaths[i]);
    }
}

void checkDataError(const QStringList& files, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const util::DataError& e) {
        // For looking at one input by hand: which error it ends in.
        static const bool show = qEnvironmentVariableIsSet("CHEMDRILL_FUZZ_SHOW_ERRORS");
        if (show)
            std::fprintf(stderr, "DataError: %s\n", e.message().toUtf8().constData());
        check(files.contains(e.file()), "a DataError names a file the loader does not read",
              e.file());
        check(!e.problem().isEmpty() && e.line() >= 0, "a DataError without a problem or line",
              e.message());
        // The learner reads the message: it names the file as shown.
        QString shown = e.file();
        shown.replace(u'\\', u'/');
        while (shown.startsWith(u'/'))
            shown.remove(0, 1);
        check(e.message().contains(shown), "the message does not name the file", e.message());
    } catch (const std::exception& e) {
        finding("a loader threw something other than a DataError", QString::fromUtf8(e.what()));
    } catch (...) {
        finding("a loader threw something that is not an exception", {});
    }
}

} // namespace fuzzsupport
