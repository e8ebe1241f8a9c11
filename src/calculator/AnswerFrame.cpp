#include "AnswerFrame.h"

namespace calculator {

QChar frameLetter(AnswerFrame frame) {
    switch (frame) {
    case AnswerFrame::Given:
        return u'y';
    case AnswerFrame::Chosen:
        return u'b';
    case AnswerFrame::Correct:
        return u'g';
    case AnswerFrame::Wrong:
        return u'r';
    case AnswerFrame::Open:
        break;
    }
    return u'w';
}

QString spokenState(AnswerFrame frame) {
    switch (frame) {
    case AnswerFrame::Given:
        return QStringLiteral("与えられた値");
    case AnswerFrame::Chosen:
        return QStringLiteral("選択中");
    case AnswerFrame::Correct:
        return QStringLiteral("正解");
    case AnswerFrame::Wrong:
        return QStringLiteral("誤り");
    case AnswerFrame::Open:
        break;
    }
    return QStringLiteral("空欄");
}

QString spokenContent(AnswerFrame frame, const QString& text) {
    return text.isEmpty() ? spokenState(frame) : text;
}

} // namespace calculator
