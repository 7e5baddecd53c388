// A results form filled as the show operations leave it, printed to PDF and read back.
#include "print_fixture.h"

#include <QSignalBlocker>
#include <QTest>
#include <cstdio>
#include <regex>

#include "platform/print/print_job.h"

void PrintTest::SetUp() {
    dir = std::filesystem::temp_directory_path() /
          ("ombrix_print_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    pdf = dir / "report.pdf";
    ui = std::make_unique<forms::ScriptedUi>();
    form = std::make_unique<TScrResForm>();
}

void PrintTest::TearDown() {
    form.reset();
    ui.reset();
    print::SetReportPdfTarget("");
    print::SetNewPageFaultAfter(-1);
    std::filesystem::remove_all(dir);
}

void PrintTest::Fill(const std::vector<std::pair<std::string, std::string>>& fields) {
    for (const auto& [name, text] : fields) {
        forms::TEdit* edit = form->Field(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->SetText(text);
    }
}

void PrintTest::List(forms::TStringGrid* list, const std::string& key) {
    const QSignalBlocker quiet(list);
    list->SetRowCount(2);
    list->SetCells(0, 1, key);
    list->setCurrentCell(1, 0);
}

void PrintTest::PressPrint(QWidget* page, QWidget* button, int dpi) {
    (void)page;
    ui->AnswerNextPrintDialog(true);
    print::SetReportPdfTarget(pdf.string(), dpi);
    QTest::mouseClick(button, Qt::LeftButton);
}

std::string PrintToPdfText(forms::ScriptedUi& ui, QWidget* button,
                           const std::filesystem::path& pdf) {
    std::filesystem::remove(pdf);
    ui.AnswerNextPrintDialog(true);
    print::SetReportPdfTarget(pdf.string(), 300);
    QTest::mouseClick(button, Qt::LeftButton);
    return CommandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

std::string PrintTest::PdfText() const {
    return CommandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

int PrintTest::PdfPages() const {
    const std::string info = CommandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    std::smatch match;
    if (!std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")))
        return 0;
    return std::stoi(match[1]);
}

std::vector<PdfWord> PrintTest::PdfWords() const {
    const std::string html = CommandOutput("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    std::vector<PdfWord> words;
    int page = 0;
    const std::regex item(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
        "xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), item);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[0].str().rfind("<page", 0) == 0) {
            ++page;
            continue;
        }
        words.push_back({m[4].str(), page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3])});
    }
    return words;
}

void PrintTest::ExpectInOrder(const std::string& text, const std::vector<std::string>& expected) {
    size_t at = 0;
    for (const std::string& piece : expected) {
        const size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos)
            << "\"" << piece << "\" missing after offset " << at << " in:\n"
            << text;
        at = found + piece.size();
    }
}
