#include "UpdateServer.h"

std::string UpdateServer::versionCheckUrl(const std::string& programSize, const std::string& dictionarySize) const
{
    // The sizes are decimal digits or empty: nothing to escape.
    return manualDownloadUrl() + "sprawdz.php?exe=" + programSize + "&txt=" + dictionarySize;
}

std::string UpdateServer::dictionaryUrl() const
{
    return manualDownloadUrl() + "slownik.txt";
}

std::string UpdateServer::programUrl() const
{
    return manualDownloadUrl() + "slownik.exe";
}

std::string UpdateServer::manualDownloadUrl() const
{
    return "http://" + host + "/vandra/";
}

std::string UpdateServer::signatureUrlOf(const std::string& url)
{
    return url + ".sig";
}
