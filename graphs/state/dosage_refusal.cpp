#include "graphs/state/dosage_refusal.h"

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "platform/win.h"

bool RefuseDosageWithoutProduct(win::HWND owner) {
    if (resultStatus.productSelected != 0 || graphIndexCodes[0] != GraphCode::kDose) return false;
    // The codes change before the box, so the focus coming back when it
    // closes does not ask again.
    graphIndexCodes[0] = 0;
    graphChoice.codes[0] = 0;
    graphChoice.count = 1;
    graphChoice.leadingWord = 0;
    win::MessageBox(owner,
                    "I'm sorry - No Product is selected.  No dosage profile can be displayed.",
                    "WARNING", win::MB_OK | win::MB_ICONINFORMATION);
    return true;
}
