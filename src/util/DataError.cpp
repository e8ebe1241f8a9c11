#include "DataError.h"

namespace util {

DataError::DataError(QString file, int line, QString problem)
    : std::runtime_error(
          QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(problem).toStdString()),
      file_(std::move(file)), line_(line), problem_(std::move(problem)) {}

QString DataError::message() const {
    if (file_.isEmpty())
        return QStringLiteral("この練習を始められません。\n%1\nメニューに戻ります。").arg(problem_);
    QString where = QStringLiteral("ファイル「%1」").arg(file_);
    if (line_ > 0)
        where += QStringLiteral("の %1 行目").arg(line_);
    return QStringLiteral("問題データに誤りがあるため、この練習を始められません。\n%1: "
                          "%2\nメニューに戻ります。")
        .arg(where, problem_);
}

} // namespace util
