// The About box on the offscreen platform: clicks go through the dialog's
// window, so they land on whatever lies on top at that point.
#include "TOprogramieDialog.h"

#include "AppFonts.h"
#include "PictureBox.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OprogramieDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TOprogramieDialog::otworzStrone = [this](const QUrl& url) { otwarte_.push_back(url); };
        dialog_ = std::make_unique<TOprogramieDialog>(nullptr);
        dialog_->show();
        ASSERT_NE(dialog_->windowHandle(), nullptr);
    }

    void TearDown() override
    {
        dialog_.reset();
        TOprogramieDialog::otworzStrone = [](const QUrl& url) {
            ADD_FAILURE() << "a page was opened after the test: " << url.toString().toStdString();
        };
    }

    QWidget* naWierzchu(QPoint p) const { return dialog_->childAt(p); }
    void kliknij(QPoint p) { QTest::mouseClick(dialog_->windowHandle(), Qt::LeftButton, {}, p); }

    std::unique_ptr<TOprogramieDialog> dialog_;
    std::vector<QUrl> otwarte_;
};

struct Click {
    const char* where;
    QPoint point;
    const char* onTop; // the component that lies on top there
    bool closes;
};

void PrintTo(const Click& c, std::ostream* os)
{
    *os << c.where;
}

class OprogramieDialogClick : public OprogramieDialogTest, public ::testing::WithParamInterface<Click> {};

