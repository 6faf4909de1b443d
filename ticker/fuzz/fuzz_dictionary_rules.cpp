// Any bytes split into lines and fields without harm; three texts composed
// into a line split back into the same three texts.
#include "PlikSlownika.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& line : PodzielNaLinie(bytes)) {
        check(line.find_first_of("\r\n") == std::string::npos);
        total += line.size();
        for (const std::string& field : PodzielLinie(line))
            check(field.size() <= line.size());
    }
    check(total <= size);

    // The input cut at its first two 0xFF bytes gives three texts; the
    // format's texts hold no CR, LF or NUL, so those are dropped.
    std::string texts[3];
    int which = 0;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) == 0xFF && which < 2) {
            ++which;
            continue;
        }
        if (c != '\r' && c != '\n' && c != '\0')
            texts[which] += c;
    }
    const std::string line = ZlozLinie(texts[0], texts[1], texts[2]);
    const auto fields = PodzielLinie(line);
    check(fields.size() == 3 && fields[0] == texts[0] && fields[1] == texts[1] && fields[2] == texts[2]);
    check(TakieSame(texts[0], texts[0]));
    return 0;
}
