// The fields that the what-if and the mixing-zone settings handle alike: values
// shown and read, check boxes and radio buttons, a checked field read with its
// question, and the pH control (acid, alkali, pH target and prediction method).
#pragma once

#include <span>
#include <string>

#include "common/whatif_settings.h"
#include "platform/window/win_types.h"
#include "resources/dialog_ids.h"

// A value in the adaptive form at six significant figures.
void ShowValue(win::HWND dialog, int id, double value);
// The field's number as the dialogs' decimal reader reads it (0 for a text it
// refuses: the dialogs refuse such texts before they read their fields); a
// field still showing the text ShowValue gave it reads as the very value
// shown, not its six figures.
[[nodiscard]] float FieldValue(win::HWND dialog, int id);
// Whether the field still shows the text ShowValue gave it.
[[nodiscard]] bool Unedited(win::HWND dialog, int id);
void Check(win::HWND dialog, int id, bool on);
[[nodiscard]] bool Checked(win::HWND dialog, int id);

// Reads fields one after another. A valid value is stored; for any other the
// user is asked `question`: Yes stops the reading at that field, No keeps the
// value held and goes on.
class FieldReader {
  public:
    explicit FieldReader(win::HWND dialog) : dialog_(dialog) {}
    // False when the reading stops here. A field the user did not edit keeps
    // the value it showed, which the dialog took when it was stored (a value
    // a change of units converted may lie past the ends of the new unit).
    template <typename Valid>
    bool Checked(int id, float& target, Valid valid, const std::string& question) {
        const float v = FieldValue(dialog_, id);
        if (Unedited(dialog_, id) || valid(v)) {
            target = v;
            return true;
        }
        return Refused(id, question);
    }
    // A low and high read in turn: true when the high is not below the low;
    // otherwise the user is asked `question` and the reading stops at `id`
    // (Yes), or both take back the values held before (No).
    bool Ordered(int id, float& low, float& high, float heldLow, float heldHigh,
                 const std::string& question);
    // 0 when every field was stored, -1 when the user kept a held value, or
    // the id of the field the user chose to re-enter.
    [[nodiscard]] int Result() const { return result_; }

  private:
    bool Refused(int id, const std::string& question);
    win::HWND dialog_;
    int result_ = 0;
};

// The acid, alkali and method radio buttons set from `c` (an acid or alkali
// only when the control method doses it, NONE otherwise), and the pH target
// shown, or 7.00 when it is not in (0, 14].
void FillPhControl(win::HWND dialog, const PhControlIds& ids, const PhControlSettings& c);

// The chemicals checked (0xFFFF for NONE), the control method they make (1
// acid, 2 alkali, 3 both, 0 neither) and the first method checked in `order`;
// with none checked the user is told `noMethodText` and method 0 is taken.
void ReadPhControl(win::HWND dialog, const PhControlIds& ids, std::span<const int> order,
                   const char* noMethodText, PhControlSettings& c);
