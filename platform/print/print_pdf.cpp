// A printed document as a PDF file: every recorded page is played onto a
// cairo PDF surface the size of the sheet, in printer pixels scaled to
// points and moved by the unprintable margin, so lines and fills stay
// vectors, text stays text with its fonts embedded, and bitmaps become
// images. The file is written through the whole-file writer, so a failed
// job leaves nothing behind and an older document of the name as it was.
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdint>

#include "platform/files/whole_file_write.h"
#include "platform/print/print_job.h"

namespace win {
namespace {

// cairo's output, handed to the open file; a failed write fails the surface.
cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
    const HFILE file = static_cast<HFILE>(reinterpret_cast<std::intptr_t>(closure));
    return _lwrite(file, data, length) == length ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool WritePdf(const PrintJob& job, const DeviceCaps& caps, const std::string& path) {
    const double toPoints = 72.0 / caps.logPixelsX;
    const double toPointsY = 72.0 / caps.logPixelsY;
    const HFILE file = OpenReplacementLinux(path);
    if (file == HFILE_ERROR) return false;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
        WriteToFile, reinterpret_cast<void*>(static_cast<std::intptr_t>(file)),
        caps.physicalWidth * toPoints, caps.physicalHeight * toPointsY);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        AbandonReplacement(file);
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
    if (!ok) {
        AbandonReplacement(file);
        return false;
    }
    return CommitReplacement(file) != FALSE;
}

}  // namespace win
