// libFuzzer harness: any bytes as an initialisation file are read without harm, written back unchanged,
// and an edit changes what is read for that key only.
#include "settings/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    stillmark::IniDocument document = stillmark::IniDocument::Parse(bytes);
    if (document.Serialize() != bytes) {
        std::abort();
    }
    const auto otherBefore = document.Find("Settings", "EndHour");
    (void)document.Find("settings", "STARTHOUR");
    document.Set("Settings", "StartHour", "08:00");
    const stillmark::IniDocument reread = stillmark::IniDocument::Parse(document.Serialize());
    if (reread.Find("Settings", "StartHour") != "08:00" ||
        reread.Find("Settings", "EndHour") != otherBefore) {
        std::abort();
    }
    return 0;
}
