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
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::placeControl;
using widgets::TextLabel;

namespace {
using widgets::Place;

constexpr Place frame{.name = "Frame1", .rect = {572, 97, 147, 336}};
// Inside Frame1 from here on.
constexpr Place body{.name = "Image1", .rect = {17, 9, 116, 275}};
constexpr Place display{.name = "Label1", .rect = {28, 35, 92, 22}};
constexpr Place memoryMark{.name = "Image3", .rect = {26, 13, 17, 17}};

struct Key {
    Place place;
    const char16_t* face; // what the key shows, for screen readers
};

// command6_0 … command6_19 by key index; some keys sit one pixel lower than their row.
constexpr std::array<Key, Calculator::keyCount> keys = {{
    {{.name = "command6", .rect = {24, 235, 23, 26}, .index = 0}, u"0"},
    {{.name = "command6", .rect = {24, 195, 23, 26}, .index = 1}, u"1"},
    {{.name = "command6", .rect = {50, 195, 23, 26}, .index = 2}, u"2"},
    {{.name = "command6", .rect = {75, 195, 23, 26}, .index = 3}, u"3"},
    {{.name = "command6", .rect = {24, 155, 23, 26}, .index = 4}, u"4"},
    {{.name = "command6", .rect = {50, 156, 23, 26}, .index = 5}, u"5"},
    {{.name = "command6", .rect = {75, 155, 23, 26}, .index = 6}, u"6"},
    {{.name = "command6", .rect = {24, 115, 23, 26}, .index = 7}, u"7"},
    {{.name = "command6", .rect = {50, 116, 23, 26}, .index = 8}, u"8"},
    {{.name = "command6", .rect = {75, 116, 23, 26}, .index = 9}, u"9"},
    {{.name = "command6", .rect = {75, 235, 23, 26}, .index = 10}, u"."},
    {{.name = "command6", .rect = {24, 75, 23, 26}, .index = 11}, u"AC"},
    {{.name = "command6", .rect = {50, 76, 23, 26}, .index = 12}, u"CE"},
    {{.name = "command6", .rect = {75, 76, 23, 26}, .index = 13}, u"－"},
    {{.name = "command6", .rect = {100, 76, 23, 26}, .index = 14}, u"÷"},
    {{.name = "command6", .rect = {100, 116, 23, 26}, .index = 15}, u"×"},
    {{.name = "command6", .rect = {100, 155, 23, 26}, .index = 16}, u"+"},
    {{.name = "command6", .rect = {100, 195, 23, 26}, .index = 17}, u"="},
    {{.name = "command6", .rect = {50, 235, 23, 26}, .index = 18}, u"M"},
    {{.name = "command6", .rect = {100, 235, 23, 26}, .index = 19}, u"MR"},
}};
} // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent, Calculator& calculator)
    : QWidget(parent), calculator_(calculator) {
    placeControl(this, frame.objectName(), frame.rect, QStringLiteral("電卓"));

    auto* bodyBox = new ImageBox(this, body, QStringLiteral("電卓"));
    bodyBox->setArt(paintCalculatorBody);
    display_ = new TextLabel(
        this, display,
        {uiFont(kGothic, 12.75), Qt::white, Qt::black, true, Qt::AlignRight | Qt::AlignVCenter},
        QStringLiteral("電卓の表示"));
    display_->setIndent(3); // keeps the last digit off the window's edge
    memoryMark_ = new ImageBox(this, memoryMark, QStringLiteral("メモリーに数値あり"));
    memoryMark_->setArt(paintMemoryMark);

    for (int key = 0; key < Calculator::keyCount; ++key) {
        const Key& k = keys[static_cast<std::size_t>(key)];
        auto* button = new PictureButton(this, k.place, QString::fromUtf16(k.face));
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
