#include "ReactionArt.h"

#include "AtomicWeights.h"
#include "ReactionGeometry.h"
#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace reaction {

using util::kMincho;
using util::uiFont;

namespace geometry = reactionGeometry;

namespace {
const QColor stripInk(255, 255, 0);
const QColor stripRule(0, 160, 255);
} // namespace

QString atomicWeightsText() {
    QStringList parts;
    for (const AtomicWeight& a : atomicWeights)
        parts << QStringLiteral("%1=%2").arg(QLatin1String(a.symbol)).arg(a.weight);
    return QStringLiteral("原子量　") + parts.join(QStringLiteral("  "));
}

void paintAtomicWeights(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::black);
    p.setPen(QPen(stripRule, 2));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    p.setPen(stripInk);
    p.setFont(uiFont(kMincho, 14, true));
    p.drawText(r, Qt::AlignCenter, atomicWeightsText());
    p.restore();
}

QString headingText() {
    return QStringLiteral("第　問　次の物質について空欄の値を求めよ");
}

void paintQuestionHeading(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, Qt::black);
    const QFont font = uiFont(kMincho, 15.75, true);
    const QFontMetricsF fm(font);
    p.setFont(font);
    p.setPen(Qt::white);
    const qreal baseline = r.top() + (r.height() + fm.ascent() - fm.descent()) / 2;
    // 第 ends and 問 begins just outside the number's label.
    const QRectF number =
        QRectF(geometry::questionNumber).translated(-QPointF(geometry::heading.topLeft()));
    const QString dai = headingText().left(1);
    const QString rest = headingText().mid(2).trimmed();
    p.drawText(QPointF(r.left() + number.left() - 2 - fm.horizontalAdvance(dai), baseline), dai);
    p.drawText(QPointF(r.left() + number.right() + 3, baseline), rest);
    p.restore();
}

} // namespace reaction
