// Every kind of picture each exercise loads while it runs, spoilt every way a
// picture can be, with the exercise opened from the menu: the screen opens,
// each box meant to show a spoilt picture stays empty, each such picture is
// reported once on stderr, and the screen still takes clicks.
#include "Corruption.h"
#include "MaterialCopy.h"
#include "support/ScreenFixture.h"
#include "util/PictureFile.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

#include <QFile>
#include <QMouseEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <vector>

using shell::FormWindow;
using shell::ScreenId;
using widgets::ImageBox;
using widgets::PictureButton;

namespace corruptTest {
namespace {

using enum PictureFault;

QStringList numbered(const char* pattern, int count) {
    QStringList files;
    for (int n = 1; n <= count; ++n)
        files << QString::fromUtf8(pattern).arg(n);
    return files;
}

QStringList named(const char* folder, const QStringList& names) {
    QStringList files;
    for (const QString& name : names)
        files << QString::fromUtf8(folder) + name + QStringLiteral(".gif");
    return files;
}

template <class T = ImageBox> T* child(FormWindow& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c)
        throw std::runtime_error(std::string("no control ") + name);
    return c;
}

void click(FormWindow& w, const char* name) {
    QTest::mouseClick(child(w, name), Qt::LeftButton);
}

// The pointer moving over a control, as the hover highlight sees it.
void hover(FormWindow& w, const char* name) {
    ImageBox* box = child(w, name);
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
}

// One kind of picture: the files spoilt together (all of the kind, so that
// whichever question is drawn shows one) and what brings one on screen.
struct PictureKind {
    const char* tag;
    ScreenId screen;
    const char* menuButton;
    QString folder;
    QStringList files;
    std::function<void(FormWindow&)> reveal; // nothing: the first question shows one
};

const PictureKind kinds[] = {
    {"formula_glyphs", ScreenId::Formula, "Command1", QStringLiteral("化学式"),
     numbered("\\化学式\\元素\\gen(%1).gif", 26),
     [](FormWindow& w) {
         click(w, "Image4_1"); // answer row 1
         click(w, "Image2_1"); // palette entry 1, placed in the row
     }},
    {"formula_highlights", ScreenId::Formula, "Command1", QStringLiteral("化学式"),
     numbered("\\化学式\\画像\\g(%1).gif", 26), [](FormWindow& w) { hover(w, "Image2_3"); }},
    {"coefficient_boxFaces", ScreenId::Coefficient, "Command2", QStringLiteral("係数"),
     named("\\係数\\数字\\",
           {"w",    "r",    "w1",   "w2",   "w3",   "w4",   "w5",   "w6",   "w7",
            "w8",   "y1",   "y2",   "y3",   "y4",   "y5",   "y6",   "y7",   "y8",
            "g_h1", "g_h2", "g_h3", "g_h4", "g_h5", "g_h6", "g_h7", "g_h8", "r_h1",
            "r_h2", "r_h3", "r_h4", "r_h5", "r_h6", "r_h7", "r_h8"}),
     [](FormWindow& w) { click(w, "Image2_1"); }}, // box 1 selected
    {"coefficient_padHighlights", ScreenId::Coefficient, "Command2", QStringLiteral("係数"),
     named("\\係数\\数字\\", {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"}),
     [](FormWindow& w) { hover(w, "Image4_3"); }},
    {"mole_questionStrips",
     ScreenId::Mole,
     "Command3",
     QStringLiteral("モル"),
     numbered("\\モル\\問題\\m(%1).gif", 20),
     {}},
    {"mole_frames",
     ScreenId::Mole,
     "Command3",
     QStringLiteral("モル"),
     named("\\モル\\枠\\", {"w1", "w2", "y1", "y2", "b1", "b2", "g1", "g2", "r1", "r2"}),
     {}},
    {"reaction_equations",
     ScreenId::Reaction,
     "Command4",
     QStringLiteral("反応量"),
     numbered("\\反応量\\反応式\\s(%1).gif", 13),
     {}},
    {"reaction_tables",
     ScreenId::Reaction,
     "Command4",
     QStringLiteral("反応量"),
     numbered("\\反応量\\表\\h(%1).gif", 4),
     {}},
    {"reaction_substances",
     ScreenId::Reaction,
     "Command4",
     QStringLiteral("反応量"),
     numbered("\\反応量\\物質\\b(%1).gif", 20),
     {}},
    {"reaction_frames",
     ScreenId::Reaction,
     "Command4",
     QStringLiteral("反応量"),
     named("\\反応量\\枠\\", {"w", "y", "b", "g", "r"}),
     {}},
};

const char* faultName(PictureFault fault) {
    switch (fault) {
    case Missing:
        return "Missing";
    case NotAGif:
        return "NotAGif";
    case Empty:
        return "Empty";
    case ZeroArea:
        return "ZeroArea";
    case Huge:
        return "Huge";
    case Oversize:
        return "Oversize";
    case Directory:
        return "Directory";
    }
    return "?";
}

struct PictureRow {
    const PictureKind* kind;
    PictureFault fault;
};

void PrintTo(const PictureRow& r, std::ostream* os) {
    *os << r.kind->tag << '_' << faultName(r.fault);
}

std::vector<PictureRow> pictureRows() {
    std::vector<PictureRow> rows;
    for (const PictureKind& k : kinds)
        for (PictureFault f : {Missing, NotAGif, Empty, ZeroArea, Huge, Oversize, Directory})
            rows.push_back({&k, f});
    return rows;
}

// The lines the program wrote about pictures it could not show.
QStringList pictureWarnings(const std::string& err) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(err).split(u'\n'))
        if (line.startsWith(QStringLiteral("chemdrill:")))
            lines << line;
    return lines;
}

class CorruptPicture : public ScreenFixture, public testing::WithParamInterface<PictureRow> {};

TEST_P(CorruptPicture, LeavesItsBoxEmptyAndTheScreenUsable) {
    const PictureKind& kind = *GetParam().kind;
    MaterialCopy copy(kind.folder);
    QSet<QString> spoilt;
    for (const QString& file : kind.files) {
        spoilPicture(copy.path(file), GetParam().fault);
        spoilt << copy.path(file);
    }
    state.basePath = copy.base();
    navigator.show(ScreenId::Menu);

    testing::internal::CaptureStderr();
    QTest::mouseClick(control<PictureButton>(ScreenId::Menu, QString::fromLatin1(kind.menuButton)),
                      Qt::LeftButton);
    settle();
    FormWindow* screen = navigator.loaded(kind.screen);
    if (screen && kind.reveal) {
        kind.reveal(*screen);
        settle();
    }
    const QStringList warnings = pictureWarnings(testing::internal::GetCapturedStderr());
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    ASSERT_NE(screen, nullptr);

    QSet<QString> asked; // spoilt pictures some box was to show
    for (ImageBox* box : screen->findChildren<ImageBox*>()) {
        if (!spoilt.contains(box->picturePath()))
            continue;
        asked << box->picturePath();
        EXPECT_FALSE(box->hasPicture()) << box->objectName().toStdString();
    }
    ASSERT_FALSE(asked.isEmpty()) << "no box asked for a spoilt picture";
    EXPECT_EQ(warnings.size(), asked.size()) << warnings.join(u'\n').toStdString();
    for (const QString& path : asked)
        EXPECT_EQ(warnings.filter(path).size(), 1) << path.toStdString();

    // Every clickable box and the judge button still answer a click.
    for (ImageBox* box : screen->findChildren<ImageBox*>())
        if (box->isClickable() && box->isVisible())
            QTest::mouseClick(box, Qt::LeftButton);
    for (PictureButton* button : screen->findChildren<PictureButton*>())
        if (button->accessibleName() == QStringLiteral("解答判定") && button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
    settle();
    EXPECT_TRUE(navigator.isLoaded(kind.screen));
    EXPECT_FALSE(ended);
}

INSTANTIATE_TEST_SUITE_P(AllExercises, CorruptPicture, testing::ValuesIn(pictureRows()),
                         [](const testing::TestParamInfo<PictureRow>& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

// The size limit itself: a picture exactly at it is shown, one pixel more on
// either side is refused before it is decoded.
TEST(PictureSizeLimit, AcceptsUpToTheLimitAndRefusesBeyond) {
    const struct {
        int w, h;
        bool shown;
    } cases[] = {{2048, 2048, true}, {2049, 1, false}, {1, 2049, false}, {1, 1, true}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("%1x%2.gif").arg(c.w).arg(c.h));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tinyGif(c.w, c.h));
        f.close();
        const util::Picture picture = util::readPicture(path);
        EXPECT_EQ(!picture.image.isNull(), c.shown) << c.w << "x" << c.h;
        EXPECT_EQ(picture.problem.isEmpty(), c.shown) << picture.problem.toStdString();
        if (c.shown)
            EXPECT_EQ(picture.image.size(), QSize(c.w, c.h));
        else
            EXPECT_TRUE(picture.problem.contains(QStringLiteral("大きすぎます")));
    }
}

} // namespace
} // namespace corruptTest
