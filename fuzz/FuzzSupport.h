#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

// What the fuzz targets share: reporting a broken rule as a finding, cutting
// the fuzzer's bytes into several data files, one scratch material folder per
// process, and running a loader that may only fail with a DataError.
namespace fuzzsupport {

// Ends the run as a crash, so libFuzzer keeps the input that broke the rule.
[[noreturn]] void finding(const char* rule, const QString& detail);

inline void check(bool holds, const char* rule, const QString& detail = {}) {
    if (!holds)
        finding(rule, detail);
}

// Between two data files in one input: a line of its own that no data file
// of the material holds. Fewer parts than files leave the last files missing.
inline constexpr char fileSeparator[] = "@@@\n";

std::vector<QByteArray> splitFiles(const std::uint8_t* data, std::size_t size, std::size_t count);

// A material folder laid out like the one beside the executable, in a
// temporary folder made once per process; files are rewritten in place.
class ScratchMaterial {
public:
    static ScratchMaterial& instance();

    const QString& basePath() const { return basePath_; }
    // relativePath as the program writes it: "\モル\分子量.dat".
    void write(const QString& relativePath, const QByteArray& bytes);
    void remove(const QString& relativePath);
    // Writes the files in order; a file with no part is removed, so the
    // loader meets it missing.
    void writeAll(const QStringList& relativePaths, const std::vector<QByteArray>& parts);

private:
    explicit ScratchMaterial(QString basePath) : basePath_(std::move(basePath)) {}
    QString basePath_;
};

// The exception a loader ended with: a DataError that names one of the
// files and carries a message is a fine outcome, anything else a finding.
void checkDataError(const QStringList& files, const std::exception_ptr& error);

template <class Load> void loadExpectingOnlyDataErrors(const QStringList& files, Load load) {
    try {
        load();
    } catch (...) {
        checkDataError(files, std::current_exception());
    }
}

} // namespace fuzzsupport
