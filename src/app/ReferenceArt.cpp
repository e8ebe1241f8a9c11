#include "ReferenceArt.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

namespace app {

using widgets::Art;

namespace {
// The pages are written for a proportional gothic face at this size; the
// IPA face is the one Debian has, the others stand in elsewhere.
constexpr int kPagePixelSize = 14;
constexpr qreal kPageMargin = 6;

QFont pageFont() {
    QFont f;
    f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("ＭＳ Ｐゴシック"),
                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    f.setPixelSize(kPagePixelSize);
    // Unhinted advances keep line breaks the same at 100 % and at 200 %.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}
} // namespace

std::unique_ptr<QTextDocument> referenceDocument(const QString& resource, qreal width) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(pageFont());
    doc->setDocumentMargin(kPageMargin);
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        doc->setHtml(QString::fromUtf8(file.readAll()));
    doc->setTextWidth(width);
    return doc;
}

Art referencePicture(const QString& resource) {
    std::shared_ptr<QTextDocument> doc;
    return [resource, doc](QPainter& p, const QRectF& r) mutable {
        if (!doc)
            doc = referenceDocument(resource, r.width());
        const QSizeF size = doc->size();
        const qreal scale =
            std::min({qreal(1), r.width() / size.width(), r.height() / size.height()});
        p.save();
        p.fillRect(r, Qt::black);
        p.setClipRect(r);
        p.translate(r.left() + (r.width() - size.width() * scale) / 2,
                    r.top() + (r.height() - size.height() * scale) / 2);
        p.scale(scale, scale);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette.setColor(QPalette::Text, Qt::white);
        doc->documentLayout()->draw(&p, ctx);
        p.restore();
    };
}

} // namespace app
