// Enhanced-metafile stand-ins: a context that records every drawing call,
// the picture it closes into, copies, playback into any context at any
// size, and the frame and description of a picture.
#include <algorithm>
#include <memory>
#include <unordered_set>

#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

struct EnhMetaFileObject {
    std::shared_ptr<const Recording> recording;
    RECT frame;        // 0.01 mm
    RECT frameDevice;  // pixels of the reference device
    std::string description;
};

namespace {

std::unordered_set<EnhMetaFileObject*>& Metafiles() {
    static auto& metafiles = *new std::unordered_set<EnhMetaFileObject*>;
    return metafiles;
}

EnhMetaFileObject* AsMetafile(HENHMETAFILE h) {
    return h != nullptr && Metafiles().count(h) != 0 ? h : nullptr;
}

}  // namespace

HDC CreateEnhMetaFileA(HDC reference, const char* fileName, const RECT* frame,
                       const char* description) {
    if (fileName != nullptr) return nullptr;  // pictures live in memory only
    DeviceContext* ref = nullptr;
    if (reference != nullptr) {
        ref = AsDc(reference);
        if (ref == nullptr) return nullptr;
    }
    const DeviceCaps caps = ref != nullptr ? ref->caps : ScreenCaps();
    if (caps.horzSizeMm <= 0 || caps.vertSizeMm <= 0 || caps.horzRes <= 0 || caps.vertRes <= 0) {
        return nullptr;
    }
    HDC hdc = NewDc(DcKind::Metafile);
    hdc->caps = caps;
    hdc->caps.technology = DT_METAFILE;
    hdc->recording = std::make_shared<Recording>();
    // 0.01 mm to reference pixels and back.
    const double pxPerUnitX = caps.horzRes / (caps.horzSizeMm * 100.0);
    const double pxPerUnitY = caps.vertRes / (caps.vertSizeMm * 100.0);
    if (frame != nullptr) {
        hdc->metaFrame = *frame;
        hdc->metaFrameDevice = RECT{static_cast<LONG>(std::lround(frame->left * pxPerUnitX)),
                                    static_cast<LONG>(std::lround(frame->top * pxPerUnitY)),
                                    static_cast<LONG>(std::lround(frame->right * pxPerUnitX)),
                                    static_cast<LONG>(std::lround(frame->bottom * pxPerUnitY))};
    } else {
        // Without a frame the picture spans the reference device.
        hdc->metaFrameDevice = RECT{0, 0, caps.horzRes, caps.vertRes};
        hdc->metaFrame = RECT{0, 0, caps.horzSizeMm * 100, caps.vertSizeMm * 100};
    }
    if (description != nullptr) {
        // The description is two strings (program, picture) ended by two NULs.
        const char* p = description;
        while (*p != '\0') {
            const std::string part(p);
            if (!hdc->metaDescription.empty()) hdc->metaDescription += ' ';
            hdc->metaDescription += part;
            p += part.size() + 1;
        }
    }
    return hdc;
}

HENHMETAFILE CloseEnhMetaFile(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->kind != DcKind::Metafile) return nullptr;
    auto* mf = new EnhMetaFileObject;
    mf->recording = dc->recording;
    mf->frame = dc->metaFrame;
    mf->frameDevice = dc->metaFrameDevice;
    mf->description = dc->metaDescription;
    Metafiles().insert(mf);
    DestroyDc(dc);
    return mf;
}

HENHMETAFILE CopyEnhMetaFileA(HENHMETAFILE metafile, const char* fileName) {
    EnhMetaFileObject* mf = AsMetafile(metafile);
    if (mf == nullptr || fileName != nullptr) return nullptr;
    auto* copy = new EnhMetaFileObject(*mf);
    Metafiles().insert(copy);
    return copy;
}

BOOL DeleteEnhMetaFile(HENHMETAFILE metafile) {
    EnhMetaFileObject* mf = AsMetafile(metafile);
    if (mf == nullptr) return FALSE;
    Metafiles().erase(mf);
    delete mf;
    return TRUE;
}

BOOL GetEnhMetaFileFrame(HENHMETAFILE metafile, RECT* frame) {
    EnhMetaFileObject* mf = AsMetafile(metafile);
    if (mf == nullptr || frame == nullptr) return FALSE;
    *frame = mf->frame;
    return TRUE;
}

std::string GetEnhMetaFileDescription(HENHMETAFILE metafile) {
    EnhMetaFileObject* mf = AsMetafile(metafile);
    return mf == nullptr ? std::string() : mf->description;
}

BOOL PlayRecording(HDC hdc, const std::shared_ptr<const Recording>& recording,
                   const RECT& frameDevice, const RECT& rect) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || recording == nullptr) return FALSE;
    const int fw = frameDevice.right - frameDevice.left;
    const int fh = frameDevice.bottom - frameDevice.top;
    if (fw == 0 || fh == 0) return FALSE;
    if (dc->recording) {
        // A recording context keeps the picture whole, to be played later.
        Record(*dc, std::make_shared<const ops::Play>(ops::Play{recording, frameDevice, rect}));
        return TRUE;
    }
    if (!DrawsPixels(*dc)) return TRUE;
    // The frame of the picture goes onto the target rectangle.
    const Xform outer = DrawXform(dc->state);
    const DevPoint a = outer.Apply(rect.left, rect.top);
    const DevPoint b = outer.Apply(rect.right, rect.bottom);
    const double sx = (b.x - a.x) / fw;
    const double sy = (b.y - a.y) / fh;
    // What is visible now stays the limit of everything the picture draws.
    DcState& s = dc->state;
    RegionData limit;
    bool hasLimit = true;
    if (s.hasBaseClip && s.hasClip) {
        limit = RegionData::Combine(s.baseClip, s.clip, RGN_AND);
    } else if (s.hasBaseClip || s.hasClip) {
        limit = s.hasBaseClip ? s.baseClip : s.clip;
    } else {
        hasLimit = false;
    }
    const int saved = SaveDC(hdc);
    BitmapObject* bitmap = dc->state.bitmap;
    RetainObject(bitmap);
    InitDefaultState(dc->state);
    dc->state.bitmap = bitmap;  // a memory context keeps drawing on its bitmap
    dc->state.playSx = sx;
    dc->state.playTx = a.x - frameDevice.left * sx;
    dc->state.playSy = sy;
    dc->state.playTy = a.y - frameDevice.top * sy;
    dc->state.hasBaseClip = hasLimit;
    dc->state.baseClip = limit;
    PlayRecords(hdc, *recording);
    RestoreDC(hdc, saved);
    return TRUE;
}

BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE metafile, const RECT* rect) {
    EnhMetaFileObject* mf = AsMetafile(metafile);
    if (mf == nullptr || rect == nullptr) return FALSE;
    return PlayRecording(hdc, mf->recording, mf->frameDevice, *rect);
}

void ResetMetafiles() {
    for (EnhMetaFileObject* mf : Metafiles()) delete mf;
    Metafiles().clear();
}

}  // namespace win
