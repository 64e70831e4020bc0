// The moves between the waters of the multi-mix input.
#include "input/multimix/multimix_moves.h"

#include <algorithm>

#include "input/multimix/multimix_calc.h"
#include "input/multimix/multimix_fields.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

namespace M = MultiMixControl;

constexpr int kLastSlot = kMultiMixWaterCount - 1;

}  // namespace

void SetNextButton(win::HWND dialog, bool withState) {
    const MultiMixState& m = multiMixState;
    win::SetDlgItemText(dialog, M::kNextOrAdd, m.editIndex < m.lastWaterIndex ? "NEXT" : "ADD NEW");
    if (withState)
        win::EnableWindow(win::GetDlgItem(dialog, M::kNextOrAdd),
                          m.editIndex <= m.lastWaterIndex ? win::TRUE : win::FALSE);
}

void NextMultiMixRecord(win::HWND dialog) {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    if (m.editIndex >= kLastSlot) {
        win::MessageBox(dialog, kTwelveWatersText, kLastAnalysisCaption, win::MB_ICONINFORMATION);
    } else {
        m.editIndex += 1;
        if (m.editIndex > m.lastWaterIndex) {
            const int answer = win::MessageBox(dialog, kAddWaterQuestion, kLastAnalysisCaption,
                                               win::MB_YESNO | win::MB_ICONINFORMATION);
            if (answer == win::IDYES) {
                StartNewMultiMixWater(m.editIndex);
                win::SetDlgItemInt(dialog, M::kWaterNumber, static_cast<win::UINT>(m.editIndex + 1),
                                   win::FALSE);
                m.addingNewWater = 1;
            } else {
                m.editIndex -= 1;
            }
        }
    }
    ShowMultiMixRecord(dialog);
}

void PrevMultiMixRecord(win::HWND dialog) {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    m.editIndex = std::max(m.editIndex - 1, 0);
    ShowMultiMixRecord(dialog);
}

void GoToMultiMixRecord(win::HWND dialog, int number) {
    multiMixState.editIndex = std::clamp(number - 1, 0, kLastSlot);
    ShowMultiMixRecord(dialog);
}

bool MultiMixKey(win::HWND dialog, int virtualKey) {
    MultiMixState& m = multiMixState;
    switch (virtualKey) {
        case win::VK_PRIOR:
        case win::VK_UP:
            PrevMultiMixRecord(dialog);
            break;
        case win::VK_NEXT:
        case win::VK_DOWN:
            NextMultiMixRecord(dialog);
            break;
        case win::VK_END:
        case '3':
            ClampMultiMixIndices();
            m.editIndex = m.lastWaterIndex;
            ShowMultiMixRecord(dialog);
            break;
        case win::VK_HOME:
        case '1':
            m.editIndex = 0;
            ShowMultiMixRecord(dialog);
            break;
        default:
            return false;
    }
    ShowMultiMixWindows();
    SetNextButton(dialog, true);
    return true;
}
