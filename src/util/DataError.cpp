#include "DataError.h"

namespace util {

// The program writes material paths with backslashes, which Japanese fonts
// draw as ¥ and others as \, so the dialog would mix both; a slash looks the
// same in every font.
QString shownPath(const QString& file) {
    QString shown = file;
    shown.replace(u'\\', u'/');
    while (shown.startsWith(u'/'))
        shown.remove(0, 1);
    return shown;
}

DataError::DataError(QString file, int line, QString problem)
    : std::runtime_error(
          QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(problem).toStdString()),
      file_(std::move(file)), line_(line), problem_(std::move(problem)) {}

QString DataError::message() const {
    if (file_.isEmpty())
        return QStringLiteral("この練習を始められません。\n%1\nメニューに戻ります。").arg(problem_);
    QString where = QStringLiteral("ファイル「%1」").arg(shownPath(file_));
    if (line_ > 0)
        where += QStringLiteral("の %1 行目").arg(line_);
    return QStringLiteral("問題データに誤りがあるため、この練習を始められません。\n%1: "
                          "%2\nメニューに戻ります。")
        .arg(where, problem_);
}

} // namespace util
