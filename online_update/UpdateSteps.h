#pragma once

#include <string>
#include <vector>

// The steps of an online update that need no window: the sizes sent with the
// version check, the reading of its reply and the dictionary merge.

// The size of a file (not a directory) in decimal digits; empty text when
// there is no such file.
[[nodiscard]] std::string RozmiarPliku(const std::string& sciezka);

enum class OdpowiedzWersji { Aktualna, Nowsza };

// The version reply stored in a file, read back as dictionary lines joined
// with CR LF: up to date when the text begins with "0", whatever follows;
// any other first character (a blank, a byte-order mark, the CR of an empty
// first line) announces a newer version. Throws UpdateError when the reply
// holds no text at all, FileError when the file cannot be read.
[[nodiscard]] OdpowiedzWersji SprawdzOdpowiedz(const std::string& plikOdpowiedzi);

// The dictionary with every downloaded line appended that is not the same
// (TakieSame) as a line already there or appended before it. Lines of the
// dictionary are never removed, changed or moved. Linear in the number of lines.
[[nodiscard]] std::vector<std::string> ScalLinie(std::vector<std::string> slownik,
                                                 const std::vector<std::string>& pobrane);

// Merges the downloaded dictionary file into the dictionary file, which is
// rewritten whole (every line followed by CR LF), then deletes the
// downloaded file. When reading or writing fails, the FileError is thrown
// and the downloaded file stays.
void ScalSlowniki(const std::string& slownik, const std::string& pobrany);

// Each signature covers only its own file's bytes, so someone on the path
// could serve one signed file in place of the other. Before a download is
// used it must also look like what it stands for: the program an ELF
// executable, the dictionary a text without NUL bytes (its fields never hold
// one). Throw FileError when the file cannot be read.
[[nodiscard]] bool looksLikeProgram(const std::string& plik);
[[nodiscard]] bool looksLikeDictionary(const std::string& plik);
