// The byte-wise template merge: a template's placeholders after its start marker are replaced
// by values, every other byte is copied as it stands.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the first pass finds in a template. Positions are 1-based byte numbers of a marker's
// first letter; 0 means not found.
struct TemplateScan {
    std::int64_t startMarkerPos = 0;      // the last "HOW"
    std::int64_t endMarkerPos = 0;        // the last "XYZ"
    std::vector<std::int64_t> markerPos;  // index n = 1..maxCode: the last code n after a "HOW"
};

// The value of placeholder n, or nothing when the writer leaves the code as it stands. Called
// once per placeholder, in the order the placeholders stand in the template.
using PlaceholderValues = std::function<std::optional<std::string>(int n)>;

// A merged part and where its markers landed: byte offsets (0-based) in the part of the kept
// start marker and of the template's end marker; -1 when the part has none.
struct MergedPart {
    std::string bytes;
    std::int64_t startMarkerOffset = -1;
    std::int64_t endMarkerOffset = -1;
};

// First pass: a code counts only when a start marker has been seen before it, and for a code
// that stands more than once only its last place counts. Codes above maxCode are ignored.
TemplateScan ScanTemplate(std::string_view templateBytes, int maxCode);

// Both passes. The start marker and the last end marker are kept whole; at a placeholder's place
// its value, as body text (EncodeWpdText), replaces the three letters. A code overlapping an
// earlier replaced code or a kept marker (the "XXX" of "XXXYZ") is not filled.
MergedPart MergeTemplate(std::string_view templateBytes, int maxCode,
                         const PlaceholderValues& values);

// The outcome of merging a template file into a part file.
struct PartFileResult {
    bool ok = false;
    std::string error;             // the message for the user when not ok
    bool templateAtFault = false;  // the error is the template's, and names only the template
    std::int64_t startMarkerOffset = -1;
    std::int64_t endMarkerOffset = -1;
};

// Reads the template, merges it and writes the part whole (the part is replaced only by a
// complete file; it is a scratch file, not flushed to the disk). A template that cannot be read, has no start marker or no end marker after it,
// or a part that cannot be written, gives a message naming that file, and no part is written.
PartFileResult MergeTemplateFile(const std::string& templatePath, const std::string& partPath,
                                 int maxCode, const PlaceholderValues& values);
