#pragma once

#include <QString>

#include <cstdint>

namespace util {

// One data file of the question material, decoded from CP932 and read as a
// stream of fields (comma or line-end separated, optionally double-quoted) or
// as whole lines. Every fault — a missing file, bytes that are not CP932, too
// few fields, text where a number is needed — is thrown as a DataError that
// names the file and the line, so no caller ever sees garbage.
class DataFile {
public:
    // basePath: the material root; relativePath: "\化学式\データ\元素.dat".
    DataFile(const QString& basePath, const QString& relativePath);
    // Reads already-decoded text; used where the bytes come from elsewhere.
    static DataFile fromText(const QString& relativePath, const QString& text);

    // The next field as text, quotes removed.
    QString text();
    // The next field as a whole number in [min, max].
    int integer(int min = INT16_MIN, int max = INT16_MAX);
    // The next field as a real number.
    double real();
    // The rest of the current line (the whole next line when at a line
    // start), without its line end, commas included.
    QString line();

    bool atEnd() const;
    // 1-based line of the reading position, for messages.
    int lineNumber() const { return line_; }
    // 1-based line where the last field read began.
    int fieldLineNumber() const { return fieldLine_; }
    const QString& path() const { return path_; }

    // Throws a DataError at the line of the last field with the given problem.
    [[noreturn]] void fail(const QString& problem) const;

private:
    DataFile(QString relativePath, QString text, bool);
    void skipBlanks();
    bool atLineEnd() const;
    void skipLineEnd();

    QString path_;
    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;      // line of the reading position
    int fieldLine_ = 1; // line where the last field began, for its messages
    bool afterComma_ = false;
};

} // namespace util
