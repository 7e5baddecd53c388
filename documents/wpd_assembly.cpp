// The assembly of the final WordPerfect-format report.
#include "documents/wpd_assembly.h"

#include <vector>

#include "dilution/pdm_results.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/report_numbers.h"
#include "documents/merge/template_merge.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

namespace {

constexpr const char* kSeparatorName = "blank.wpd";

bool HoldsMarker(const std::string& bytes, std::int64_t offset, const char* marker) {
    return offset >= 0 && static_cast<size_t>(offset) + 3 <= bytes.size() &&
           bytes.compare(static_cast<size_t>(offset), 3, marker) == 0;
}

std::string Native(const std::string& path) {
    return sys::NativePath(path);
}

// A part as read, with the places of its markers checked.
struct ReadPart {
    std::string bytes;
    std::string body;
};

std::optional<ReadPart> ReadListedPart(const WpdPart& part) {
    std::optional<std::string> bytes = sys::ReadWholeFile(part.path);
    if (!bytes) {
        ShowReportError("The report part " + Native(part.path) +
                        " could not be read; it is left out of the report.");
        return std::nullopt;
    }
    std::optional<std::string> body =
        PartBody(*bytes, part.startMarkerOffset, part.endMarkerOffset);
    if (!body) {
        ShowReportError("The report part " + Native(part.path) +
                        " has changed since it was written; it is left out of the report.");
        return std::nullopt;
    }
    return ReadPart{std::move(*bytes), std::move(*body)};
}

// The separator's body: it holds no values, so its markers are found by scanning it.
std::optional<std::string> SeparatorBody() {
    std::string path = TemplatePath(kSeparatorName);
    std::optional<std::string> bytes = sys::ReadWholeFile(path);
    if (bytes) {
        TemplateScan scan = ScanTemplate(*bytes, 0);
        if (auto body = PartBody(*bytes, scan.startMarkerPos - 1, scan.endMarkerPos - 1))
            return body;
    }
    ShowReportError("The report template " + Native(path) +
                    " could not be read or has no markers, so no report was stored.");
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PartBody(const std::string& bytes, std::int64_t startMarkerOffset,
                                    std::int64_t endMarkerOffset) {
    if (!HoldsMarker(bytes, startMarkerOffset, StartMarker) ||
        !HoldsMarker(bytes, endMarkerOffset, EndMarker) || endMarkerOffset < startMarkerOffset + 3)
        return std::nullopt;
    size_t from = static_cast<size_t>(startMarkerOffset) + 3;
    return bytes.substr(from, static_cast<size_t>(endMarkerOffset) - from);
}

std::optional<std::string> AssembleWpdReport(WpdReportState& form) {
    return AssembleWpdReport(form, DataFolder + FinalReportFileName(CurrentPmn.CaseNum, ".wpd"));
}

std::optional<std::string> AssembleWpdReport(WpdReportState& form, const std::string& finalName) {
    form.PartFileName = "results";
    if (form.FilesList.empty()) {
        ShowReportError("No report part was written, so no report was stored.");
        return std::nullopt;
    }
    const WpdPart& first = form.FilesList.front();
    std::optional<ReadPart> head = ReadListedPart(first);
    if (!head)
        return std::nullopt;
    std::optional<std::string> separator = SeparatorBody();
    if (!separator)
        return std::nullopt;

    const auto start = static_cast<size_t>(first.startMarkerOffset);
    const auto end = static_cast<size_t>(first.endMarkerOffset);
    std::string report = head->bytes.substr(0, start) + head->body;
    std::vector<std::string> joined{first.path};
    for (size_t i = 1; i < form.FilesList.size(); ++i) {
        form.Step();
        std::optional<ReadPart> part = ReadListedPart(form.FilesList[i]);
        if (!part)
            continue;
        report += *separator + part->body;
        joined.push_back(form.FilesList[i].path);
    }
    report += head->bytes.substr(end + 3);

    form.Step();
    if (!sys::WriteWholeFile(finalName, report)) {
        ShowReportError("The report " + Native(finalName) +
                        " could not be written; its parts are kept.");
        return std::nullopt;
    }
    if (!PdmPagesActive) {
        for (const std::string& path : joined)
            sys::DeleteFile(path);
    }
    return finalName;
}
