// The result pages: display texts, pages drawn to an image and printed to PDF.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "consumer/model/case_reset.h"
#include "consumer/output/display_texts.h"
#include "consumer/output/result_pages.h"
#include "consumer/output/result_print.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;
using consumer_test::TestFolder;

struct Case {
    ExposureInputs in;
    ExposureResults er;
    DisplayTexts texts;
};

Case PaintCase() {
    Case c;
    ResetCaseIdentity(c.in);
    ResetExposureInputs(c.in, c.er);
    c.in.IdNumber = "P-01-0001";
    c.in.ProductName = "Wall paint";
    c.in.ScenarioName = "Latex Paint";
    c.in.ScenarioKeyword = "appliedsurfacepaint";
    c.in.ScenarioClass = 2;
    c.in.AgeGroup = 1;
    c.in.Comments = "Painted the kitchen.";
    for (int i = 0; i < kResultCount; ++i)
        c.er[i] = 0.001 * (i + 1);
    c.er[0] = 1.234e-4;
    c.er[17] = 5.5e-3;
    return c;
}

std::string PdfText(const std::string& pdf) {
    return consumer_test::CommandOutput("pdftotext -layout '" + pdf + "' -");
}

TEST(DisplayTexts, FormsAndTheAgeRule) {
    Case c = PaintCase();
    RefreshDisplayTexts(c.in, c.er, c.texts);
    EXPECT_EQ(c.texts.InhLadd, "1.23e-04");
    EXPECT_EQ(c.texts.DermLadd, "5.50e-03");
    EXPECT_EQ(c.texts.Population, "Adult");
    EXPECT_EQ(c.texts.UseDayText.size(), 48u);
    EXPECT_EQ(c.texts.UseDayText.substr(0, 6), "1 1 1 ");
    EXPECT_EQ(c.texts.HourScale, "0                6               12              18");
    EXPECT_EQ(G4(36.0), "36");
    EXPECT_EQ(G4(0.25), "0.25");
    EXPECT_EQ(G4(12345.0), "1.234e+04");
    EXPECT_EQ(G2(12), "12");
    EXPECT_EQ(RoomNameOf(0), "1. Bedroom");
    EXPECT_EQ(RoomNameOf(7), "1. Bedroom");
    c.in.AgeGroup = 3;
    c.er[17] = kNotApplicable;
    RefreshDisplayTexts(c.in, c.er, c.texts);
    EXPECT_EQ(c.texts.InhLadd, "N/A");
    EXPECT_EQ(c.texts.InhAddAt, "N/A");
    EXPECT_NE(c.texts.InhAdr, "N/A");
    EXPECT_EQ(c.texts.DermLadd, "N/A");
    EXPECT_EQ(c.texts.Population, "Child(age 6-10)");
    c.in.ScenarioName = kUserDefined;
    RefreshDisplayTexts(c.in, c.er, c.texts);
    EXPECT_EQ(c.texts.InhLadd, "1.23e-04");
}

TEST(CommentsPage, WrapsAtTheFirstBlankFromSeventy) {
    std::string comment = std::string(75, 'a') + " " + std::string(64, 'b');
    std::vector<std::string> lines = CommentLines(comment);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Comments:");
    EXPECT_EQ(lines[1].size(), 75u);
    EXPECT_EQ(lines[2].size(), 64u);
    EXPECT_EQ(CommentLines(std::string(70, 'x')).size(), 2u);
    EXPECT_EQ(CommentLines(""), (std::vector<std::string>{"Comments:", ""}));
    // No blank: cut at 79 characters; never more than 100 lines.
    std::vector<std::string> solid = CommentLines(std::string(200, 'z'));
    EXPECT_EQ(solid[1].size(), 79u);
    EXPECT_EQ(CommentLines(std::string(20000, 'z')).size(), 100u);
}

TEST(ResultPages, DrawTheSamePageOnAnImage) {
    Case c = PaintCase();
    RefreshDisplayTexts(c.in, c.er, c.texts);
    ResultPageSource source{c.in, c.er, c.texts, 0, 1};
    using Draw = void (*)(QPainter&, const ResultPageSource&);
    for (Draw draw : {Draw(DrawInputsPage), Draw(DrawInhalationPage), Draw(DrawDermalPage)}) {
        QImage image(kResultPageWidth, kResultPageHeight, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QPainter painter(&image);
        draw(painter, source);
        painter.end();
        // The frame: black edges, the window's grey inside.
        EXPECT_EQ(image.pixelColor(99, 200), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(400, 29), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(105, 520), QColor(192, 192, 192));
        // Text was drawn inside the page.
        int dark = 0;
        for (int y = 35; y < 130; ++y) {
            for (int x = 110; x < 690; ++x)
                dark += image.pixelColor(x, y).lightness() < 80;
        }
        EXPECT_GT(dark, 200);
    }
    // The dermal page's own age rule.
    c.in.AgeGroup = 2;
    QImage image(kResultPageWidth, kResultPageHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawDermalPage(painter, source);
    EXPECT_EQ(c.texts.DermLadd, "N/A");
}

// On paper the page is white inside its frame; the window keeps its grey.
TEST(ResultPages, PrintedPagesAreWhiteInsideTheFrame) {
    Case c = PaintCase();
    RefreshDisplayTexts(c.in, c.er, c.texts);
    ResultPageSource source{c.in, c.er, c.texts, 0, 2};
    // A letter page at 100 dpi: the window's 800 units become 850 pixels.
    QImage paper(850, 1100, QImage::Format_RGB32);
    for (int page = 1; page <= 3; ++page) {
        paper.fill(Qt::gray);
        QPainter painter(&paper);
        DrawPrintedPage(painter, page, QRectF(0, 0, 850, 1100), 100, source, "");
        painter.end();
        EXPECT_EQ(paper.pixelColor(112, 553), QColor(Qt::white)) << page;
        EXPECT_EQ(paper.pixelColor(740, 40), QColor(Qt::white)) << page;
    }
}

TEST(ResultPages, PrintoutHasFourPagesInPdf) {
    TestFolder folder("kivprint");
    for (int scenarioClass : {2, 0}) {
        Case c = PaintCase();
        c.in.ScenarioClass = scenarioClass;
        RefreshDisplayTexts(c.in, c.er, c.texts);
        ResultPageSource source{c.in, c.er, c.texts, 0, 2};
        std::string pdf = folder.File("results" + std::to_string(scenarioClass) + ".pdf");
        auto job = print::PrintJob::ToPdf(pdf, "Results");
        ASSERT_TRUE(PrintResultPages(*job, source, c.in.Comments));
        std::string text = PdfText(pdf);
        EXPECT_NE(text.find("KIV Inputs"), std::string::npos);
        EXPECT_NE(text.find("KIV Dermal Exposure Estimates"), std::string::npos);
        EXPECT_NE(text.find("Comments:"), std::string::npos);
        EXPECT_NE(text.find("Painted the kitchen."), std::string::npos);
        // Four pages, separated by form feeds.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 4);
        bool inhalation = text.find("KIV Inhalation Exposure Estimates") != std::string::npos;
        EXPECT_EQ(inhalation, scenarioClass != 0);
        if (scenarioClass == 0) {
            EXPECT_NE(text.find("There are no Inhalation inputs for this scenario."),
                      std::string::npos);
        }
    }
}

}  // namespace
