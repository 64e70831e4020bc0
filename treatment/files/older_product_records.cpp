// Definition of the older product state.
#include "treatment/files/older_product_records.h"

#include <cstring>

OlderProductState olderProduct;

void ResetOlderProductRecords() {
    std::memset(&olderProduct, 0, sizeof olderProduct);
}
