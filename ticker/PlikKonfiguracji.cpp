#include "PlikKonfiguracji.h"

#include "FileError.h"
#include "FileOps.h"

bool PlikKonfiguracji::Wczytaj(const std::string& sciezka, TUstawienia& ustawienia)
{
    try {
        const std::string bajty = FileOps::readAll(sciezka);
        ustawienia.wczytajObraz(bajty);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

bool PlikKonfiguracji::Zapisz(const std::string& sciezka, const TUstawienia& ustawienia)
{
    const auto image = ustawienia.obraz();
    try {
        FileOps::writeAtomically(sciezka, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
        return true;
    } catch (const FileError&) {
        return false;
    }
}
