// What a product must hold to be used: texts that end within their slots and
// hold printable characters, and figures inside the ranges the dose model
// gives them. The product file reader and the work file reader (which stores
// the current product) both refuse a product that fails.
#pragma once

#include <cmath>
#include <string>

#include "treatment/records.h"

// An empty text when the first `checkedComponents` components and the header of
// `t` may be used; otherwise why not, for example "component 2: actives of
// 1e+30 percent are outside 0 to 100".
[[nodiscard]] std::string ProductTableFault(const ProductTable& t, int checkedComponents);

// An empty text when every real of `t` is finite and of a magnitude of at most
// `largest`; otherwise why not.
[[nodiscard]] std::string ProductNumbersFault(const ProductTable& t, double largest = HUGE_VAL);

// True when the text slot of `size` bytes ends within itself and holds only
// printable characters (Windows-1252 letters and signs included) before its end.
[[nodiscard]] bool PrintableText(const char* slot, size_t size);
