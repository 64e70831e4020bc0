// Treatment products for the engine harness: the text form a product is written
// in by hand, its printer, and reading either the text form or a product file
// (.PRD, any of its layouts).
//
//   # comment
//   name = SCALE-X            product name, file name and function text
//   file = SCALEX.PRD
//   function = Barite control
//   header_value = 1          must be above 0 for any dose
//   header_limit = -99        the product limit of dose mode 2 (-99 unset)
//   limit = 21 -99 100        a limit slot: code, lower, upper (-99 unset)
//   component                 starts the next component (up to 28)
//   treated = 21              IndexCode of the treated scale
//   kind = 0                  model kind: 0, 1, 2, 3, 66, 99, 101
//   c5 = 2                    coefficients c1..c12, c14..c17
//   term = 104 1 -99 -99      a kind-99 term: code, transform, lower, upper
//   component_limit = 21 -99 400   one of the component's own limits (up to 7):
//                             code, lower, upper, optionally the flag word
//
// Other header keys: base_code. Other component keys: limit_code, mode, actives,
// share, active_conc, driver_limit, term_coefficient4, depletion1_rate,
// depletion1_threshold, depletion2_rate, depletion2_threshold, ingredient1..3,
// energy_form, dose_scale, dose_mode, pka25, pka_enthalpy, result_switch, name,
// file, function (the first component's texts are the product's).
#pragma once

#include <string>
#include <string_view>

#include "treatment/records.h"

struct ProductFileStatus {
    bool ok = true;
    int line = 0;  // 1-based line of the fault; 0 when no line is at fault
    std::string message;
};

// Parses the text into `out` (a new table: unset limits -99.0). On failure `out`
// is left as it was.
[[nodiscard]] ProductFileStatus ParseProductText(std::string_view text, ProductTable& out);
// The text form of a table: the header, the enabled limit slots and every
// component, numbers written so that they read back to the same bits.
[[nodiscard]] std::string FormatProductText(const ProductTable& t);
// Reads a product: a file named *.PRD (in any case) as a product file, any
// other as the text form. On failure `out` is left as it was.
[[nodiscard]] ProductFileStatus ReadHarnessProduct(const std::string& path, ProductTable& out);
