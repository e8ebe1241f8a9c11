#include "app/ReferenceArt.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

using app::referenceDocument;
using app::referencePicture;

namespace {

struct Page {
    const char* name;
    const char* resource;
    QSize box;
};

void PrintTo(const Page& page, std::ostream* os) {
    *os << page.name;
}

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

// A page longer than its box is drawn smaller, down to its last line.
TEST(ReferencePictureTest, ShrinksAPageTooTallForItsBox) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tall.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 30; ++i)
        file.write("<p>line</p>");
    file.write("<p style='background-color:#ffff00'>last</p>");
    file.close();

    QImage image(200, 150, QImage::Format_RGB32);
    {
        QPainter p(&image);
        referencePicture(path)(p, QRectF(0, 0, 200, 150));
    }
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 100 && c.green() > 100 && c.blue() < 60;
        }
    EXPECT_GT(yellow, 0);
}

// The explanation pictures write in white and yellow only.
TEST(ExplanationPagesTest, WriteInWhiteAndYellow) {
    const QColor white(Qt::white);
    const QColor yellow(255, 255, 0);
    for (const Page& page : kPages) {
        if (QByteArray(page.name) == "ionTable")
            continue;
        const auto doc = referenceDocument(QString::fromLatin1(page.resource), page.box.width());
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.text().trimmed().isEmpty())
                    continue;
                const QBrush brush = f.charFormat().foreground();
                const QColor c = brush.style() == Qt::NoBrush ? white : brush.color();
                EXPECT_TRUE(c == white || c == yellow)
                    << page.name << ": \"" << f.text().toStdString() << "\" in "
                    << c.name().toStdString();
            }
    }
}

// Atoms of one element, counted over a formula written as "Al_{2}(SO_{4})_{3}".
using AtomCounts = std::map<std::string, int>;

int subscriptAt(const QString& s, int& i) {
    if (!s.mid(i).startsWith(QStringLiteral("_{")))
        return 1;
    const int close = s.indexOf(QLatin1Char('}'), i);
    const int n = s.mid(i + 2, close - i - 2).toInt();
    i = close + 1;
    return n;
}

AtomCounts atomsOf(const QString& s, int& i) {
    AtomCounts counts;
    while (i < s.size() && s[i] != QLatin1Char(')')) {
        AtomCounts part;
        if (s[i] == QLatin1Char('(')) {
            ++i;
            part = atomsOf(s, i);
            ++i; // ')'
        } else if (s[i].isUpper()) {
            QString symbol(s[i++]);
            while (i < s.size() && s[i].isLower())
                symbol += s[i++];
            part[symbol.toStdString()] = 1;
        } else {
            ADD_FAILURE() << "unexpected '" << QString(s[i]).toStdString() << "' in "
                          << s.toStdString();
            return counts;
        }
        const int n = subscriptAt(s, i);
        for (const auto& [symbol, count] : part)
            counts[symbol] += count * n;
    }
    return counts;
}

struct Side {
    AtomCounts atoms;
    std::vector<int> coefficients;
};

Side sideOf(const QString& text) {
    Side side;
    for (QString term : text.split(QLatin1Char('+'))) {
        term = term.trimmed();
        int i = 0;
        while (i < term.size() && term[i].isDigit())
            ++i;
        const int coefficient = i == 0 ? 1 : term.left(i).toInt();
        side.coefficients.push_back(coefficient);
        for (const auto& [symbol, count] : atomsOf(term, i))
            side.atoms[symbol] += coefficient * count;
    }
    return side;
}

// The pages mark each worked equation as <span title="反応式">…</span>.
QStringList markedEquations(const QTextDocument& doc) {
    const QString mark = QStringLiteral("反応式");
    QStringList equations;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        bool inside = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const bool marked = it.fragment().charFormat().toolTip() == mark;
            if (marked && !inside)
                equations << QString();
            inside = marked;
            if (inside)
                equations.last() += notation(it.fragment());
        }
    }
    return equations;
}

struct EquationPage {
    const char* name;
    const char* resource;
    int equations;
};

void PrintTo(const EquationPage& page, std::ostream* os) {
    *os << page.name;
}

class EquationTest : public ::testing::TestWithParam<EquationPage> {};

// Every worked equation balances, with the smallest whole coefficients.
TEST_P(EquationTest, WorkedEquationsBalance) {
    const auto doc = referenceDocument(QString::fromLatin1(GetParam().resource), 600);
    const QStringList equations = markedEquations(*doc);
    EXPECT_EQ(equations.size(), GetParam().equations);
    for (const QString& equation : equations) {
        SCOPED_TRACE(equation.toStdString());
        const QStringList sides = equation.split(QStringLiteral("→"));
        ASSERT_EQ(sides.size(), 2);
        const Side left = sideOf(sides[0]);
        const Side right = sideOf(sides[1]);
        EXPECT_EQ(left.atoms, right.atoms);
        int divisor = 0;
        for (const Side* side : {&left, &right})
            for (int c : side->coefficients)
                divisor = std::gcd(divisor, c);
        EXPECT_EQ(divisor, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, EquationTest,
    ::testing::Values(EquationPage{"coefficientHowTo", ":/assets/reference/coefficient-howto.html",
                                   2},
                      EquationPage{"reactionHowTo", ":/assets/reference/reaction-howto.html", 1}));

struct Ion {
    const char* name;
    const char* formula;
};

const Ion kCations[] = {
    {"水素イオン", "H^{+}"},
    {"リチウムイオン", "Li^{+}"},
    {"ナトリウムイオン", "Na^{+}"},
    {"カリウムイオン", "K^{+}"},
    {"銀イオン", "Ag^{+}"},
    {"アンモニウムイオン", "NH_{4}^{+}"},
    {"マグネシウムイオン", "Mg^{2+}"},
    {"カルシウムイオン", "Ca^{2+}"},
    {"バリウムイオン", "Ba^{2+}"},
    {"アルミニウムイオン", "Al^{3+}"},
    {"銅（Ⅰ）イオン", "Cu^{+}"},
    {"銅（Ⅱ）イオン", "Cu^{2+}"},
    {"鉄（Ⅱ）イオン", "Fe^{2+}"},
    {"鉄（Ⅲ）イオン", "Fe^{3+}"},
    {"亜鉛イオン", "Zn^{2+}"},
};

const Ion kAnions[] = {
    {"水酸化物イオン", "OH^{−}"},      {"塩化物イオン", "Cl^{−}"},
    {"臭化物イオン", "Br^{−}"},        {"ヨウ化物イオン", "I^{−}"},
    {"フッ化物イオン", "F^{−}"},       {"硝酸イオン", "NO_{3}^{−}"},
    {"酢酸イオン", "CH_{3}COO^{−}"},   {"硫化物イオン", "S^{2−}"},
    {"硫酸イオン", "SO_{4}^{2−}"},     {"酸化物イオン", "O^{2−}"},
    {"炭酸イオン", "CO_{3}^{2−}"},     {"リン酸イオン", "PO_{4}^{3−}"},
    {"炭酸水素イオン", "HCO_{3}^{−}"}, {"硫酸水素イオン", "HSO_{4}^{−}"},
    {"亜硫酸イオン", "SO_{3}^{2−}"},
};

struct Column {
    const char* name;
    const char* heading;
    const Ion* ions;
    bool pink; // else green
};

void PrintTo(const Column& column, std::ostream* os) {
    *os << column.name;
}

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
