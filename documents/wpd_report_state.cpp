// The shared frame of the WordPerfect-format part writers and their state.
#include "documents/wpd_report_state.h"

#include <algorithm>

#include "platform/forms/components.h"
#include "platform/forms/ui_service.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

bool WpdReportState::IsListed(const std::string& path) const {
    return std::any_of(FilesList.begin(), FilesList.end(),
                       [&](const WpdPart& part) { return part.path == path; });
}

void WpdReportState::Record(const WpdPart& part) {
    for (WpdPart& listed : FilesList) {
        if (listed.path == part.path) {
            listed = part;
            return;
        }
    }
    FilesList.push_back(part);
}

void WpdReportState::Unlist(const std::string& path) {
    FilesList.erase(std::remove_if(FilesList.begin(), FilesList.end(),
                                   [&](const WpdPart& part) { return part.path == path; }),
                    FilesList.end());
}

void WpdReportState::Step() const {
    if (StepProgress)
        StepProgress();
}

void WpdReportState::NewRun() {
    FilesList.clear();
    ForgetProblems();
}

void WpdReportState::ForgetProblems() {
    ToldTemplates.clear();
    ReportFailed = false;
}

void WpdReportState::TellTemplateFault(const std::string& templatePath, const std::string& text) {
    if (ToldTemplates.insert(templatePath).second)
        ShowReportError(text);
}

std::string SpeciesCell(const SpeciesRows& rows, int row, int col) {
    if (row < 0 || static_cast<size_t>(row) >= rows.size() || col < 0 || col > 5)
        return "";
    return rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

SpeciesRows SpeciesRowsOf(const forms::TStringGrid& grid) {
    SpeciesRows rows(static_cast<size_t>(std::max(grid.RowCount(), 0)));
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < 6 && col < grid.ColCount(); ++col)
            rows[static_cast<size_t>(row)][static_cast<size_t>(col)] = grid.Cells(col, row);
    }
    return rows;
}

std::string ReportFileName(int kind) {
    return ReportFileName(CurrentPmn.CaseNum, CurrentPmn.ScenNum, kind);
}

std::string TemplatePath(const std::string& templateName) {
    return ProgramFolder + "\\" + templateName;
}

std::string PartPath(const std::string& fileName) {
    return DataFolder + fileName;
}

void ShowReportError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

bool WriteWpdPart(WpdReportState& form, const PartRequest& request,
                  const PlaceholderValues& values) {
    if (request.listPart && !request.rewriteListed && form.IsListed(request.partPath))
        return true;
    form.PartFileName = request.partPath;
    PartFileResult result = MergeTemplateFile(TemplatePath(request.templateName), request.partPath,
                                              request.maxCode, values);
    if (!result.ok) {
        if (result.templateAtFault)
            form.TellTemplateFault(TemplatePath(request.templateName), result.error);
        else
            ShowReportError(result.error);
        return false;
    }
    if (request.listPart)
        form.Record({request.partPath, result.startMarkerOffset, result.endMarkerOffset});
    return true;
}
