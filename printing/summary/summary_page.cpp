// The frame and the shared blocks of the summary pages. One layout in
// multiples of c, the average character width of bodyFont, serves the window,
// its metafile copy and the printed page; they differ in the fonts' set-up,
// the backdrop or page picture, the printed captions and the graph's box.
#include "printing/summary/summary_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/two_d_graph_records.h"
#include "input/description_records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/job/printer_dc.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_dates.h"
#include "printing/pictures/backdrop.h"
#include "printing/print_job_records.h"
#include "printing/summary/chemistry_rows.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/page_picture.h"
#include "printing/summary/screen_page_setup.h"
#include "printing/summary/summary_records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/format/sub_sup_text.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"

namespace summarypage {

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr win::COLORREF kLightColour = win::RGB(240, 240, 240);
constexpr win::COLORREF kRuleColour = win::RGB(200, 200, 200);
constexpr win::COLORREF kGraphTextColour = win::RGB(0, 0, 0);
constexpr int kDocInfoSize = 20;

const int kCationOrder[] = {0, 1, 2, 3, 4, 5, 6, 9, 7, 8, 11, 12, 13};
const int kAnionOrder[] = {14, 15, 16, 17, 18, 19, 20, 22, 21, 24, 23, 10};

// Sample texts as typed: no subscripts, in the ANSI twin of the body font.
void PlainText(const Page& p, int x, const char* text, size_t length) {
    win::TextOutA(p.dc, x, LineY(), text, static_cast<int>(length));
}

int TextWidth(const Page& p, const char* text, size_t length) {
    win::SIZE size{};
    win::GetTextExtentPoint32A(p.dc, text, static_cast<int>(length), &size);
    return size.cx;
}

// How many characters of the text fit between x and right: cut after the last
// blank that fits when `atBlank` and there is one, else after the last
// character that fits (at least one, so that a line always moves on).
size_t FittingLength(const Page& p, const char* text, size_t length, int room, bool atBlank) {
    size_t fits = 0;
    while (fits < length && TextWidth(p, text, fits + 1) <= room) ++fits;
    if (fits == length) return length;
    if (atBlank) {
        for (size_t n = fits; n > 0; --n)
            if (text[n] == ' ') return n;
    }
    return std::max<size_t>(1, fits);
}

// A typed text that ends before `right`, the start of the chemistry block: cut
// there, or with `wrap` carried on to the lines below at x. Returns the lines
// used beyond the first.
int TextBefore(const Page& p, int x, int right, const char* text, size_t length, bool wrap) {
    const int room = std::max(1, right - x);
    int extra = 0;
    for (;;) {
        const size_t n = FittingLength(p, text, length, room, wrap);
        PlainText(p, x, text, n);
        if (!wrap || n == length) return extra;
        text += n;
        length -= n;
        while (length > 0 && *text == ' ') ++text, --length;
        if (length == 0) return extra;
        LineY() += p.lh;
        ++extra;
    }
}

// ---- SYSTEM IDENTIFICATION

struct IdentificationEnd {
    int top;       // T: the block's top, where WATER CHEMISTRY starts too
    int tableTop;  // M: the earliest top of the scale table
};

IdentificationEnd Identification(const Page& p, int xi, int ruleColumns, int right) {
    const ReportFonts& f = *p.fonts;
    const int lhs = Use(p, f.headingFont);
    if (!p.landscape) LineY() += 2 * lhs;
    const int top = LineY();
    Text(p, xi, "SYSTEM IDENTIFICATION");
    Use(p, f.bodyFont);
    Rule(p, xi, xi + ruleColumns * p.c, top + lhs);
    LineY() = top + p.lh / 2 + 2 * p.lh;

    Use(p, f.bodyFontAnsi);
    for (int field : {0, 1, 2, 3, 5, 6, 4}) {
        const char* text = p.texts->text[field];
        const size_t length = strnlen(text, sizeof p.texts->text[field]);
        if (length == 0)
            PlainText(p, xi, "  ", 2);
        else
            TextBefore(p, xi, right, text, length, false);
        LineY() += p.lh;
    }
    LineY() += p.lh;

    const WaterAnalysis& header = *p.water.analysis;
    Use(p, f.bodyFont);
    Text(p, xi, "Sample ID#:");
    char number[16];
    std::snprintf(number, sizeof number, "%-5d", header.sampleNumber);
    Text(p, xi + 24 * p.c, number);
    LineY() += p.lh;
    Text(p, xi, "ID");
    Use(p, f.bodyFontAnsi);
    // A long ID goes on over the blank line below it, and further down when
    // it must, rather than into the chemistry block.
    const int extra =
        TextBefore(p, xi + 24 * p.c, right, p.texts->text[7], strnlen(p.texts->text[7], 128), true);
    Use(p, f.bodyFont);
    LineY() += (extra > 0 ? 1 : 2) * p.lh;

    const uint16_t order = unitCodes.code[U::kDateFormat];
    Text(p, xi, "Sample Date:");
    Text(p, xi + 25 * p.c,
         FormatReportDate(header.sampleDate, order) + " at " + FormatSampleTime(header.sampleTime));
    LineY() += p.lh;
    Text(p, xi, "Report Date:");
    Text(p, xi + 25 * p.c, FormatReportDate(header.reportDate, order));
    LineY() += p.lh;
    return IdentificationEnd{top, LineY() + p.lh};
}

// ---- WATER CHEMISTRY

struct Parameter {
    std::string label;
    std::string value;
};

enum ParameterItem { kTemperature, kPh, kConductivity, kResistivity, kTds, kDensity };

Parameter ParameterText(const Page& p, ParameterItem item) {
    const float* v = p.water.analysis->values;
    switch (item) {
        case kTemperature: {
            static const char* const kUnits[] = {"(^oF)", "(^oC)", "(^oK)"};
            const uint16_t unit = unitCodes.code[U::kTemperature];
            return {std::string("Temperature") + (unit < 3 ? kUnits[unit] : ""),
                    Value7(v[E::kTemperature])};
        }
        case kPh:
            return {"Sample pH", Value7(v[E::kPh])};
        case kConductivity:
            return {"Conductivity", Value7(v[E::kConductivity])};
        case kResistivity: {
            const float conductivity = v[E::kConductivity];
            if (IsUndefinedValue(ResistivityOf(conductivity))) return {"Resistivity", "    N/A"};
            double resistivity = 1000000.0 / conductivity;
            if (unitCodes.code[39] == 1) resistivity *= 100.0;
            return {"Resistivity", Value7(static_cast<float>(resistivity))};
        }
        case kTds:
            return {"T.D.S.", Value7(p.water.results[35])};
        case kDensity: {
            char text[kValueTextChars];
            FormatValue7b(text, v[E::kDensity], 3);
            return {unitCodes.code[U::kDensity] == 1 ? "Density(lbs/gal)" : "Sp.Gr.(g/mL)", text};
        }
    }
    return {};
}

void ParameterLine(const Page& p, ParameterItem item, int labelX, int valueX) {
    const Parameter t = ParameterText(p, item);
    Text(p, labelX, t.label);
    RightAligned(p, valueX, t.value);
}

void ParametersBlock(const Page& p, ParametersLayout layout, int x0, int y) {
    const int c = p.c;
    const int rightLabel = x0 + (p.landscape ? 52 : 51) * c;
    const int rightValue = x0 + (p.landscape ? 94 : 90) * c;
    const int saved = LineY();
    LineY() = y;
    Use(p, p.fonts->boldFont);
    Text(p, layout == ParametersLayout::kRight ? x0 + 52 * c : x0 + 2 * c, "PARAMETERS");
    Use(p, p.fonts->bodyFont);
    switch (layout) {
        case ParametersLayout::kLeft:
            for (ParameterItem item :
                 {kTemperature, kPh, kConductivity, kResistivity, kTds, kDensity}) {
                LineY() += p.lh;
                ParameterLine(p, item, x0 + 4 * c, x0 + (p.landscape ? 39 : 38) * c);
            }
            break;
        case ParametersLayout::kRight:
            for (ParameterItem item :
                 {kTemperature, kPh, kConductivity, kTds, kResistivity, kDensity}) {
                LineY() += p.lh;
                ParameterLine(p, item, rightLabel, rightValue);
            }
            break;
        case ParametersLayout::kBottom: {
            const ParameterItem pairs[3][2] = {
                {kTemperature, kPh}, {kConductivity, kDensity}, {kResistivity, kTds}};
            for (const auto& pair : pairs) {
                LineY() += p.lh;
                ParameterLine(p, pair[0], x0 + 4 * c, x0 + 43 * c);
                ParameterLine(p, pair[1], rightLabel, rightValue);
            }
            break;
        }
    }
    LineY() = saved;
}

// Returns the y below the block.
int WaterChemistry(const Page& p, int top, const PageKind& kind) {
    const ReportFonts& f = *p.fonts;
    const int c = p.c;
    const int x0 = PageTextOriginColumns(p.landscape, p.source, p.show) * c;
    summaryPageState.pageTextX = x0;
    Use(p, f.bodyFont);
    LineY() = top;
    const int lhs = Use(p, f.headingFont);
    Text(p, x0 + 2 * c, "WATER CHEMISTRY");
    const int ruleEnd = ChemistryRuleEndColumns(p.printer, p.landscape, p.source, p.show) * c;
    Rule(p, x0 + 2 * c, ruleEnd + 17 * c, top + lhs);
    const int lhb = Use(p, f.boldFont);
    LineY() += 2 * lhb;
    Text(p, x0 + 2 * c, "CATIONS");
    Text(p, x0 + (p.landscape ? 50 : 49) * c, "ANIONS");
    LineY() += lhb;
    Use(p, f.bodyFont);
    const int lowest = LineY() + 11 * p.lh;

    const int nc = static_cast<int>(p.cations.size());
    const int na = static_cast<int>(p.anions.size());
    const ChemistryWalk walk = WalkChemistryRows(kind.placeParameters(nc, na), nc, na, p.lh);
    const int base = LineY();
    for (size_t i = 0; i < walk.rowY.size(); ++i) {
        LineY() = base + walk.rowY[i];
        if (static_cast<int>(i) < nc) DrawReportCations(p.cations[i]);
        if (static_cast<int>(i) < na) DrawReportAnions(p.anions[i]);
        if (static_cast<int>(i) == walk.placement.row)
            ParametersBlock(p, walk.placement.layout, x0, LineY());
    }
    LineY() = base + walk.endY;
    if (!p.landscape && p.mode == OnePageMode::kWindow) LineY() += p.lh;
    return std::max(LineY(), lowest);
}

// ---- the job on the printer

// False when no page is to be drawn: the print dialog was cancelled (the
// abort flag stays set for the command that runs the job) or the job failed.
bool BeginJobIfNeeded(const char* documentName) {
    PrintJobState& job = printJobState;
    if (job.singlePageJob == JobPart::kWholeJob || job.documentOpen == 0) {
        if (BeginPrintJob() == nullptr) return false;
        if (job.printAborted != 0) {
            job.printAborted = 0;
            return false;
        }
        job.docInfo = win::DOCINFOA{};
        job.docInfo.cbSize = kDocInfoSize;
        job.docInfo.lpszDocName = documentName;
        job.docInfo.lpszOutput = nullptr;
        StartPrintAbort(mainWindowState.mainWindow, mainWindowState.instance);
        job.documentOpen = 1;
        (void)CheckedStartDoc();
    }
    return job.printerDC != nullptr;
}

void EndJobIfLast() {
    PrintJobState& job = printJobState;
    if (job.singlePageJob == JobPart::kFirstOrMiddle) return;
    ReleaseReportFont();
    (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
    job.documentOpen = 0;
}

void PrinterGraph(const Page& p, const TableExtent& t, PageGraph graph) {
    ReadAllPageMetrics(p.dc);
    const PrintPageMetrics& m = printJobState.pageMetrics;
    const uint32_t savedSwitch = pagePrinting;
    const int32_t savedHeight = printablePageHeight;
    pagePrinting = 1;
    printablePageHeight = m.usableHeight;
    const int right = p.landscape ? t.right : m.usableWidth - t.left;
    (void)graph(p.dc, p.window, t.left, LineY(), right, m.usableHeight);
    pagePrinting = savedSwitch;
    printablePageHeight = savedHeight;
}

void BuildRowLists(Page& p) {
    for (int item : kCationOrder)
        if (displaySettings.chemistryItemsHidden[item] == 0) p.cations.push_back(item);
    for (int item : kAnionOrder)
        if (displaySettings.chemistryItemsHidden[item] == 0) p.anions.push_back(item);
}

// What a paint must leave as it found it: the grid, the logo layout, the
// page metrics of a print job that may be running, and the row source.
struct Kept {
    ReportPageGrid grid;
    ReportLogoLayout logo;
    PrintPageMetrics metrics;
    SummaryRowSource rows;
    win::HDC drawingDC;
};

}  // namespace

uint32_t PrecipitationShow() {
    return precipitationQuantity <= 2 ? precipitationQuantity : 0;
}

int Use(const Page& p, win::HFONT font) {
    win::SelectObject(p.dc, font);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(p.dc, &tm);
    return std::max(1, static_cast<int>(tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading));
}

int& LineY() {
    return reportPageGrid.lineY;
}

void Text(const Page& p, int x, const std::string& text) {
    TextOutSubSup(p.dc, x, LineY(), text.c_str());
}

void RightAligned(const Page& p, int x, const std::string& text) {
    Text(p, x - GetSubSupTextWidth(p.dc, text.c_str()), text);
}

void Centred(const Page& p, int left, int right, const std::string& text) {
    const int width = GetSubSupTextWidth(p.dc, text.c_str());
    Text(p, left + (right - left - width) / 2, text);
}

void Rule(const Page& p, int x1, int x2, int y) {
    win::HGDIOBJ old = win::SelectObject(p.dc, p.rulePen);
    win::MoveToEx(p.dc, x1, y, nullptr);
    win::LineTo(p.dc, x2, y);
    win::SelectObject(p.dc, old);
}

void Shade(const Page& p, int left, int top, int right, int bottom) {
    win::HGDIOBJ oldBrush = win::SelectObject(p.dc, p.brush);
    win::HGDIOBJ oldPen = win::SelectObject(p.dc, p.lightPen);
    win::Rectangle(p.dc, left, top, right, bottom);
    win::SelectObject(p.dc, oldBrush);
    win::SelectObject(p.dc, oldPen);
}

std::string Value7(float v) {
    char text[kValueTextChars];
    FormatValue7(text, v);
    return text;
}

std::string Value5(float v) {
    char text[kValueTextChars];
    FormatValue5(text, v);
    return text;
}

std::string Saturation(float ratio) {
    if (displaySettings.indexFormat != 1) return Value7(ratio);
    if (!(ratio > 0.0f) || IsUndefinedValue(ratio)) return "    N/A";
    char text[32];
    std::snprintf(text, sizeof text, "%7.2f", std::log10(static_cast<double>(ratio)));
    return text;
}

std::string Amount(float mgPerLitre) {
    if (IsSolverNotReachable(mgPerLitre)) return "    N/A";
    return Value7(PrecipitationInDisplayUnit(mgPerLitre));
}

void DrawSummaryPage(win::HDC dc, int32_t mode, const PageKind& kind) {
    Page p;
    p.mode = mode;
    p.printer = mode != OnePageMode::kWindow;
    p.window = kind.window;
    const Kept kept{reportPageGrid, reportLogoLayout, printJobState.pageMetrics,
                    summaryPageState.rows, summaryPageState.drawingDC};
    auto restoreKept = [&] {
        if (p.printer) {
            reportPageGrid.textWidth = kept.grid.textWidth;
            reportPageGrid.marginX = kept.grid.marginX;
            reportLogoLayout.logoWidth = kept.logo.logoWidth;
        } else {
            reportPageGrid = kept.grid;
            reportLogoLayout = kept.logo;
            printJobState.pageMetrics = kept.metrics;
        }
        summaryPageState.rows = kept.rows;
        summaryPageState.drawingDC = kept.drawingDC;
    };

    int width = 0;
    int height = 0;
    if (p.printer) {
        if (!BeginJobIfNeeded(kind.documentName)) return;
        p.dc = printJobState.printerDC;
        width = win::GetDeviceCaps(p.dc, win::HORZRES);
        height = win::GetDeviceCaps(p.dc, win::VERTRES);
        graphOutputFlags.renderTarget = RenderTarget::kPrinter;
    } else {
        win::RECT r{};
        // The page is laid out on what the window shows: its client area.
        if (dc == nullptr || !win::GetClientRect(p.window, &r)) return;
        p.dc = dc;
        width = std::abs(r.right - r.left);
        height = std::abs(r.bottom - r.top);
    }

    // The surface water as stored, whatever water the form or another job
    // holds in the working records.
    (void)ViewOfWater(WaterSelector::kSurface, p.water);
    p.texts = &waterDescriptions[0];
    p.source = whatIfOptions.wellLogPtSource;
    p.show = PrecipitationShow();
    p.unit = displaySettings.precipitationUnit;
    BuildRowLists(p);
    p.brush = win::CreateSolidBrush(kLightColour);
    p.lightPen = win::CreatePen(win::PS_SOLID, 2, kLightColour);
    p.rulePen = win::CreatePen(win::PS_SOLID, 2, kRuleColour);

    p.landscape = height < width;
    summaryPageState.pageDrawMode =
        p.landscape ? PageDrawMode::kLandscape : PageDrawMode::kPortrait;
    if (p.printer) {
        if (p.landscape)
            (void)SetupLandscapeSummaryPage(76, 0);
        else
            (void)SetupPortraitSummaryPage(84, 184);
        p.fonts = &reportFonts;
    } else {
        if (p.landscape)
            (void)CreateLandscapePageFonts(p.dc, p.window, 68, 166);
        else
            (void)CreatePortraitPageFonts(p.dc, p.window, 68, 126);
        p.fonts = &screenReportFonts;
    }
    reportLogoLayout.logoWidth = 0;
    if (p.printer) (void)CheckedStartPage();

    // The DC's own state, put back when the text is done.
    const win::HGDIOBJ oldFont = win::GetCurrentObject(p.dc, win::OBJ_FONT);
    const int oldBkMode = win::GetBkMode(p.dc);
    win::SelectObject(p.dc, p.fonts->bodyFont);
    win::SetBkMode(p.dc, win::TRANSPARENT);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(p.dc, &tm);
    p.c = PageCharacterUnit(p.dc);
    p.lh = std::max(1, static_cast<int>(tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading));
    ReportPageGrid& g = reportPageGrid;
    g.lineHeight = p.lh;
    g.lineCount = 1;
    win::SetTextColor(p.dc, kTextColour);
    const int w = (p.landscape ? 114 : 97) * p.c;
    const int xi = (p.landscape ? 30 + 34 : 12 + 27) * p.c;
    g.lineY = p.landscape ? p.lh : 3 * p.lh;

    if (p.printer)
        DrawReportPicture(p.dc);
    else
        PaintBackdropBitmap(p.window, p.dc, 0);
    g.textWidth = 82 * p.c + w;

    summaryPageState.drawingDC = p.dc;
    summaryPageState.charUnit = p.c;
    summaryPageState.rows.values = p.water.analysis->values;
    summaryPageState.rows.entered = p.water.enteredValues;

    const int chemistryX = PageTextOriginColumns(p.landscape, p.source, p.show) * p.c;
    const IdentificationEnd id = Identification(p, xi, kind.identificationRule, chemistryX + p.c);
    LineY() = WaterChemistry(p, id.top, kind);
    const TableExtent t = kind.scaleTable(p, id.tableTop);

    win::SetTextColor(p.dc, kGraphTextColour);
    win::SetBkMode(p.dc, oldBkMode);
    win::SelectObject(p.dc, oldFont);
    win::DeleteObject(p.brush);
    win::DeleteObject(p.lightPen);
    win::DeleteObject(p.rulePen);

    if (p.printer) {
        PrinterGraph(p, t, kind.graph);
        (void)CheckedEndPage();
        if (mode == OnePageMode::kPrinterPage) {
            restoreKept();
            return;
        }
        EndJobIfLast();
    } else {
        ReleaseScreenPageFont(p.dc);
        // The charts end half a line above the window's foot, so that their
        // frames' foot line stands clear of its edge.
        win::RECT client{};
        win::GetClientRect(p.window, &client);
        (void)kind.graph(p.dc, p.window, t.left, client.bottom - p.lh / 2, t.right, LineY());
    }
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    restoreKept();
}

}  // namespace summarypage
