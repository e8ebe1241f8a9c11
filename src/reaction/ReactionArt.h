#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace reaction {

// The reaction screen's own pictures, drawn at the window's scale.

// Image2: the atomic weights the questions use, from the strip's table.
QString atomicWeightsText(); // "原子量  H=1  C=12 … Cl=35.5"
void paintAtomicWeights(QPainter& p, const QRectF& r);

// Image5: "第　問　次の物質について空欄の値を求めよ", with the gap between 第
// and 問 where the question number (Label3) lies.
QString headingText();
void paintQuestionHeading(QPainter& p, const QRectF& r);

// The same drawing, made once per size and scale for the whole run and then
// only copied: text drawn live costs milliseconds at every visit.
using ArtFunction = std::function<void(QPainter&, const QRectF&)>;
ArtFunction drawnOnce(const QString& key, ArtFunction art);

} // namespace reaction
