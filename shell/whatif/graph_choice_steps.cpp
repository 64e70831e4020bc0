// Graph choice for the graph commands.
#include "shell/whatif/graph_choice_steps.h"

#include "graphs/graph_index_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "platform/dialogs/message_box.h"
#include "shell/startup/startup_records.h"
#include "shell/whatif/command_drivers.h"

bool NoGraphChosen() {
    return static_cast<int16_t>(graphIndexCodes[0]) < 0;
}

void AskForGraphIfNone(win::HWND mainWindow) {
    if (!NoGraphChosen()) return;
    win::MessageBox(mainWindow, kNoParameterText, "WARNING", win::MB_ICONINFORMATION);
    (void)Drivers().showChooseGraphs(mainWindow);
}

void ChooseGraphBeforeTwoD(win::HWND mainWindow) {
    if (NoGraphChosen()) (void)Drivers().showChooseGraphs(mainWindow);
    if (NoGraphChosen()) (void)Drivers().showChooseGraphs(mainWindow);
}

bool GridRunsFor(int c) {
    if (c > 49 || c == 40 || c == 41) return true;
    for (uint16_t listed : graphCodeList) {
        if (listed == 0xFFFF) break;
        if (listed < 50 && listed == c) return true;
    }
    return false;
}

void RunGridForChosenCodes(void (*grid)(uint16_t graphCode)) {
    for (int i = 0; i < kGraphIndexCodeCount; ++i) {
        const auto code = static_cast<int16_t>(graphIndexCodes[i]);
        if (code < 0) break;
        selectedGraphPosition = static_cast<int16_t>(i);
        if (GridRunsFor(code)) grid(static_cast<uint16_t>(code));
    }
}
