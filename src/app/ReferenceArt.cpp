#include "ReferenceArt.h"

#include "util/Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QTextDocument>

#include <memory>

Art referencePicture(const QString& resource) {
    auto doc = std::make_shared<QTextDocument>();
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        doc->setHtml(QString::fromUtf8(file.readAll()));
    doc->setDefaultFont(uiFont(kGothic, 11));
    doc->setDocumentMargin(6);
    return [doc](QPainter& p, const QRectF& r) {
        p.save();
        p.fillRect(r, Qt::black);
        p.translate(r.topLeft());
        doc->setTextWidth(r.width());
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette.setColor(QPalette::Text, Qt::white);
        ctx.clip = QRectF(0, 0, r.width(), r.height());
        p.setClipRect(ctx.clip);
        doc->documentLayout()->draw(&p, ctx);
        p.restore();
    };
}
