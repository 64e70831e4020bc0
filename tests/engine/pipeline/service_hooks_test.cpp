// The hooks through which the engines reach the progress window and the Choose
// Graphs dialog.
#include "engine/pipeline/service_hooks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string trace;

int RecordShow() {
    trace += "show;";
    return 1;
}
void RecordPos(int32_t percent, int32_t seconds) {
    trace += "pos " + std::to_string(percent) + " " + std::to_string(seconds) + ";";
}
void RecordClose() {
    trace += "close;";
}
int RecordChoose(win::HWND owner) {
    trace += owner ? "choose owned;" : "choose;";
    return 2;
}

class ServiceHooksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        trace.clear();
        ResetServiceHooks();
    }
    void TearDown() override { ResetServiceHooks(); }
};

TEST_F(ServiceHooksTest, DefaultsDoNothing) {
    EXPECT_EQ(ShowProgressBar(), 0);
    SetProgressPos(50, 3);
    CloseProgressBar();
    EXPECT_EQ(ShowChooseGraphs(nullptr), 0);
    EXPECT_TRUE(trace.empty());
}

TEST_F(ServiceHooksTest, InstalledHooksReceiveTheCallsInOrder) {
    InstallServiceHooks({RecordShow, RecordPos, RecordClose, RecordChoose});
    EXPECT_EQ(ShowProgressBar(), 1);
    SetProgressPos(14, 30);
    SetProgressPos(100, 0);
    CloseProgressBar();
    EXPECT_EQ(ShowChooseGraphs(reinterpret_cast<win::HWND>(&trace)), 2);
    EXPECT_EQ(trace, "show;pos 14 30;pos 100 0;close;choose owned;");
}

TEST_F(ServiceHooksTest, AMissingHookKeepsItsDefaultAndResetRestoresAll) {
    InstallServiceHooks({nullptr, RecordPos, nullptr, nullptr});
    EXPECT_EQ(ShowProgressBar(), 0);
    SetProgressPos(1, 2);
    CloseProgressBar();
    EXPECT_EQ(trace, "pos 1 2;");
    ResetServiceHooks();
    SetProgressPos(3, 4);
    EXPECT_EQ(trace, "pos 1 2;");
}

TEST_F(ServiceHooksTest, OneMemberReplacedThroughTheCurrentHooksKeepsTheOthers) {
    InstallServiceHooks({RecordShow, RecordPos, RecordClose, nullptr});
    ServiceHooks hooks = CurrentServiceHooks();
    hooks.showChooseGraphs = RecordChoose;
    InstallServiceHooks(hooks);
    EXPECT_EQ(ShowProgressBar(), 1);
    EXPECT_EQ(ShowChooseGraphs(nullptr), 2);
    EXPECT_EQ(trace, "show;choose;");
}

}  // namespace
