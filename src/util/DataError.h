#pragma once

#include <QString>

#include <stdexcept>

namespace util {

// A data file of the question material that cannot be used: missing,
// unreadable, too short or malformed. Loaders throw it; the screen switcher
// catches it, tells the learner in Japanese and goes back to the menu.
class DataError : public std::runtime_error {
public:
    // file: the path under the material folder, as "\化学式\データ\元素.dat".
    // line: 1-based line of the fault, 0 when it concerns the whole file.
    DataError(QString file, int line, QString problem);

    const QString& file() const { return file_; }
    int line() const { return line_; }
    const QString& problem() const { return problem_; }

    // The whole message for the learner's dialog, naming file, line and
    // fault. The file is shown relative to the material folder with slashes
    // ("化学式/データ/元素.dat").
    QString message() const;

private:
    QString file_;
    int line_;
    QString problem_;
};

// A material path as messages show it: "\化学式\データ\元素.dat" as
// "化学式/データ/元素.dat".
QString shownPath(const QString& file);

} // namespace util
