// Saving the settings on a full disk: the settings dialog's save shows the
// described error box, the silent save on closing shows nothing, and
// konfig.cfg keeps its old record either way.
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PlikKonfiguracji.h"
#include "TForm1.h"

#include <QDir>
#include <QTemporaryDir>

#include "FullDisk.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

TEST(SettingsSaveFaults, FullDiskShowsTheErrorUnlessSilentAndKeepsTheOldRecord)
{
    QTemporaryDir dir, config;
    ASSERT_TRUE(dir.isValid() && config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const std::string katalog = dir.path().toStdString() + "/";
    FileOps::writeAtomically(katalog + "slownik.txt", "\"a\";\"b\";\"c\"\r\n");
    TUstawienia stare;
    stare.Piksele = 2;
    stare.Interwal = 120;
    stare.Szerokosc = 350;
    stare.Kategoria = "*wszystkie";
    ASSERT_TRUE(PlikKonfiguracji::Zapisz(katalog + "konfig.cfg", stare));
    const std::string before = FileOps::readAll(katalog + "konfig.cfg");

    std::vector<BoxRecord> boxes;
    MessageBoxes::setResponder([&](const BoxRecord& box) {
        boxes.push_back(box);
        return BoxOk;
    });
    TForm1 form(katalog);
    form.Ustawienia.Piksele = 9;
    form.Ustawienia.Kategoria = "jedzenie";
    {
        const FullDisk full(16);
        ASSERT_TRUE(full.ok());
        form.ZapiszKonfiguracje(true);
        EXPECT_TRUE(boxes.empty());
        form.ZapiszKonfiguracje(false);
    }
    MessageBoxes::setResponder({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes[0].buttons, BoxOk);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Nie udało się zapisać ustawień. Plik może być tylko-do-odczytu."));
    EXPECT_EQ(FileOps::readAll(katalog + "konfig.cfg"), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"konfig.cfg", "slownik.txt"}));
}

} // namespace
