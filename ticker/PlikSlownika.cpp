#include "PlikSlownika.h"

#include "Cp1250.h"
#include "FileOps.h"

namespace {

bool isBlank(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x01 && b <= 0x20;
}

} // namespace

std::vector<std::string> PodzielNaLinie(std::string_view tekst)
{
    std::vector<std::string> linie;
    std::size_t i = 0;
    const std::size_t n = tekst.size();
    while (i < n) {
        const std::size_t start = i;
        while (i < n && tekst[i] != '\r' && tekst[i] != '\n')
            ++i;
        linie.emplace_back(tekst.substr(start, i - start));
        if (i < n && tekst[i] == '\r')
            ++i;
        if (i < n && tekst[i] == '\n')
            ++i;
    }
    return linie;
}

std::vector<std::string> CzytajLinie(const std::string& plik)
{
    return PodzielNaLinie(FileOps::readAll(plik));
}

void ZapiszLinie(const std::string& plik, const std::vector<std::string>& linie)
{
    std::size_t total = 0;
    for (const auto& linia : linie)
        total += linia.size() + 2;
    std::string bajty;
    bajty.reserve(total);
    for (const auto& linia : linie) {
        bajty += linia;
        bajty += "\r\n";
    }
    FileOps::writeAtomically(plik, bajty);
}

std::vector<std::string> PodzielLinie(std::string_view linia)
{
    std::vector<std::string> pola;
    const std::size_t n = linia.size();
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(linia[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string pole;
        if (linia[i] == '"') {
            ++i;
            while (i < n) {
                if (linia[i] == '"') {
                    if (i + 1 < n && linia[i + 1] == '"') {
                        pole += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                pole += linia[i++];
            }
        } else {
            const std::size_t start = i;
            while (i < n && !isBlank(linia[i]) && linia[i] != ';')
                ++i;
            pole.assign(linia.substr(start, i - start));
        }
        pola.push_back(std::move(pole));
        skipBlanks();
        if (i < n && linia[i] == ';') {
            if (i == n - 1)
                pola.emplace_back();
            ++i;
            skipBlanks();
        }
    }
    return pola;
}

std::string ZlozLinie(std::string_view angielski, std::string_view polski, std::string_view kategoria)
{
    std::string linia;
    linia.reserve(angielski.size() + polski.size() + kategoria.size() + 8);
    auto quoted = [&linia](std::string_view text) {
        linia += '"';
        for (const char c : text) {
            if (c == '"')
                linia += '"';
            linia += c;
        }
        linia += '"';
    };
    quoted(angielski);
    linia += ';';
    quoted(polski);
    linia += ';';
    quoted(kategoria);
    return linia;
}

QString KluczPorownania(std::string_view tekst)
{
    return Cp1250::toUnicode(tekst).toCaseFolded();
}

bool TakieSame(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    return KluczPorownania(a) == KluczPorownania(b);
}
