// The low-pH warning's text, caption and flag.
#include <gtest/gtest.h>

#include "engine/dose/dose_records.h"
#include "engine/dose/low_ph_warning.h"
#include "platform/drivers/script.h"

TEST(LowPredictedPhWarning, ShowsTheValuesAndSetsTheFlag) {
    win::ClearMessageBoxLog();
    lowPhWarned = 0;
    WarnLowPredictedpH(5.456f, 77.0f, 1.5f);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    const win::MessageBoxRecord& box = win::MessageBoxLog()[0];
    EXPECT_EQ(box.caption, "WARNING");
    EXPECT_EQ(box.text,
              "The predicted pH is lower than expected at:\n"
              "Temperature: 77.00  pH:  5.46  Concentration ratio:  1.50\n"
              "  Alkalinity adjusted upward based\n"
              "upon pH-Alkalinity curve to increase pH!");
    EXPECT_EQ(lowPhWarned, 1);
}
