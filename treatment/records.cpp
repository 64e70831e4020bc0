// Definitions of the treatment-products records.
#include "treatment/records.h"

#include "treatment/files/older_product_records.h"

#include <cstring>

ProductTable productTable;
uint16_t productLoaded;
TreatmentLimitEvaluation treatmentLimitEvaluation;

void ResetTreatmentRecords() {
    std::memset(&productTable, 0, sizeof productTable);
    ProductRecord& first = productTable.records[0];
    std::strcpy(first.name, "None");
    std::strcpy(first.fileName, "No File");
    std::strcpy(first.functionText, "No Function");
    productTable.selection = 0xFFFF;
    productLoaded = 0;
    std::memset(&treatmentLimitEvaluation, 0, sizeof treatmentLimitEvaluation);
    ResetOlderProductRecords();
}
