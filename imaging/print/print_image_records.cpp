#include "imaging/print/print_image_records.h"

ImagePrintState imagePrintState;

void ResetImagePrintRecords() {
    imagePrintState = ImagePrintState{};
}
