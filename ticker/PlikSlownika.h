#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// The rules every reader and writer of a dictionary file (slownik.txt, its
// backup, a downloaded dictionary) shares. Lines and fields are
// Windows-1250 bytes; nothing is converted.

// All lines of the file, without their line breaks. CR LF, a lone LF and a
// lone CR each end a line; a break at the very end adds no empty line. A NUL
// byte is kept as an ordinary byte, so a rewrite keeps what follows it.
// Throws FileError "Cannot open file "<path>". <cause>".
[[nodiscard]] std::vector<std::string> CzytajLinie(const std::string& plik);

// Splits a whole file's bytes as CzytajLinie does.
[[nodiscard]] std::vector<std::string> PodzielNaLinie(std::string_view tekst);

// Writes every line followed by CR LF, replacing the file as one step.
// Throws FileError "Cannot create file "<path>". <cause>" or "Stream write error".
void ZapiszLinie(const std::string& plik, const std::vector<std::string>& linie);

// The fields of a line: separated by ";", optionally in double quotes with a
// doubled quote standing for one; blanks (bytes 0x01 to 0x20) around
// delimiters are skipped.
[[nodiscard]] std::vector<std::string> PodzielLinie(std::string_view linia);

// One line of three quoted fields; a double quote inside a text is doubled
// so that the line splits back into the same three texts.
[[nodiscard]] std::string ZlozLinie(std::string_view angielski, std::string_view polski, std::string_view kategoria);

// Two texts are the same when they are equal with letter case ignored, the
// Polish letters included; independent of the process's locale.
[[nodiscard]] bool TakieSame(std::string_view a, std::string_view b);

// The key under which TakieSame compares: equal keys, same texts.
[[nodiscard]] QString KluczPorownania(std::string_view tekst);
