// Definition of the result pages' per-class state.
#include "pages/frame/page_state_records.h"

PageState pageStates[kResultPageClassCount];

void ResetPageStateRecords() {
    for (PageState& s : pageStates) {
        s = PageState{};
        s.copiedColumn = -1;
    }
}
