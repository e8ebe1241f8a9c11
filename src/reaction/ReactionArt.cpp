#include "ReactionArt.h"

#include "ReactionGeometry.h"
#include "chemistry/AtomicWeights.h"
#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

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
    for (const chemistry::AtomicWeight& a : chemistry::atomicWeights)
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
    const QFont font = uiFont(kMincho, 14, true);
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

ArtFunction drawnOnce(const QString& key, ArtFunction art) {
    return [key, art = std::move(art)](QPainter& p, const QRectF& r) {
        static QHash<QString, QPixmap> made;
        const qreal scale = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        const QSize pixels = (r.size() * scale).toSize();
        const QString id =
            QStringLiteral("%1 %2x%3").arg(key).arg(pixels.width()).arg(pixels.height());
        auto found = made.constFind(id);
        if (found == made.constEnd()) {
            QPixmap pixmap(pixels);
            pixmap.setDevicePixelRatio(scale);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHints(p.renderHints());
            art(painter, QRectF(QPointF(0, 0), r.size()));
            painter.end();
            found = made.insert(id, pixmap);
        }
        p.drawPixmap(r.topLeft(), *found);
    };
}

} // namespace reaction
