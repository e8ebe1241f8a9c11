#include "app/ReferenceArt.h"

#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <ostream>
#include <vector>

namespace {

struct Page {
    const char* name;
    const char* resource;
    QSize box;
};

void PrintTo(const Page& page, std::ostream* os) { *os << page.name; }

const Page kPages[] = {
    {"ionTable", ":/assets/reference/ion-table.html", {686, 397}},
    {"formulaHowTo", ":/assets/reference/formula-howto.html", {570, 417}},
    {"coefficientHowTo", ":/assets/reference/coefficient-howto.html", {634, 385}},
    {"moleHowTo", ":/assets/reference/mole-howto.html", {515, 376}},
    {"reactionHowTo", ":/assets/reference/reaction-howto.html", {552, 394}},
};

// Text with its subscripts and superscripts spelt out, as "SO_{4}^{2−}",
// so a formula set in the wrong places reads differently.
// Zero-width spaces only steady the line height and are left out.
QString notation(const QTextFragment& fragment) {
    QString text = fragment.text();
    text.remove(QChar(0x200B));
    if (text.isEmpty())
        return text;
    switch (fragment.charFormat().verticalAlignment()) {
    case QTextCharFormat::AlignSubScript:
        return QStringLiteral("_{") + text + QStringLiteral("}");
    case QTextCharFormat::AlignSuperScript:
        return QStringLiteral("^{") + text + QStringLiteral("}");
    default:
        return text;
    }
}

QString notation(const QTextTableCell& cell) {
    QString text;
    for (auto block = cell.begin(); !block.atEnd(); ++block)
        for (auto it = block.currentBlock().begin(); !it.atEnd(); ++it)
            text += notation(it.fragment());
    return text.trimmed();
}

void collectTables(QTextFrame* frame, std::vector<QTextTable*>& tables) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables.push_back(table);
        collectTables(child, tables);
    }
}

class ReferencePageTest : public ::testing::TestWithParam<Page> {};

TEST_P(ReferencePageTest, FitsItsBoxAtItsWidth) {
    const Page& page = GetParam();
    const auto doc = referenceDocument(QString::fromLatin1(page.resource), page.box.width());
    ASSERT_FALSE(doc->isEmpty());
    EXPECT_LE(doc->size().width(), page.box.width());
    EXPECT_LE(doc->size().height(), page.box.height());
}

TEST_P(ReferencePageTest, PaintsTheWholeBoxWithWritingOnIt) {
    const Page& page = GetParam();
    const QColor unpainted(1, 2, 3);
    QImage image(page.box, QImage::Format_RGB32);
    image.fill(unpainted);
    {
        QPainter p(&image);
        referencePicture(QString::fromLatin1(page.resource))(p, QRectF(QPointF(), page.box));
    }
    int untouched = 0;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            untouched += c == unpainted.rgb();
            ink += qGray(c) > 128;
        }
    EXPECT_EQ(untouched, 0);
    EXPECT_GT(ink, image.width() * image.height() / 50);
}

INSTANTIATE_TEST_SUITE_P(Pages, ReferencePageTest, ::testing::ValuesIn(kPages));

struct Ion {
    const char* name;
    const char* formula;
};

const Ion kCations[] = {
    {"水素イオン", "H^{+}"},          {"リチウムイオン", "Li^{+}"},
    {"ナトリウムイオン", "Na^{+}"},   {"カリウムイオン", "K^{+}"},
    {"銀イオン", "Ag^{+}"},           {"アンモニウムイオン", "NH_{4}^{+}"},
    {"マグネシウムイオン", "Mg^{2+}"}, {"カルシウムイオン", "Ca^{2+}"},
    {"バリウムイオン", "Ba^{2+}"},    {"アルミニウムイオン", "Al^{3+}"},
    {"銅（Ⅰ）イオン", "Cu^{+}"},      {"銅（Ⅱ）イオン", "Cu^{2+}"},
    {"鉄（Ⅱ）イオン", "Fe^{2+}"},     {"鉄（Ⅲ）イオン", "Fe^{3+}"},
    {"亜鉛イオン", "Zn^{2+}"},
};

const Ion kAnions[] = {
    {"水酸化物イオン", "OH^{−}"},        {"塩化物イオン", "Cl^{−}"},
    {"臭化物イオン", "Br^{−}"},          {"ヨウ化物イオン", "I^{−}"},
    {"フッ化物イオン", "F^{−}"},         {"硝酸イオン", "NO_{3}^{−}"},
    {"酢酸イオン", "CH_{3}COO^{−}"},     {"硫化物イオン", "S^{2−}"},
    {"硫酸イオン", "SO_{4}^{2−}"},       {"酸化物イオン", "O^{2−}"},
    {"炭酸イオン", "CO_{3}^{2−}"},       {"リン酸イオン", "PO_{4}^{3−}"},
    {"炭酸水素イオン", "HCO_{3}^{−}"},   {"硫酸水素イオン", "HSO_{4}^{−}"},
    {"亜硫酸イオン", "SO_{3}^{2−}"},
};

struct Column {
    const char* name;
    const char* heading;
    const Ion* ions;
    bool pink; // else green
};

void PrintTo(const Column& column, std::ostream* os) { *os << column.name; }

class IonColumnTest : public ::testing::TestWithParam<Column> {};

// Every ion of the formula screen, in its order, with its name, its formula
// and charge set as sub- and superscripts, on a row of the column's colour.
TEST_P(IonColumnTest, ListsItsFifteenIonsInOrder) {
    const Column& column = GetParam();
    const auto doc = referenceDocument(QStringLiteral(":/assets/reference/ion-table.html"), 686);
    std::vector<QTextTable*> tables;
    collectTables(doc->rootFrame(), tables);
    QTextTable* table = nullptr;
    int first = 0;
    for (QTextTable* t : tables)
        for (int c = 0; c < t->columns(); ++c)
            if (notation(t->cellAt(0, c)) == QString::fromUtf8(column.heading)) {
                table = t;
                first = t->cellAt(0, c).column();
            }
    ASSERT_NE(table, nullptr) << "no column headed " << column.heading;
    ASSERT_EQ(table->rows(), 16);
    for (int i = 0; i < 15; ++i) {
        const Ion& ion = column.ions[i];
        SCOPED_TRACE(ion.name);
        EXPECT_EQ(notation(table->cellAt(i + 1, first)).toStdString(), ion.name);
        EXPECT_EQ(notation(table->cellAt(i + 1, first + 1)).toStdString(), ion.formula);
        for (int c = first; c < first + 2; ++c) {
            const QColor bg = table->cellAt(i + 1, c).format().background().color();
            if (column.pink)
                EXPECT_GT(bg.red(), bg.green() + 20) << "column " << c;
            else
                EXPECT_GT(bg.green(), bg.red() + 20) << "column " << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, IonColumnTest,
                         ::testing::Values(Column{"cations", "陽イオン", kCations, true},
                                           Column{"anions", "陰イオン", kAnions, false}));

} // namespace
