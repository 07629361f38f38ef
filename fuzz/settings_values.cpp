// The reader of hand-written settings values on any settings file: it must never
// crash, and a plain value (no quotes, escapes or outer spaces) comes back unchanged.
#include "recorder/data/IniValueText.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniValueText(text, "Initialization", "Text0");
    const bool plain = text.find_first_of("\"\\\n\r") == std::string_view::npos &&
                       (text.empty() || (text.front() != ' ' && text.front() != '\t' &&
                                         text.back() != ' ' && text.back() != '\t'));
    if (plain && UnescapeIniValue(text) != text)
        std::abort();
    return 0;
}
