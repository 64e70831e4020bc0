// SELECT PRODUCT (template 26): the user picks a product file of the install
// folder's INHIB folder, or No Product, or leaves with Cancel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

// Clears productChosen and runs the dialog owned by `owner`. A product or No
// Product is a change (the same product again too): ApplyProductChange follows.
// Returns productChosen: non-zero when a product was loaded; Cancel returns 0
// and changes nothing else.
uint32_t OpenSelectProduct(win::HWND owner);

win::INT_PTR SelectProdDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam);

// The folder pattern of the product files: installDir + "\INHIB\*.PRD".
[[nodiscard]] std::string ProductFilePattern();

// The list rows, one per product file in name order: "name<TAB>kind<TAB>FILE"
// for a file that can be read (kind "scale inhibitor" or "corrosion
// inhibitor"), "FILE<TAB>(cannot be read)" for one that cannot.
[[nodiscard]] std::vector<std::string> ProductFileRows();
// The file name a row names.
[[nodiscard]] std::string FileOfProductRow(const std::string& row);

// The refusal of a product file, shown in a "WARNING" box.
[[nodiscard]] std::string ProductRefusalText(const std::string& fileName, const char* reason);
