#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Converts between the 8-bit Windows-1250 bytes of our data files and the
// Unicode text that windows show. The five bytes the code page leaves
// undefined map to the C1 control of the same value, so every one of the
// 256 byte values survives being shown and stored again.
class Cp1250 final {
public:
    [[nodiscard]] static QString toUnicode(std::string_view bytes);
    // Empty when the text holds a character the code page cannot store;
    // then *badIndex (if given) is the index of the first such character.
    [[nodiscard]] static std::optional<std::string> fromUnicode(const QString& text, qsizetype* badIndex = nullptr);
    // For texts known to be representable (our own literals).
    [[nodiscard]] static std::string fromUnicodeOrDie(const QString& text);
};
