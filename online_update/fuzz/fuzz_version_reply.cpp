// Any version reply is read without harm: an empty reply is the one
// failure; a reply whose first byte is "0" means up to date, and every other
// reply (a blank, a byte-order mark, a NUL, an empty first line) a newer
// version.
#include "MemoryFile.h"
#include "UpdateError.h"
#include "UpdateSteps.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    const std::string& path = file.hold(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        const OdpowiedzWersji odpowiedz = SprawdzOdpowiedz(path);
        require(size > 0);
        require((odpowiedz == OdpowiedzWersji::Aktualna) == (data[0] == '0'));
    } catch (const UpdateError&) {
        require(size == 0);
    }
    return 0;
}
