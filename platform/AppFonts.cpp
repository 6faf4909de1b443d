#include "AppFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString& family()
{
    static QString name = QStringLiteral("DejaVu Sans");
    return name;
}

QFont sized(int pixels)
{
    QFont font(family());
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void AppFonts::install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* face : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family() = families.front();
    }
}

QFont AppFonts::windowFont()
{
    return sized(13);
}

QFont AppFonts::memoFont()
{
    return sized(12);
}
