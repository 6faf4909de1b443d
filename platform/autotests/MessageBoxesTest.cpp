#include "Application.h"
#include "MessageBoxes.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Runs the action on the first message box that comes up.
void onBox(std::function<void(QMessageBox*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(box);
                return;
            }
        }
    });
    poll->start(10);
}

QStringList captionsOf(QMessageBox* box)
{
    QStringList captions;
    for (QAbstractButton* b : box->buttons())
        captions << b->text();
    captions.sort();
    return captions;
}

} // namespace

TEST(MessageBoxes, ClosingByTheWindowControlAnswersCancel)
{
    QString title;
    onBox([&title](QMessageBox* box) {
        title = box->windowTitle();
        box->close();
    });
    EXPECT_EQ(MessageBoxes::show(BoxKind::Information, QStringLiteral("Tekst"), BoxOk), BoxCancel);
    EXPECT_EQ(title, QStringLiteral("Information"));
}

TEST(MessageBoxes, ButtonsCarryTheFrameworkCaptionsAndAnswerThemselves)
{
    QStringList captions;
    QString text;
    onBox([&](QMessageBox* box) {
        captions = captionsOf(box);
        text = box->text();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == QStringLiteral("&No"))
                b->click();
        }
    });
    EXPECT_EQ(MessageBoxes::show(BoxKind::Confirm, QStringLiteral("Jedna\r\nDwie"), BoxYes | BoxNo), BoxNo);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&No"), QStringLiteral("&Yes")}));
    EXPECT_EQ(text, QStringLiteral("Jedna\nDwie"));

    onBox([&](QMessageBox* box) {
        captions = captionsOf(box);
        box->buttons().front()->click();
    });
    MessageBoxes::show(BoxKind::Warning, QStringLiteral("?"), BoxOk | BoxCancel);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Cancel"), QStringLiteral("OK")}));
}

TEST(MessageBoxes, ResponderSeesKindTitleTextAndButtons)
{
    std::vector<BoxRecord> seen;
    MessageBoxes::setResponder([&seen](const BoxRecord& r) {
        seen.push_back(r);
        return BoxOk;
    });
    MessageBoxes::show(BoxKind::Warning, QStringLiteral("Uwaga"), BoxOk);
    MessageBoxes::setResponder({});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(seen[0].text, QStringLiteral("Uwaga"));
}

struct ReportRow {
    const char* message;
    const char* shown;
};

class ReportText : public ::testing::TestWithParam<ReportRow> {};

TEST_P(ReportText, FullStopRule)
{
    EXPECT_EQ(Application::reportText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Application, ReportText,
                         ::testing::Values(ReportRow{"Disk full", "Disk full."}, ReportRow{"Koniec.", "Koniec."},
                                           ReportRow{"(a)", "(a)"}, ReportRow{"a-", "a-"}, ReportRow{"a/", "a/."},
                                           ReportRow{"błąd", "błąd."}, ReportRow{"", ""}));

TEST(Application, ExceptionEscapingAnEventHandlerIsReportedAndTheProgramGoesOn)
{
    QCoreApplication::setApplicationName(QStringLiteral("Orlenta Vandra"));
    std::vector<BoxRecord> seen;
    MessageBoxes::setResponder([&seen](const BoxRecord& r) {
        seen.push_back(r);
        return BoxOk;
    });
    bool later = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("Stream write error"); });
    QTimer::singleShot(5, [&later] { later = true; });
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    MessageBoxes::setResponder({});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, BoxKind::Error);
    EXPECT_EQ(seen[0].title, QStringLiteral("Orlenta Vandra"));
    EXPECT_EQ(seen[0].text, QStringLiteral("Stream write error."));
    EXPECT_TRUE(later);
}
