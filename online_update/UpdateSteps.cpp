#include "UpdateSteps.h"

#include "FileOps.h"
#include "PlikSlownika.h"
#include "UpdateError.h"

#include <QHash>
#include <QString>

#include <unordered_set>

namespace {

struct KeyHash {
    std::size_t operator()(const QString& key) const noexcept { return qHash(key); }
};

} // namespace

std::string RozmiarPliku(const std::string& sciezka)
{
    const auto size = FileOps::fileSize(sciezka);
    return size ? std::to_string(*size) : std::string();
}

OdpowiedzWersji SprawdzOdpowiedz(const std::string& plikOdpowiedzi)
{
    const std::vector<std::string> linie = CzytajLinie(plikOdpowiedzi);
    // Every line is followed by CR LF, so any line at all gives a first character.
    if (linie.empty())
        throw UpdateError("The version reply is empty");
    const std::string& pierwsza = linie.front();
    const char znak = pierwsza.empty() ? '\r' : pierwsza.front();
    return znak == '0' ? OdpowiedzWersji::Aktualna : OdpowiedzWersji::Nowsza;
}

std::vector<std::string> ScalLinie(std::vector<std::string> slownik, const std::vector<std::string>& pobrane)
{
    // Equal keys are exactly the lines TakieSame calls the same, so a set of
    // keys answers what a search through the list would.
    std::unordered_set<QString, KeyHash> klucze;
    klucze.reserve(slownik.size() + pobrane.size());
    for (const std::string& linia : slownik)
        klucze.insert(KluczPorownania(linia));
    for (const std::string& linia : pobrane) {
        if (klucze.insert(KluczPorownania(linia)).second)
            slownik.push_back(linia);
    }
    return slownik;
}

void ScalSlowniki(const std::string& slownik, const std::string& pobrany)
{
    std::vector<std::string> linie = CzytajLinie(slownik);
    const std::vector<std::string> nowe = CzytajLinie(pobrany);
    ZapiszLinie(slownik, ScalLinie(std::move(linie), nowe));
    // A file left behind is overwritten by the next update.
    (void)FileOps::deleteFile(pobrany);
}

bool looksLikeProgram(const std::string& plik)
{
    return FileOps::readAll(plik).starts_with("\x7f" "ELF");
}

bool looksLikeDictionary(const std::string& plik)
{
    return FileOps::readAll(plik).find('\0') == std::string::npos;
}
