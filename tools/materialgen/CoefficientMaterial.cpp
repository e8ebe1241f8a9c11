// \係数: the coefficient screen's four data files, equation pictures and box
// faces, from the readable problem table in material/coefficient/.
#include "CoefficientProblems.h"
#include "EquationPicture.h"
#include "Generators.h"
#include "MaterialWriter.h"
#include "coefficient/BoxFaceArt.h"
#include "coefficient/CoefficientData.h"
#include "coefficient/CoefficientGeometry.h"
#include "coefficient/CoefficientPaths.h"
#include "coefficient/DigitPadArt.h"
#include "util/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

using coefficient::CoefficientData;
using coefficient::digitBoxHeight;
using coefficient::digitBoxWidth;
using coefficient::FaceStyle;
using coefficient::faceStyleName;
using coefficient::paintBoxFace;
using util::kPMincho;
using util::uiFont;

namespace paths = coefficient::paths;

namespace {

// The 42 faces: empty plain and selected, and every digit in every style.
void writeBoxFaces(MaterialWriter& out) {
    const QSize size(digitBoxWidth, digitBoxHeight);
    auto face = [&](FaceStyle style, int d) {
        out.picture(paths::boxFace(faceStyleName(style), d), size,
                    [=](QPainter& p) { paintBoxFace(p, QRectF(QPointF(0, 0), size), style, d); });
    };
    face(FaceStyle::Plain, 0);
    face(FaceStyle::Selected, 0);
    for (FaceStyle style : {FaceStyle::Plain, FaceStyle::Selected, FaceStyle::Entered,
                            FaceStyle::Correct, FaceStyle::Wrong})
        for (int d = 1; d <= CoefficientData::maxCoefficient; ++d)
            face(style, d);
}

// A title must fit the heading label it is shown in.
QString titleFault(const QString& title) {
    const QFontMetrics metrics(uiFont(kPMincho, 14.25, true));
    const int room = coefficient::geometry::title.rect.width();
    const int width = metrics.horizontalAdvance(title);
    return width > room
               ? QStringLiteral("題名の幅 %1 px が欄の幅 %2 px を超えます").arg(width).arg(room)
               : QString();
}

QString sideFields(const QStringList& formulas) {
    QStringList fields;
    for (const QString& f : formulas)
        fields << screenFormula(f);
    fields << QStringLiteral("0");
    return fields.join(u',');
}

} // namespace

void generateCoefficientMaterial(MaterialWriter& out) {
    QStringList faults;
    const std::vector<SourceProblem> problems =
        readProblemSource(out.source(QStringLiteral("coefficient/problems.txt")), faults);
    for (const QString& f : problemSetFaults(problems, CoefficientData::problemCount))
        faults << QStringLiteral("係数 ") + f;

    std::vector<EquationLayout> layouts;
    for (const SourceProblem& p : problems) {
        QStringList why = problemFaults(p);
        if (const QString t = titleFault(p.title); !t.isEmpty())
            why << t;
        QString tooWide;
        layouts.push_back(layoutEquation(p.left, p.right, tooWide));
        if (!tooWide.isEmpty())
            why << tooWide;
        for (const QString& w : why)
            faults << QStringLiteral("係数 第 %1 問（%2）: %3").arg(p.number).arg(p.title, w);
    }
    for (const QString& f : faults)
        out.fail(f);
    if (!faults.isEmpty())
        return; // no data files from problems that could not be asked

    QString positions, titles, answers, substances;
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const SourceProblem& p = problems[i];
        const EquationLayout& layout = layouts[i];
        QStringList fields{QString::number(layout.boxes.size())};
        for (const QRect& box : layout.boxes)
            fields << QString::number(box.x()) << QString::number(box.y());
        positions += fields.join(u',') + u'\n';
        titles += p.title + u'\n';
        QStringList coefficients;
        for (int c : p.coefficients)
            coefficients << QString::number(c);
        answers += coefficients.join(u',') + u'\n';
        substances += sideFields(p.left) + u',' + sideFields(p.right) + u'\n';
        out.picture(paths::equationPicture(p.number), layout.size,
                    [&layout](QPainter& painter) { paintEquation(painter, layout); });
    }
    out.dataFile(paths::positions(), positions);
    out.dataFile(paths::titles(), titles);
    out.dataFile(paths::answers(), answers);
    out.dataFile(paths::substances(), substances);
    writeBoxFaces(out);
}
