// The two passes of the template merge over bytes in memory, and the merge of files.
#include "documents/merge/template_merge.h"

#include "documents/merge/marker_codes.h"
#include "documents/merge/wpd_text.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace {

bool WindowIs(const int window[3], const char* marker) {
    return window[0] == marker[0] && window[1] == marker[1] && window[2] == marker[2];
}

// Code number found at each position (0 = none), from the recorded places.
std::vector<int> CodesByPosition(const TemplateScan& scan, size_t length) {
    std::vector<int> codeAt(length + 1, 0);
    for (size_t n = 1; n < scan.markerPos.size(); ++n) {
        if (scan.markerPos[n] > 0)
            codeAt[static_cast<size_t>(scan.markerPos[n])] = static_cast<int>(n);
    }
    return codeAt;
}

// Whether the three letters from position take in the first letter of a marker that is kept
// whole: filling such a code would swallow the marker.
bool OverlapsKeptMarker(const TemplateScan& scan, std::int64_t position) {
    for (std::int64_t marker : {scan.startMarkerPos, scan.endMarkerPos}) {
        if (marker > position && marker < position + 3)
            return true;
    }
    return false;
}

}  // namespace

TemplateScan ScanTemplate(std::string_view templateBytes, int maxCode) {
    TemplateScan scan;
    if (maxCode < 0)
        maxCode = 0;
    if (maxCode > LastMarkerNumber)
        maxCode = LastMarkerNumber;
    scan.markerPos.assign(static_cast<size_t>(maxCode) + 1, 0);
    int window[3] = {' ', ' ', ' '};
    std::int64_t position = 0;
    for (char byte : templateBytes) {
        ++position;
        window[0] = window[1];
        window[1] = window[2];
        window[2] = static_cast<unsigned char>(byte);
        if (WindowIs(window, StartMarker))
            scan.startMarkerPos = position - 2;
        if (WindowIs(window, EndMarker))
            scan.endMarkerPos = position - 2;
        if (scan.startMarkerPos < 1)
            continue;
        int n = MarkerNumberOf(static_cast<unsigned char>(window[0]),
                               static_cast<unsigned char>(window[1]),
                               static_cast<unsigned char>(window[2]));
        if (n >= 1 && n <= maxCode)
            scan.markerPos[static_cast<size_t>(n)] = position - 2;
    }
    return scan;
}

MergedPart MergeTemplate(std::string_view templateBytes, int maxCode,
                         const PlaceholderValues& values) {
    TemplateScan scan = ScanTemplate(templateBytes, maxCode);
    std::vector<int> codeAt = CodesByPosition(scan, templateBytes.size());
    MergedPart part;
    part.bytes.reserve(templateBytes.size() + templateBytes.size() / 2);
    const auto length = static_cast<std::int64_t>(templateBytes.size());
    std::int64_t position = 1;
    while (position <= length) {
        if (position == scan.startMarkerPos) {
            part.startMarkerOffset = static_cast<std::int64_t>(part.bytes.size());
            part.bytes += StartMarker;
            position += 3;
            continue;
        }
        if (int n = codeAt[static_cast<size_t>(position)];
            n != 0 && !OverlapsKeptMarker(scan, position)) {
            if (std::optional<std::string> value = values(n)) {
                part.bytes += EncodeWpdText(*value);
                position += 3;
                continue;
            }
        }
        if (position == scan.endMarkerPos) {
            // Kept whole: a code that overlaps its last letter is not filled.
            part.endMarkerOffset = static_cast<std::int64_t>(part.bytes.size());
            part.bytes += EndMarker;
            position += 3;
            continue;
        }
        part.bytes += templateBytes[static_cast<size_t>(position - 1)];
        ++position;
    }
    return part;
}

namespace {

PartFileResult TemplateFault(const std::string& templatePath, const std::string& fault) {
    PartFileResult result;
    result.templateAtFault = true;
    result.error = "The report template " + sys::NativePath(templatePath) + " " + fault +
                   ", so no report part is made from it.";
    return result;
}

}  // namespace

PartFileResult MergeTemplateFile(const std::string& templatePath, const std::string& partPath,
                                 int maxCode, const PlaceholderValues& values) {
    std::optional<std::string> bytes = sys::ReadWholeFile(templatePath);
    if (!bytes)
        return TemplateFault(templatePath, "could not be read");
    const TemplateScan markers = ScanTemplate(*bytes, 0);
    if (markers.startMarkerPos < 1)
        return TemplateFault(templatePath, "has no start marker");
    // The assembly takes a part's body from its start marker to its end marker: a part that
    // could not be joined is refused now, not when the report is assembled.
    if (markers.endMarkerPos < markers.startMarkerPos + 3)
        return TemplateFault(templatePath, "has no end marker after its start marker");
    PartFileResult result;
    MergedPart part = MergeTemplate(*bytes, maxCode, values);
    // A part lives until the run assembles its report: it is not flushed to the disk.
    if (!sys::WriteScratchFile(partPath, part.bytes)) {
        result.error = "The report part " + sys::NativePath(partPath) + " could not be written.";
        return result;
    }
    result.ok = true;
    result.startMarkerOffset = part.startMarkerOffset;
    result.endMarkerOffset = part.endMarkerOffset;
    return result;
}
