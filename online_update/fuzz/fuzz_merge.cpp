// Any two dictionary files merge without losing or reordering a line: the
// old lines come first, unchanged and in order; the appended lines are
// downloaded lines in their order; none of them is the same (TakieSame) as
// a line before it; a downloaded line is left out only when such a line is
// already there; and the merged file reads back as the merged lines.
//
// Input: the dictionary, the cut line "\n--8<--\n", the downloaded file
// (without a cut line, all of it is the dictionary and nothing is downloaded).
#include "MemoryFile.h"
#include "PlikSlownika.h"
#include "UpdateSteps.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kCut = "\n--8<--\n";

// Whether some line of linie[0, end) is the same as linia.
bool knownBefore(const std::vector<std::string>& linie, std::size_t end, const std::string& linia)
{
    for (std::size_t i = 0; i < end; ++i) {
        if (TakieSame(linie[i], linia))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t at = input.find(kCut);
    const std::string_view old = input.substr(0, at);
    const std::string_view downloaded = at == std::string_view::npos ? std::string_view() : input.substr(at + kCut.size());
    const std::vector<std::string> slownik = PodzielNaLinie(old);
    const std::vector<std::string> pobrane = PodzielNaLinie(downloaded);

    const std::vector<std::string> scalone = ScalLinie(slownik, pobrane);
    require(scalone.size() >= slownik.size() && scalone.size() <= slownik.size() + pobrane.size());
    for (std::size_t i = 0; i < slownik.size(); ++i)
        require(scalone[i] == slownik[i]);

    // Walk the downloaded lines beside the appended ones: each is appended
    // (the next appended line, byte for byte) or was already there.
    const bool small = slownik.size() + pobrane.size() <= 512;
    std::size_t next = slownik.size();
    for (const std::string& linia : pobrane) {
        if (next < scalone.size() && scalone[next] == linia && (!small || !knownBefore(scalone, next, linia))) {
            ++next;
            continue;
        }
        // Not appended: the same line must be in the list already. The
        // searches are quadratic, so only small inputs are checked this way.
        if (small)
            require(knownBefore(scalone, next, linia));
    }
    require(next == scalone.size());

    // What ZapiszLinie writes (every line followed by CR LF) reads back as the list.
    std::string bytes;
    for (const std::string& linia : scalone)
        bytes += linia + "\r\n";
    require(PodzielNaLinie(bytes) == scalone);
    return 0;
}
