// The print commands of the REPORTS menu: the reports of a command printed as
// one job while the main window is disabled.
#pragma once

#include "platform/window/win_types.h"

void PrintSurface(win::HWND mainWindow);
void PrintSurfaceTemperatureProfile(win::HWND mainWindow);
void PrintSurfacePhProfile(win::HWND mainWindow);
void PrintInjection(win::HWND mainWindow);
void PrintFormation(win::HWND mainWindow);
void PrintProduced(win::HWND mainWindow);
void PrintAllAvailable(win::HWND mainWindow);
// Print One Page Summary: the page as a job of its own, once the well profile
// behind it was computed.
void PrintOnePageJob(win::HWND mainWindow);
