#include "AnswerTableArt.h"

#include "FormulaGeometry.h"
#include "util/Fonts.h"

#include <QPainter>

namespace formula {

using util::kMincho;
using util::kPMincho;
using util::uiFont;

namespace {
using namespace formulaGeometry;

// Rules in window coordinates, each one pixel wide: x of the vertical rules,
// y of the horizontal ones. They run in the pixel columns and rows that no
// label, rectangle or cell of a row covers, except where the row rectangles
// meet (rectangles of neighbouring rows touch; their fill hides the rule).
constexpr int verticalRules[] = {21, 48, 210, 377, 403, 565, 731};
constexpr int horizontalRules[] = {117, 143, 199, 255, 311, 367, 423};

void drawHeader(QPainter& p, int column, int right, const QString& text) {
    const QRect header(column + 1, answerHeader.top() + 1, right - column - 1,
                       answerHeader.height() - 2);
    p.drawText(header, Qt::AlignCenter, text);
}
} // namespace

void paintAnswerTable(QPainter& p, const QRectF& r) {
    p.save();
    // Window coordinates from here on.
    p.translate(r.topLeft() - QPointF(answerTable.topLeft()));
    p.fillRect(answerTable, Qt::black);

    const QColor rule(255, 255, 255);
    for (int x : verticalRules)
        p.fillRect(QRect(x, answerTable.top(), 1, answerTable.height()), rule);
    for (int y : horizontalRules)
        p.fillRect(QRect(answerTable.left(), y, answerTable.width(), 1), rule);

    p.setPen(Qt::white);
    p.setFont(uiFont(kPMincho, 12, true));
    for (int block = 0; block < 2; ++block) {
        const int* x = verticalRules + 3 * block;
        drawHeader(p, x[0], x[1], QStringLiteral("問"));
        drawHeader(p, x[1], x[2], QStringLiteral("化合物"));
        drawHeader(p, x[2], x[3], QStringLiteral("化学式"));
    }

    p.setFont(uiFont(kMincho, 14, true));
    for (int row = 1; row <= rowCount; ++row)
        p.drawText(numberColumn(row), Qt::AlignCenter, QString(QChar(0x2460 + row - 1))); // ①…⑩
    p.restore();
}

} // namespace formula
