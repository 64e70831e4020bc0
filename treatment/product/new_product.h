// Putting the current product back to a known state: the empty product of a
// reset (InitNewProduct) and the "None" product of start-up and No Product.
#pragma once

#include <cstdint>

#include "treatment/files/older_product_records.h"
#include "treatment/records.h"

// Clears the current product and the older product state. With a non-zero
// switch it also writes a new product's texts and unset limits into both:
// product name "NEW PRODUCT", file name "*.PRD", use (function) text
// "NEW PROD USE", base code 99, header and slot bounds -99.0; every component
// named "NEW PRODUCT" with the texts "NONE SELECTED" and bounds -99.0.
void InitNewProduct(uint16_t newProductTexts);

// The working forms.
void InitNewProduct(uint16_t newProductTexts, ProductTable& table, OlderProductState& older);
// The product that is no product: every byte zero, record 0 named "None" with
// "No File" and "No Function", the selection word 0xFFFF.
void SetNoProduct(ProductTable& table);