TEST_P(OprogramieDialogClick, ClosesOnlyOnBackgroundAndX)
{
    const Click& c = GetParam();
    QWidget* top = naWierzchu(c.point);
    ASSERT_NE(top, nullptr);
    QWidget* expected = dialog_->findChild<QWidget*>(QString::fromLatin1(c.onTop));
    ASSERT_NE(expected, nullptr);
    EXPECT_TRUE(top == expected || expected->isAncestorOf(top)) << top->objectName().toStdString();
    kliknij(c.point);
    EXPECT_EQ(dialog_->isVisible(), !c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Points, OprogramieDialogClick,
    ::testing::Values(Click{"bottom left", {5, 280}, "TloRamka", true},
                      Click{"black border", {0, 150}, "TloRamka", true},
                      Click{"between author and logo", {150, 230}, "TloRamka", true},
                      Click{"right of the memo", {297, 150}, "TloRamka", true},
                      Click{"X", {293, 9}, "Label3", true},
                      Click{"licence caption", {22, 47}, "Label2", false},
                      Click{"author line", {40, 215}, "Label1", false},
                      Click{"decoration", {275, 280}, "Image3", false},
                      Click{"decoration over the logo", {244, 250}, "Image3", false},
                      Click{"memo", {100, 120}, "LicencjaMemo", false},
                      Click{"title picture", {60, 20}, "Image1", false},
                      Click{"title text", {130, 9}, "NazwaOkna", false},
                      Click{"logo", {100, 254}, "Image2", false}),
    [](const auto& info) {
        std::string name = info.param.where;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST_F(OprogramieDialogTest, LogoOpensTheHomePageEachTimeAndStaysOpen)
{
    EXPECT_EQ(dialog_->Image2->toolTip(), QStringLiteral("Odwiedź nas!"));
    EXPECT_EQ(dialog_->Image2->cursor().shape(), Qt::PointingHandCursor);
    for (int i = 0; i < 3; ++i)
        kliknij({150, 254});
    ASSERT_EQ(otwarte_.size(), 3u);
    for (const QUrl& url : otwarte_)
        EXPECT_EQ(url, QUrl(QStringLiteral(SLOWNIK_HOME_PAGE)));
    EXPECT_TRUE(otwarte_.front().isValid());
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OprogramieDialogTest, TitlePictureMovesTheDialogTitleTextDoesNot)
{
    auto drag = [this](QPoint from) {
        const QPoint start = dialog_->pos();
        QTest::mousePress(dialog_->windowHandle(), Qt::LeftButton, {}, from);
        QTest::mouseMove(dialog_->windowHandle(), from + QPoint(20, 10));
        // The pointer stays where it went on the screen; the window may have moved under it.
        const QPoint moved = dialog_->pos() - start;
        QTest::mouseRelease(dialog_->windowHandle(), Qt::LeftButton, {}, from + QPoint(20, 10) - moved);
        return dialog_->pos() - start;
    };
    EXPECT_EQ(drag({130, 9}), QPoint(0, 0)) << "the title text";
    EXPECT_EQ(drag({60, 20}), QPoint(20, 10)) << "the title picture";
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OprogramieDialogTest, ComponentsSitAtTheirPlaces)
{
    struct Place {
        QWidget* widget;
        QRect place;
    };
    for (const Place& p : {Place{dialog_->TloRamka, {0, 0, 306, 293}}, Place{dialog_->Image1, {1, 1, 304, 33}},
                           Place{dialog_->Image2, {56, 240, 192, 28}}, Place{dialog_->Image3, {240, 240, 60, 46}},
                           Place{dialog_->LicencjaMemo, {16, 56, 273, 145}}})
        EXPECT_EQ(p.widget->geometry(), p.place) << p.widget->objectName().toStdString();
    EXPECT_EQ(dialog_->NazwaOkna->pos(), QPoint(110, 2));
    EXPECT_EQ(dialog_->NazwaOkna->text(), QStringLiteral("O PROGRAMIE"));
    EXPECT_EQ(dialog_->Label1->pos(), QPoint(18, 208));
    EXPECT_EQ(dialog_->Label2->pos(), QPoint(16, 40));
    EXPECT_EQ(dialog_->Label2->text(), QStringLiteral("Licencja:"));
    EXPECT_EQ(dialog_->Label3->pos(), QPoint(290, 3));
    EXPECT_EQ(dialog_->Label3->text(), QStringLiteral("X"));
    EXPECT_TRUE(dialog_->Label3->font().bold());
    for (QLabel* label : {dialog_->NazwaOkna, dialog_->Label1, dialog_->Label2, dialog_->Label3}) {
        EXPECT_EQ(label->font().family(), AppFonts::windowFont().family()) << label->text().toStdString();
        EXPECT_EQ(label->font().pixelSize(), 13) << label->text().toStdString();
        EXPECT_FALSE(label->autoFillBackground());
    }
    EXPECT_EQ(dialog_->Label3->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("O programie"));
    EXPECT_EQ(dialog_->size(), QSize(306, 293));
    // Both pictures are keyed: the colour of their bottom-left pixel is transparent.
    for (PictureBox* picture : {dialog_->Image2, dialog_->Image3}) {
        const QImage& image = picture->picture();
        EXPECT_EQ(image.size(), picture->size());
        EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, image.width() * image.height() / 5) << picture->objectName().toStdString();
    }
}

TEST_F(OprogramieDialogTest, LicenceHasSeventyThreeLinesInNumberedParagraphs)
{
    const QTextDocument* doc = dialog_->LicencjaMemo->document();
    ASSERT_EQ(doc->blockCount(), 73);
    int puste = 0;
    int akapit = 1;
    bool poPustej = false;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString line = b.text();
        if (line.isEmpty()) {
            EXPECT_FALSE(poPustej) << "two empty lines in a row at line " << b.blockNumber() + 1;
            ++puste;
            poPustej = true;
            continue;
        }
        if (poPustej || line.startsWith(QStringLiteral("1."))) {
            EXPECT_TRUE(line.startsWith(QString::number(akapit) + u'.'))
                << "line " << b.blockNumber() + 1 << ": " << line.toStdString();
            ++akapit;
        }
        poPustej = false;
    }
    EXPECT_EQ(puste, 11);
    EXPECT_EQ(akapit, 13) << "twelve numbered paragraphs";
    EXPECT_FALSE(poPustej) << "the text ends with a paragraph";
    EXPECT_TRUE(doc->toPlainText().contains(QStringLiteral("bez jakiejkolwiek gwarancji")));
}

TEST_F(OprogramieDialogTest, MemoIsReadOnlyWrapsScrollsAndHoldsTheFocus)
{
    QPlainTextEdit* memo = dialog_->LicencjaMemo;
    EXPECT_EQ(dialog_->focusWidget(), memo);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(91, 194, 234));
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_EQ(memo->font().family(), AppFonts::memoFont().family());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    int wrapped = 0;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        wrapped += b.layout()->lineCount() > 1;
    EXPECT_GT(wrapped, 0) << "long lines wrap at the box's width";

    const QString before = memo->toPlainText();
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Enter);
    QTest::keyClicks(memo, QStringLiteral("abc"));
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_EQ(memo->toPlainText(), before);
    EXPECT_TRUE(dialog_->isVisible());
}

} // namespace
