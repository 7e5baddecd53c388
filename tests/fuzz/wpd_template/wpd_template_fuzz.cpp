// Fuzz target: the template merge over any bytes as a template. The markers it reports lie where
// it says, each recorded code stands where it was recorded, and 7-bit text passes unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "documents/merge/marker_codes.h"
#include "documents/merge/template_merge.h"
#include "documents/merge/wpd_text.h"

namespace {

bool HoldsAt(const std::string& bytes, std::int64_t offset, const char* marker) {
    return offset >= 0 && static_cast<std::size_t>(offset) + 3 <= bytes.size() &&
           bytes.compare(static_cast<std::size_t>(offset), 3, marker) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TemplateScan scan = ScanTemplate(bytes, LastMarkerNumber);
    for (int n = 1; n <= LastMarkerNumber; ++n) {
        std::int64_t at = scan.markerPos[static_cast<std::size_t>(n)];
        if (at == 0)
            continue;
        std::size_t i = static_cast<std::size_t>(at - 1);
        if (i + 3 > bytes.size() || MarkerNumberOf(bytes[i], bytes[i + 1], bytes[i + 2]) != n)
            std::abort();
    }
    // Values that hold the markers themselves, line breaks and a letter outside 7 bits.
    static const char* const kValues[] = {"", "x", "HOW", "XYZ", "caf\xC3\xA9\r\n", "AAA"};
    MergedPart part =
        MergeTemplate(bytes, LastMarkerNumber, [](int n) -> std::optional<std::string> {
            if (n % 7 == 0)
                return std::nullopt;
            return std::string(kValues[n % 6]);
        });
    if (part.startMarkerOffset >= 0 && !HoldsAt(part.bytes, part.startMarkerOffset, StartMarker))
        std::abort();
    if (part.endMarkerOffset >= 0 && !HoldsAt(part.bytes, part.endMarkerOffset, EndMarker))
        std::abort();

    std::string encoded = EncodeWpdText(bytes);
    bool printable = true;
    for (char c : bytes)
        printable = printable && ((c >= 0x20 && c < 0x7F) || c == '\n');
    if (printable && encoded != bytes)
        std::abort();
    return 0;
}
