#include "Cp1250.h"
#include "MessageBoxes.h"
#include "PlikKonfiguracji.h"
#include "TForm1.h"
#include "TPaintBox.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <functional>

namespace {

const QString kData = QStringLiteral(SLOWNIK_TEST_DATA "/");

// Runs the event loop for a while, as a modal box's loop would.
void pump(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

int whitePixels(const QImage& surface)
{
    int n = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            n += surface.pixel(x, y) == 0xFFFFFFFFu;
    return n;
}

class WordListWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes_.push_back(box);
            if (inBox_)
                inBox_();
            return BoxOk;
        });
    }
    void TearDown() override { MessageBoxes::setResponder({}); }

    [[nodiscard]] std::string dir() const { return app_.path().toStdString() + "/"; }
    void putDictionary(const QString& fixture) const
    {
        ASSERT_TRUE(QFile::copy(kData + fixture, app_.filePath(QStringLiteral("slownik.txt"))));
    }
    void putSettings(int interwal, const char* kategoria, int szerokosc = 500) const
    {
        TUstawienia u;
        u.Piksele = 2;
        u.Interwal = interwal;
        u.Lewo = 10;
        u.Gora = 10;
        u.Szerokosc = szerokosc;
        u.Kategoria = kategoria;
        ASSERT_TRUE(PlikKonfiguracji::Zapisz(dir() + "konfig.cfg", u));
    }

    QTemporaryDir config_;
    QTemporaryDir app_;
    std::vector<BoxRecord> boxes_;
    std::function<void()> inBox_;
};

} // namespace

TEST_F(WordListWindowTest, StartUpLoadsTheDictionaryWithTheCategorySetting)
{
    putDictionary(QStringLiteral("slowa_xyx.txt"));
    putSettings(120, "X");
    TForm1 form(dir());
    EXPECT_TRUE(boxes_.empty());
    ASSERT_EQ(form.LiczbaSlow, 2);
    EXPECT_EQ(form.Slowa[0].Angielski.str(), "three");
    EXPECT_EQ(form.Slowa[1].Angielski.str(), "one");
    EXPECT_EQ(form.Kategorie, (std::vector<std::string>{"*wszystkie", "X", "Y"}));
    EXPECT_TRUE(form.Timer1->running());
}

TEST_F(WordListWindowTest, ABrokenDictionaryShowsTheErrorBoxAtStartUpThenTheFallback)
{
    putDictionary(QStringLiteral("slowa_dwa_pola.txt"));
    putSettings(120, "*wszystkie");
    bool timerRanDuringBox = true;
    inBox_ = [&] { timerRanDuringBox = Form1->Timer1->running(); };
    TForm1 form(dir());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].title, QStringLiteral("Error"));
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie udało się odczytać bazy danych."));
    EXPECT_EQ(boxes_[0].buttons, BoxOk);
    // At start-up the timer is switched on only after the load.
    EXPECT_FALSE(timerRanDuringBox);
    EXPECT_TRUE(form.Timer1->running());
    ASSERT_EQ(form.LiczbaSlow, 1);
    EXPECT_EQ(Cp1250::toUnicode(form.Slowa[0].Polski.view()), QStringLiteral("BŁĄD"));
    EXPECT_EQ(form.Kategorie, (std::vector<std::string>{"*wszystkie", "K4", "K3"}));
}

TEST_F(WordListWindowTest, EveryTickDrawsAFrameOnThePaintBox)
{
    putDictionary(QStringLiteral("slowa_xyx.txt"));
    putSettings(10, "*wszystkie");
    TForm1 form(dir());
    ASSERT_EQ(form.PaintBox1->width(), 456);
    ASSERT_EQ(form.PozycjaX, 402);
    pump(300);
    EXPECT_LT(form.PozycjaX, 402 - 2 * 5);
    EXPECT_EQ((402 - form.PozycjaX) % 2, 0);
    EXPECT_GT(whitePixels(form.PaintBox1->surface()), 50);
}

TEST_F(WordListWindowTest, IntervalZeroDrawsNoFrame)
{
    putDictionary(QStringLiteral("slowa_xyx.txt"));
    putSettings(0, "*wszystkie");
    TForm1 form(dir());
    pump(300);
    EXPECT_EQ(form.PozycjaX, 402);
    EXPECT_EQ(whitePixels(form.PaintBox1->surface()), 0);
}

// The box of a reload runs a nested event loop in which the timer keeps
// drawing: the list it reads is a consistent one.
TEST_F(WordListWindowTest, FramesRunSafelyWhileTheReloadErrorBoxIsOpen)
{
    putDictionary(QStringLiteral("slowa_xyx.txt"));
    putSettings(5, "*wszystkie");
    TForm1 form(dir());
    pump(100);
    int before = 0;
    int after = 0;
    inBox_ = [&] {
        EXPECT_GE(form.PierwszeSlowo, 0);
        EXPECT_LT(form.PierwszeSlowo, form.LiczbaSlow);
        EXPECT_LE(static_cast<std::size_t>(form.LiczbaSlow), form.Slowa.size());
        before = form.PozycjaX;
        pump(200);
        after = form.PozycjaX;
        EXPECT_LT(form.PierwszeSlowo, form.LiczbaSlow);
    };
    QFile::remove(app_.filePath(QStringLiteral("slownik.txt")));
    putDictionary(QStringLiteral("slowa_dwa_pola.txt"));
    form.WczytajSlownik(form.KatalogProgramu + "slownik.txt");
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_LT(after, before);
    EXPECT_EQ(form.LiczbaSlow, 1);
    inBox_ = {};
    pump(50);
}
