// Graph tests start from zeroed records: no product, ratio display, names in
// titles, degrees F, mpy, every profile table empty.
#pragma once

#include <gtest/gtest.h>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "input/records.h"
#include "platform/win.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace graphtest {

class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        win::ResetGdi();
        ResetEngineRecords();
        ResetTreatmentRecords();
        ResetInputRecords();
        ResetDisplaySettingsRecords();
        ResetWellRecords();
        ResetMixingRecords();
        ResetMixingProfileRecords();
        ResetScenarioRecords();
        ResetGraphsRecords();
        ResetGraphIndexRecords();
        ResetGraphOutputRecords();
        ResetTwoDGraphRecords();
        win::SetDesktopSize(1920, 1200);
    }
    void TearDown() override {
        win::ResetPlatform();
        win::ResetGdi();
    }
};

}  // namespace graphtest
