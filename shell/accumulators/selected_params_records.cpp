// Definitions of the selected-parameter sums and the one-page data flag.
#include "shell/accumulators/selected_params_records.h"

SelectedParamAccumulators selectedParams;
uint32_t onePageDataFlag;

void ResetSelectedParamsRecords() {
    selectedParams = SelectedParamAccumulators{};
    onePageDataFlag = 0;
}
