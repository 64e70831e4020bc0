// A printed document as a PDF file: every recorded page is played onto a
// cairo PDF surface the size of the sheet, in printer pixels scaled to
// points and moved by the unprintable margin, so lines and fills stay
// vectors, text stays text with its fonts embedded, and bitmaps become
// images. The file is written under a temporary name and renamed when
// complete, so a failed job leaves nothing behind.
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdio>

#include "platform/print/print_job.h"

namespace win {

bool WritePdf(const PrintJob& job, const DeviceCaps& caps, const std::string& path) {
    const double toPoints = 72.0 / caps.logPixelsX;
    const double toPointsY = 72.0 / caps.logPixelsY;
    const std::string partial = path + ".partial";
    cairo_surface_t* surface = cairo_pdf_surface_create(
        partial.c_str(), caps.physicalWidth * toPoints, caps.physicalHeight * toPointsY);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        std::remove(partial.c_str());
        return false;
    }
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, job.docName.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Tarvex");
    cairo_t* cr = cairo_create(surface);
    HDC page = NewDc(DcKind::Vector);
    page->caps = caps;
    page->vector = cr;
    page->greyInk = caps.numColors == 2;  // a mono printer
    const RECT area{0, 0, caps.horzRes, caps.vertRes};
    for (const std::shared_ptr<const Recording>& recording : job.pages) {
        cairo_save(cr);
        cairo_scale(cr, toPoints, toPointsY);
        cairo_translate(cr, caps.offsetX, caps.offsetY);
        cairo_rectangle(cr, 0, 0, caps.horzRes, caps.vertRes);
        cairo_clip(cr);
        InitDefaultState(page->state);
        PlayRecording(page, recording, area, area);
        cairo_restore(cr);
        cairo_show_page(cr);
    }
    DestroyDc(page);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

}  // namespace win
