// Probes of open pages for scripts and tests.
#include "pages/frame/page_probe.h"

#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "pages/frame/page_state_records.h"
#include "platform/window/window.h"
#include "reporttext/report_buffer_records.h"
#include "reporttext/writers/text_writers.h"

std::string PagePlainText(PageClass page) {
    const PageDescriptor& d = DescriptorOf(page);
    const ReportBuilder build = FindReportBuilder(d.layout);
    if (build == nullptr) return "";
    const ReportSource source = PageReportSource(page);
    ReportDocument document;
    document.parts.emplace_back();
    build(source, document.parts.back());
    std::string text = WritePlainText(ComposeDocument(document), reportBuffer.leftMargin);
    if (!text.empty()) text.pop_back();  // the NUL
    return text;
}

win::POINT PageCellPoint(PageClass page, win::HWND hwnd, int column, int line) {
    const PageMetrics m = MeasurePageFont(page, hwnd);
    const int position = win::GetScrollPos(hwnd, win::SB_VERT);
    const int y = (DescriptorOf(page).firstLine - position + line) * m.lineHeight;
    return win::POINT{column * m.cellWidth + m.cellWidth / 2, y + m.lineHeight / 2};
}
