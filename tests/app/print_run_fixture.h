// Whole runs that print: a printer "PDF" writing into out/, the print records
// fresh before and after each test, and the PDFs the run wrote.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pages/commands/page_printers.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_page_records.h"
#include "printing/print_job_records.h"
#include "shell/whatif/scenario_views.h"
#include "tests/app/program_run_fixture.h"

class PrintRunFixture : public ProgramRunFixture {
  protected:
    void SetUp() override {
        ProgramRunFixture::SetUp();
        FreshPrinting();
        std::filesystem::create_directories(folder / "out");
        std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
    }
    void TearDown() override {
        DeleteReportFonts();
        FreshPrinting();
        ProgramRunFixture::TearDown();
    }
    static void FreshPrinting() {
        ResetPrintJobRecords();
        ResetReportPageRecords();
        ResetPagePrinters();
        ResetScenarioViews();
    }
    // Every PDF under the run's folder, in name order.
    std::vector<std::filesystem::path> Pdfs() const {
        std::vector<std::filesystem::path> pdfs;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
            if (e.path().extension() == ".pdf") pdfs.push_back(e.path());
        std::sort(pdfs.begin(), pdfs.end());
        return pdfs;
    }
    // The text of a PDF (or of its page `page`, from 1) as pdftotext lays it out.
    static std::string Text(const std::filesystem::path& pdf, int page = 0) {
        const std::string pages =
            page > 0 ? "-f " + std::to_string(page) + " -l " + std::to_string(page) + " " : "";
        return Tool("pdftotext " + pages + "-layout '" + pdf.string() + "' -");
    }
};
