// Device capabilities of a context, and the reset of the whole drawing layer.
#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/print/print_job.h"

namespace win {

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return 0;
    const DeviceCaps& c = dc->caps;
    switch (index) {
        case DRIVERVERSION:
            return c.driverVersion;
        case TECHNOLOGY:
            return c.technology;
        case HORZSIZE:
            return c.horzSizeMm;
        case VERTSIZE:
            return c.vertSizeMm;
        case HORZRES:
            return c.horzRes;
        case VERTRES:
            return c.vertRes;
        case BITSPIXEL:
            return c.bitsPixel;
        case PLANES:
            return c.planes;
        case NUMCOLORS:
            return c.numColors;
        case RASTERCAPS:
            return c.rasterCaps;
        case LOGPIXELSX:
            return c.logPixelsX;
        case LOGPIXELSY:
            return c.logPixelsY;
        case SIZEPALETTE:
            return c.sizePalette;
        case PHYSICALWIDTH:
            return c.physicalWidth;
        case PHYSICALHEIGHT:
            return c.physicalHeight;
        case PHYSICALOFFSETX:
            return c.offsetX;
        case PHYSICALOFFSETY:
            return c.offsetY;
        default:
            return 0;
    }
}

void ResetGdi() {
    ResetPrintJobs();
    ResetDcs();
    ResetMetafiles();
    ResetObjects();
}

}  // namespace win
