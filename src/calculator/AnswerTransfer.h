#pragma once

#include "practice/Outcome.h"

#include <QString>

namespace calculator {

// What a transfer writes into an answer box.
struct TransferResult {
    QString text; // the answer text (one decimal, or the whole number of an exponent box)
    bool tooLong; // longer than the box admits: nothing is written, the caller shows
                  // "解答の桁数が大きすぎます" and resets the calculator
};

// Turns the calculator's entry into the text of an answer box, the same way on
// every screen that carries the calculator.
//
// A decimal entry is cut after its second decimal and rounded half up to one
// decimal (0.549 → 0.54 → 0.5; 12.35 → 12.4); a whole entry gets ".0". The
// result always has exactly one decimal, with a zero before the point below 1
// ("0.5", "-0.5", "0.0", "12.0"). An entry in exponent form is taken by its
// value ("1.2346E-05" → "0.0"), never by cutting its text.
//
// entry: the calculator's entryText(); wholeNumberBox: the exponent box (box 3
// of the mole screen), which takes an entry without a point as it stands;
// maxLength: the characters the box admits.
TransferResult transferAnswer(const QString& entry, bool wholeNumberBox, int maxLength);

// What an exercise's rules answer to 解答転送: the usual outcome, and whether
// the screen resets its calculator (after every transfer that reached a box,
// written or refused as too long).
struct TransferOutcome {
    practice::Outcome outcome;
    bool resetCalculator = false;
};

} // namespace calculator
