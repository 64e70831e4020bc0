// The state of the one image print under way (guarded by the printing lock).
#pragma once

#include <cstdint>

// Asked with the progress count (0 to 10) while a picture prints; non-zero
// stops the print.
using ImagePrintCallback = int32_t (*)(int32_t progress);

struct ImagePrintState {
    // The print rectangle in device pixels, right and bottom inclusive.
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t progress = 0;  // 0..10
    int32_t aborted = 0;   // the callback said stop
    ImagePrintCallback callback = nullptr;
};
extern ImagePrintState imagePrintState;

void ResetImagePrintRecords();
