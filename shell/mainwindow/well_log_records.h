// Whether the well-log description has been entered or loaded in this
// workspace; the product refresh and the well-log summary graph test it.
#pragma once

#include <cstdint>

// Set when the well-log description is entered or loaded; cleared by New.
extern uint32_t wellLogSpecsEntered;

// Set once the 11-station profile of the well-log table (menu 1250) has been
// computed; the menu ticks the well-log items by it.
extern uint32_t wellLogTableFlag;

void ResetWellLogRecords();
