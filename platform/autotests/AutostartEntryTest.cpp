#include "AutostartEntry.h"
#include "FileOps.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>

namespace {

class AutostartEntryTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1); }
    QTemporaryDir config_;
};

} // namespace

TEST_F(AutostartEntryTest, CreateReplacesAndRemoveReportsAMissingEntry)
{
    const std::string entry = config_.path().toStdString() + "/autostart/Orlenta Vandra.desktop";
    EXPECT_EQ(AutostartEntry::entryPath(), entry);
    EXPECT_FALSE(AutostartEntry::remove());

    ASSERT_TRUE(AutostartEntry::create("/opt/old/slownik", "/opt/old/"));
    ASSERT_TRUE(AutostartEntry::create("/home/ala/Mój słownik/slownik", "/home/ala/Mój słownik/"));
    EXPECT_EQ(FileOps::readAll(entry), "[Desktop Entry]\n"
                                       "Type=Application\n"
                                       "Name=Orlenta Vandra\n"
                                       "Exec=\"/home/ala/Mój słownik/slownik\"\n"
                                       "Path=/home/ala/Mój słownik/\n");
    EXPECT_TRUE(AutostartEntry::remove());
    EXPECT_FALSE(AutostartEntry::remove());
}

TEST_F(AutostartEntryTest, ExecQuotesCharactersTheShellWouldTake)
{
    const std::string text = AutostartEntry::contents("/a$b/c\"d`e\\f%g", "/a/");
    EXPECT_NE(text.find("Exec=\"/a\\\\$b/c\\\\\"d\\\\`e\\\\\\\\f%%g\"\n"), std::string::npos) << text;
}
