// A results form filled as the show operations leave it, printed to PDF and read back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/ui_service.h"
#include "results/scr_res_form.h"

// A word of the PDF with the top of its box, in points from the top of its page.
struct PdfWord {
    std::string text;
    int page = 0;
    double x = 0;
    double y = 0;
    double xMax = 0;
};

class PrintTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Fills the named fields of the page with texts.
    void Fill(const std::vector<std::pair<std::string, std::string>>& fields);
    // Lists one release on the page's release list and selects it.
    void List(forms::TStringGrid* list, const std::string& key);
    // Presses the button with the print dialog accepted, printing into the test's PDF file.
    void PressPrint(QWidget* page, QWidget* button, int dpi = 300);

    // The PDF's text as pdftotext lays it out, pages separated by form feeds.
    std::string PdfText() const;
    int PdfPages() const;
    std::vector<PdfWord> PdfWords() const;

  public:
    // The lines of the text whose texts appear in this order, each after the previous one.
    static void ExpectInOrder(const std::string& text, const std::vector<std::string>& expected);

  protected:
    std::filesystem::path dir;
    std::filesystem::path pdf;
    std::unique_ptr<forms::ScriptedUi> ui;
    std::unique_ptr<TScrResForm> form;
};

// Presses a page's "Print Page" button with the print dialog accepted, printing into the PDF
// file; returns the PDF's text as pdftotext lays it out.
std::string PrintToPdfText(forms::ScriptedUi& ui, QWidget* button,
                           const std::filesystem::path& pdf);

// Runs a command and returns what it wrote.
std::string CommandOutput(const std::string& command);
