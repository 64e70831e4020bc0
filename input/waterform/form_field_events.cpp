// The field rules and colours shared by the water form and the multi-mix input.
#include "input/waterform/form_field_events.h"

#include "engine/records.h"
#include "graphs/text_colour_records.h"
#include "input/waterform/form_captions.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "input/waterform/water_form.h"
#include "input/waterform/water_form_records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/calendar/calendar_dialog.h"

namespace {

namespace C = WaterFormControl;

bool IsSulfideControl(int id) {
    return id == C::kH2S || id == C::kPh2s || id == C::kTwoSulfideNote;
}

}  // namespace

void ReadLeftDateOrTime(win::HWND form, int controlId) {
    if (controlId == C::kSampleDate)
        ReadDateField(form, controlId, currentAnalysis.sampleDate, false);
    if (controlId == C::kReportDate)
        ReadDateField(form, controlId, currentAnalysis.reportDate, false);
    if (controlId == C::kTime) ReadTimeField(form, controlId, currentAnalysis.sampleTime);
}

void RefreshSulfideNote(win::HWND form) {
    UpdateTwoSulfideNote(form, ReadFieldNumber(form, C::kH2S), ReadFieldNumber(form, C::kPh2s));
    for (int id : {C::kH2S, C::kPh2s, C::kTwoSulfideNote})
        win::InvalidateRect(win::GetDlgItem(form, id), nullptr, win::TRUE);
}

void PickCalendarDate(win::HWND form, int field, int32_t& date) {
    date = GetDateFromCalendar(date);
    ShowDateField(form, field, date);
}

win::INT_PTR FormControlColour(win::WPARAM dc, win::LPARAM control, bool edit,
                               bool balancedValues) {
    const auto hdc = reinterpret_cast<win::HDC>(dc);
    const auto hwnd = reinterpret_cast<win::HWND>(control);
    const int id = win::GetDlgCtrlID(hwnd);
    // A box that takes nothing is greyed like the form around it, not white.
    if (edit && !win::IsWindowEnabled(hwnd)) edit = false;
    win::COLORREF colour = sharedTextColour;
    if (IsSulfideControl(id)) {
        if (twoSulfideNote != 0) colour = kTwoSulfideColour;
    } else if (const int red = RedFieldIndex(id);
               balancedValues && red >= 0 && redFields[red] != 0) {
        colour = kBalancedValueColour;
    }
    win::SetTextColor(hdc, colour);
    if (!edit) {
        win::SetBkMode(hdc, win::TRANSPARENT);
        return reinterpret_cast<win::INT_PTR>(win::GetSysColorBrush(win::COLOR_BTNFACE));
    }
    return reinterpret_cast<win::INT_PTR>(win::GetStockObject(win::WHITE_BRUSH));
}
