#include "MoleArt.h"

#include "MoleGeometry.h"
#include "chemistry/AtomicWeights.h"
#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace mole {

using util::kGothic;
using util::kMincho;
using util::uiFont;

namespace {

const QColor kSheet(0, 0, 72);
const QColor kOutline(140, 140, 170);
const QColor kLabelInk(255, 255, 160);

// Where the answer sheet's rows and units stand, in window coordinates.
struct SheetRow {
    int box;
    const char16_t* label;
    const char16_t* unit;
};
constexpr SheetRow sheetRows[] = {
    {1, u"A. モル数", u"モル"},
    {2, u"B. 分子数", u"個"},
    {4, u"C. 体積", u"L"},
    {5, u"D. 重さ", u"g"},
};

// Draws text from x on the baseline y and returns the x after it.
qreal drawRun(QPainter& p, qreal x, qreal y, const QString& text) {
    p.drawText(QPointF(x, y), text);
    return x + QFontMetricsF(p.font()).horizontalAdvance(text);
}

} // namespace

QColor frameColour(QChar colour) {
    switch (colour.unicode()) {
    case u'w':
        return QColor(255, 255, 255);
    case u'y':
        return QColor(255, 255, 0);
    case u'b':
        return QColor(0, 80, 255);
    case u'g':
        return QColor(0, 200, 0);
    case u'r':
        return QColor(255, 0, 0);
    default:
        return QColor(0, 0, 0);
    }
}

void paintWeightStrip(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, Qt::black);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(uiFont(kMincho, 14, true));
    const qreal baseline = r.top() + r.height() / 2 + QFontMetricsF(p.font()).ascent() / 2 - 1;
    p.setPen(kLabelInk);
    qreal x = drawRun(p, r.left() + 12, baseline, QStringLiteral("原子量")) + 18;
    p.setPen(Qt::white);
    // Gothic letters keep the l of Cl apart from a 1.
    p.setFont(uiFont(kGothic, 14, true));
    for (const chemistry::AtomicWeight& a : chemistry::atomicWeights) {
        // QString::number writes a point whatever the desktop's locale.
        const QString entry =
            QStringLiteral("%1=%2").arg(QLatin1String(a.symbol), QString::number(a.weight));
        x = drawRun(p, x, baseline, entry) + 16;
    }
    p.restore();
}

void paintAnswerSheet(QPainter& p, const QRectF& r) {
    using namespace moleGeometry;
    p.save();
    // Window coordinates from here on.
    p.translate(r.topLeft() - QPointF(answerSheet.rect.topLeft()));
    const QRect sheet = answerSheet.rect;
    p.fillRect(sheet, kSheet);
    p.setPen(QPen(kOutline, 1));
    p.drawRect(QRectF(sheet).adjusted(0.5, 0.5, -0.5, -0.5));

    const QFont labelFont = uiFont(kMincho, 15.75, true);
    const QFont unitFont = uiFont(kMincho, 14.25, true);
    for (const SheetRow& row : sheetRows) {
        const QRect box = frameRects[row.box];
        if (row.box != 1)
            p.fillRect(QRect(sheet.left() + 1, box.top() - 13, sheet.width() - 2, 1),
                       kOutline.darker(160));
        p.setFont(labelFont);
        p.setPen(kLabelInk);
        p.drawText(
            QRect(sheet.left() + 14, box.top(), box.left() - sheet.left() - 20, box.height()),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf16(row.label));
        p.setFont(unitFont);
        p.setPen(Qt::white);
        // The number of molecules is written m × 10^p, the unit after the power.
        const QRect after = row.box == 2 ? frameRects[3] : box;
        p.drawText(QRect(after.right() + 8, box.top(), 60, box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf16(row.unit));
    }
    // ×10 between the mantissa and the raised power.
    const QRect mantissa = frameRects[2];
    const QRect power = frameRects[3];
    p.setFont(uiFont(kMincho, 15.75, true));
    p.setPen(Qt::white);
    p.drawText(QRect(mantissa.right() + 1, mantissa.top(), power.left() - mantissa.right() - 2,
                     mantissa.height()),
               Qt::AlignCenter, QStringLiteral("×10"));

    // The box outlines, under the frames that the screen lays over them.
    p.setBrush(Qt::black);
    p.setPen(QPen(kOutline, 1));
    for (int b = 1; b <= 5; ++b)
        p.drawRect(QRectF(frameRects[b]).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void paintQuestionStrip(QPainter& p, const QRectF& r, const QString& name, const QString& formula) {
    using namespace moleGeometry;
    p.save();
    p.fillRect(r, Qt::black);
    // The number label stands in the gap between 第 and 問.
    const QRectF gap = QRectF(questionNumber.rect)
                           .translated(-questionStrip.rect.topLeft())
                           .translated(r.topLeft());
    QFont font = uiFont(kMincho, 15.75, true);
    QFont small = uiFont(kMincho, 10.5, true);
    p.setPen(Qt::white);
    p.setFont(font);
    const qreal baseline = gap.bottom() - 4;
    const QFontMetricsF fm(font);
    drawRun(p, gap.left() - fm.horizontalAdvance(QStringLiteral("第")) - 2, baseline,
            QStringLiteral("第"));
    qreal x = drawRun(p, gap.right() + 3, baseline, QStringLiteral("問")) + 10;

    // The rest shrinks a little if a long name would not fit.
    const QString tail = QStringLiteral("について空欄の値を求めよ");
    for (qreal size = 15.75; size > 9; size -= 0.75) {
        font.setPointSizeF(size);
        small.setPointSizeF(size * 0.68);
        const QFontMetricsF big(font);
        const QFontMetricsF sub(small);
        qreal width = big.horizontalAdvance(name + QStringLiteral("()") + tail);
        for (QChar c : formula)
            width += c.isDigit() ? sub.horizontalAdvance(c) : big.horizontalAdvance(c);
        if (x + width <= r.right() - 6)
            break;
    }
    p.setFont(font);
    x = drawRun(p, x, baseline, name + QStringLiteral("("));
    for (QChar c : formula) {
        if (c.isDigit()) {
            p.setFont(small);
            x = drawRun(p, x, baseline + 3, QString(c));
            p.setFont(font);
        } else {
            x = drawRun(p, x, baseline, QString(c));
        }
    }
    x = drawRun(p, x, baseline, QStringLiteral(")"));
    drawRun(p, x, baseline, tail);
    p.restore();
}

void paintBoxFrame(QPainter& p, const QRectF& r, QChar colour, bool small) {
    p.save();
    const qreal border = small ? 2 : 3;
    p.fillRect(r, frameColour(colour));
    p.fillRect(r.adjusted(border, border, -border, -border), Qt::black);
    p.restore();
}

} // namespace mole
