// What the printout size dialog keeps while it is open.
#pragma once

struct PrintoutSizeState {
    double savedLinesPerScreen = 0.0;  // linesPerScreen when the dialog opened; Cancel restores it
    int closing = 0;  // OK or Cancel has ended the dialog: the edit's last focus change is no entry
};
extern PrintoutSizeState printoutSizeState;

void ResetPreferencesRecords();
