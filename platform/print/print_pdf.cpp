// A printed document as a PDF file: every recorded page is played onto a
// cairo PDF surface the size of the sheet, in printer pixels scaled to
// points and moved by the unprintable margin, so lines and fills stay
// vectors, text stays text with its fonts embedded, and bitmaps become
// images. The file is written through the whole-file writer, so a failed
// job leaves nothing behind and an older document of the name as it was.
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdint>

#include "platform/files/file_table.h"
#include "platform/files/whole_file_write.h"
#include "platform/print/print_job.h"

namespace win {
namespace {

// The open file cairo's output goes to, and the first write that failed.
struct Output {
    HFILE file = HFILE_ERROR;
    bool failed = false;
    DWORD error = ERROR_SUCCESS;  // the failed write's last error
    int systemError = 0;          // and the system's number behind it
};

// cairo's output, handed to the open file. A failed write is remembered and
// the rest of the document dropped, but cairo is told nothing: on its own
// error path it keeps patterns of the page it never frees.
cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
    Output& out = *static_cast<Output*>(closure);
    if (out.failed) return CAIRO_STATUS_SUCCESS;
    if (_lwrite(out.file, data, length) != length) {
        out.failed = true;
        out.error = GetLastError();
        out.systemError = detail::LastErrno();
    }
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool WritePdf(const PrintJob& job, const DeviceCaps& caps, const std::string& path) {
    const double toPoints = 72.0 / caps.logPixelsX;
    const double toPointsY = 72.0 / caps.logPixelsY;
    const HFILE file = OpenReplacementLinux(path);
    if (file == HFILE_ERROR) return false;
    Output out;
    out.file = file;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(WriteToFile, &out, caps.physicalWidth * toPoints,
                                            caps.physicalHeight * toPointsY);
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
    if (out.failed) {
        // The cause of the failed write, whatever ran after it.
        if (out.systemError != 0)
            detail::SetErrno(out.systemError);
        else
            SetLastError(out.error);
    }
    if (!ok || out.failed) {
        AbandonReplacement(file);
        return false;
    }
    return CommitReplacement(file) != FALSE;
}

}  // namespace win
