// libFuzzer target: the Windows-1252 / UTF-8 conversion of the names of Kelmo.cfg. Any bytes are
// taken both as a Windows-1252 text and as a UTF-8 text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/settings/windows1252.h"

using namespace kelmo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Every Windows-1252 text survives the trip through UTF-8 and fits on the way back.
    const std::string utf8 = utf8FromCp1252(bytes);
    if (!fitsCp1252(utf8) || cp1252FromUtf8(utf8) != bytes) std::abort();
    // A UTF-8 text that fits comes back unchanged; one that does not never grows.
    const std::string cp1252 = cp1252FromUtf8(bytes);
    if (fitsCp1252(bytes) && utf8FromCp1252(cp1252) != bytes) std::abort();
    if (cp1252.size() > bytes.size()) std::abort();
    return 0;
}
