#include "CalculatorPanel.h"

#include "Calculator.h"
#include "CalculatorArt.h"
#include "util/Fonts.h"
#include "util/widgets/Controls.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <array>

namespace calculator {

using util::kGothic;
using util::uiFont;
using widgets::groupName;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::placeControl;
using widgets::TextLabel;

namespace {
struct KeyPlace {
    QPoint at;            // inside Frame1
    const char16_t* name; // what the key shows, for screen readers
};

// By key index; some keys sit one pixel lower than their row.
const std::array<KeyPlace, Calculator::keyCount> keyPlaces = {{
    {{24, 235}, u"0"},  {{24, 195}, u"1"},  {{50, 195}, u"2"}, {{75, 195}, u"3"},
    {{24, 155}, u"4"},  {{50, 156}, u"5"},  {{75, 155}, u"6"}, {{24, 115}, u"7"},
    {{50, 116}, u"8"},  {{75, 116}, u"9"},  {{75, 235}, u"."}, {{24, 75}, u"AC"},
    {{50, 76}, u"CE"},  {{75, 76}, u"－"},  {{100, 76}, u"÷"}, {{100, 116}, u"×"},
    {{100, 155}, u"+"}, {{100, 195}, u"="}, {{50, 235}, u"M"}, {{100, 235}, u"MR"},
}};
const QSize keySize(23, 26);
} // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent, Calculator& calculator)
    : QWidget(parent), calculator_(calculator) {
    placeControl(this, QStringLiteral("Frame1"), QRect(572, 97, 147, 336), QStringLiteral("電卓"));

    auto* body = new ImageBox(this, QStringLiteral("Image1"), QRect(17, 9, 116, 275),
                              QStringLiteral("電卓"));
    body->setArt(paintCalculatorBody);
    display_ = new TextLabel(
        this, QStringLiteral("Label1"), QRect(28, 35, 92, 22),
        {uiFont(kGothic, 12.75), Qt::white, Qt::black, true, Qt::AlignRight | Qt::AlignVCenter},
        QStringLiteral("電卓の表示"));
    display_->setIndent(3); // keeps the last digit off the window's edge
    memoryMark_ = new ImageBox(this, QStringLiteral("Image3"), QRect(26, 13, 17, 17),
                               QStringLiteral("メモリーに数値あり"));
    memoryMark_->setArt(paintMemoryMark);

    for (int key = 0; key < Calculator::keyCount; ++key) {
        const KeyPlace& place = keyPlaces[static_cast<std::size_t>(key)];
        auto* button = new PictureButton(this, groupName(QStringLiteral("command6"), key),
                                         QRect(place.at, keySize), QString::fromUtf16(place.name));
        button->setFaceArt([key](QPainter& p, const QRectF& r) { paintCalculatorKey(p, r, key); });
        connect(button, &PictureButton::clicked, this, [this, key] { keyClicked(key); });
    }
    refresh();
}

void CalculatorPanel::refresh() {
    display_->setCaption(calculator_.displayText());
    memoryMark_->setVisible(calculator_.memoryMarkShown());
}

void CalculatorPanel::keyClicked(int key) {
    calculator_.pressKey(key);
    refresh();
}

} // namespace calculator
