// The saves of the two dilution pages: the page's result rows into the dilution row file, the
// page's report part, and the report under the name the user chose.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "dilution/pdm_results.h"
#include "documents/merge/report_numbers.h"
#include "documents/wpd_assembly.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "results/dilution_row_file.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_save.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/text_helpers.h"

namespace {

// What differs between the two pages' saves.
struct PageSave {
    ReportPart part;
    DilutionRowKind kind;
    forms::TStringGrid* grid;
    QComboBox* chemicalList;
    forms::TButton* saveButton;
    forms::TButton* submitAndSave;
    int* resultRows;
    const char* namePart;          // before the extension in the proposed name
    const char* fallbackBaseTail;  // after the case number in the fallback base name
    const char* fallbackNameTail;  // after the fallback base name, before the extension
    const char* savedText;
    const char* savedCaption;
};

PageSave SitePage(TScrResForm& form) {
    return {ReportPart::PdmSite,
            DilutionRowKind::Site,
            form.PdmSiteResultsList,
            form.ChemListSoloPdmSite,
            form.SavePdmSite,
            form.SubmitAndSaveSite,
            &PdmSiteResultRows,
            ".pdmsite",
            "",
            ".pdmsite",
            "File has been saved as ",
            "Note"};
}

PageSave IndustryCodePage(TScrResForm& form) {
    return {ReportPart::PdmSic,
            DilutionRowKind::IndustryCode,
            form.PdmSicResultsList,
            form.ChemListSoloPdmSic,
            form.SavePdmSic,
            form.SubmitAndSaveSic,
            &PdmSicResultRows,
            ".pdmsic",
            "pdmsic",
            "",
            "Final report stored as ",
            "Calculations Complete"};
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

// Rows 1 and on of a result grid, each as its cells.
std::vector<std::vector<std::string>> ResultRows(const forms::TStringGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row < grid.RowCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.push_back(grid.Cells(col, row));
        rows.push_back(cells);
    }
    return rows;
}

// The document the Word-format part was written to: the first listed part.
std::string FirstPartDocument(const TScrResForm& form) {
    if (!form.Report.FilesList.empty())
        return form.Report.FilesList.front().path;
    return form.FilesList->Cells(0, 0);
}

// Keeps the page's result row count at the rows written while the part writer runs, so the
// part's table has a line for every row of the dilution row file; the count comes back after.
class ResultRowsDuringWrite {
  public:
    ResultRowsDuringWrite(int* counter, int rowsWritten) : counter_(counter), kept_(*counter) {
        if (PdmPagesActive)
            *counter_ = rowsWritten > 0 ? rowsWritten : 1;
    }
    ~ResultRowsDuringWrite() { *counter_ = kept_; }
    ResultRowsDuringWrite(const ResultRowsDuringWrite&) = delete;
    ResultRowsDuringWrite& operator=(const ResultRowsDuringWrite&) = delete;

