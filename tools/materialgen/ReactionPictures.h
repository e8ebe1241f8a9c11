#pragma once

#include <QChar>
#include <QString>

class QPainter;

// The question pictures of 反応量, each drawn from (0, 0) at its material size.

// s(N): the equation, white on black, subscripts small and low (479 × 35).
void paintEquationPicture(QPainter& p, const QString& equation);
// h(N): the table for n substances with its row heads (542 × 259).
void paintTablePicture(QPainter& p, int n);
// b(N): a substance's name over its formula, inside its 物質 cell (113 × 43).
void paintSubstancePicture(QPainter& p, const QString& name, const QString& formula);
// The cell frames: letter w, y, b, g or r (111 × 71).
void paintFramePicture(QPainter& p, QChar letter);

// The row heads of the table, top to bottom.
QString tableRowHead(int row); // 0: 物質, 1..3: モル数（モル）, 体積（リットル）, 重さ（ｇ）
