#include "DictionarySaver.h"

#include "FileError.h"
#include "FileOps.h"
#include "PlikSlownika.h"

bool DictionarySaver::makeBackup(const std::string& plik, const std::string& kopia)
{
    if (FileOps::fileSize(kopia).has_value())
        return false;
    try {
        return FileOps::writeIfAbsent(kopia, FileOps::readAll(plik));
    } catch (const FileError&) {
        return false;
    }
}

void DictionarySaver::save(const std::string& plik, const std::string& kopia, const std::vector<std::string>& linie)
{
    (void)makeBackup(plik, kopia);
    ZapiszLinie(plik, linie);
}
