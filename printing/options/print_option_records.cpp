// Definition of the print option dialogs' saved values.
#include "printing/options/print_option_records.h"

PrintOptionSaved printOptionSaved;

void ResetPrintOptionRecords() {
    printOptionSaved = PrintOptionSaved{};
}