  private:
    int* counter_;
    int kept_;
};

bool WordPageWritersMissing() {
    if (WordWriters().WritePdmPageDoc && WordWriters().SavePdmDocument)
        return false;
    forms::Ui().MessageBox(
        "Word-format reports are not available in this version; choose the WordPerfect format "
        "on the main page for a report.",
        "Note", forms::Buttons::Ok, forms::Icon::Information);
    return true;
}

// Copies the report to the chosen name; the same file under another spelling needs no copy
// (a copy onto itself would lose it). The user is told when the copy failed.
bool CopyReport(const std::string& report, const std::string& target) {
    if (sys::CanonicalPath(report) == sys::CanonicalPath(target))
        return true;
    if (CopyFileBytes(report, target))
        return true;
    ShowError("The report could not be saved as " + sys::NativePath(target) +
              ". The report written is " + sys::NativePath(report) + ".");
    return false;
}

// Writes the page's part and returns the report to hand to the user ("" when none was made).
// A WordPerfect-format report of one page part is stored under the page's own name: the name of
// the chemical's report belongs to the full run's report, which it must not replace.
std::string WritePageReport(TScrResForm& form, const PageSave& page, int rowsWritten,
                            const std::string& pageReportName) {
    ResultRowsDuringWrite rows(page.resultRows, rowsWritten);
    form.Report.ForgetProblems();  // each save is a report of its own
    if (WordPerfectReports()) {
        if (!WriteReportPart(form, page.part))
            return "";
        return AssembleWpdReport(form.Report, pageReportName).value_or("");
    }
    if (!WordWriters().WritePdmPageDoc(form, page.part))
        return "";
    return FirstPartDocument(form);
}

void SavePdmPage(TScrResForm& form, const PageSave& page) {
    const std::vector<std::vector<std::string>> gridRows = ResultRows(*page.grid);
    const int rowsWritten = FilledDilutionRows(gridRows);
    if (!WriteDilutionRowFile(DilutionRowFileName, PageDilutionRowText(page.kind, gridRows))) {
        ShowError("The dilution results could not be written to " +
                  sys::NativePath(sys::JoinPath(sys::WorkingFolder(), DilutionRowFileName)) +
                  ", so no report was saved.");
        return;
    }
    pmn_record& r = CurrentPmn;
    // Outside the stand-alone pages the chemical list is empty; the record names the chemical.
    const std::string chosenChemical = page.chemicalList->currentText().toStdString();
    if (!chosenChemical.empty())
        r.CaseNum = chosenChemical;
    const sys::WorkingFolderGuard backHere(sys::WorkingFolder());
    const bool wordPerfect = WordPerfectReports();
    const std::string extension = wordPerfect ? ".wpd" : ".doc";
    const std::string caseName = SafeFileNameComponent(r.CaseNum);
    std::string fileName = caseName + page.namePart + extension;
    form.ReportBaseName = DataFolder + fileName;
    if (!form.SaveWithoutAsking) {
        forms::FileDialogRequest request;
        request.title = "Select a name for your output file.";
        request.filter = wordPerfect ? "WordPerfect documents (*.wpd);;All files (*)"
                                     : "Word documents (*.doc);;All files (*)";
        request.initialFolder = DataFolder;
        request.initialName = fileName;
        const std::optional<std::string> chosen = forms::Ui().SaveFileDialog(request);
        if (!chosen)
            return;
        fileName = *chosen;
    }
    form.ReportBaseName = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
    if (!FolderIsWritable(sys::FolderPart(fileName))) {
        form.ReportBaseName = DataFolder + caseName + page.fallbackBaseTail;
        fileName = form.ReportBaseName + page.fallbackNameTail + extension;
    }
    if (!wordPerfect && WordPageWritersMissing())
        return;
    const std::string report =
        WritePageReport(form, page, rowsWritten, DataFolder + caseName + page.namePart + extension);
    page.saveButton->hide();
    page.submitAndSave->hide();
    if (report.empty())
        return;  // the writer or the assembly told the user what failed
    if (!form.SaveWithoutAsking) {
        if (CopyReport(report, fileName))
            forms::Ui().MessageBox(page.savedText + sys::NativePath(fileName), page.savedCaption,
                                   forms::Buttons::Ok, forms::Icon::Information);
        return;
    }
    if (!wordPerfect) {
        // The part document is finished where it lies; that document is the one handed on.
        WordWriters().SavePdmDocument(form);
        CopyReport(report, fileName + ".doc");
    }
}

// The help button takes the focus; the result grids stay as they are meanwhile.
void FocusHelp(TScrResForm& form, forms::TButton* help) {
    form.KeepPdmResults = true;
    help->setFocus();
    form.KeepPdmResults = false;
}

}  // namespace

bool FolderIsWritable(const std::string& folder) {
    static unsigned serial = 0;
    const std::string place = folder.empty() ? sys::WorkingFolder() : folder;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string probe = sys::JoinPath(
            place, sys::Format(".write-test-%ld-%u", static_cast<long>(::getpid()), ++serial));
        // "x": the probe is a file of its own, never one that was there before.
        std::FILE* file = sys::OpenFile(probe, "wx");
        if (!file) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        std::fclose(file);
        sys::DeleteFile(probe);
        return true;
    }
    return false;
}

void TScrResForm::SavePdmSiteClick() {
    SavePdmPage(*this, SitePage(*this));
    FocusHelp(*this, PdmSiteHelp);
}

void TScrResForm::SavePdmSicClick() {
    SavePdmPage(*this, IndustryCodePage(*this));
    FocusHelp(*this, PdmSicHelp);
}
