#pragma once
// The control set-up routines that SkinWindow runs, in this order, for a
// newly skinned window. Each finds its own controls among the direct
// children of `window` by class name and registers them in the record's
// per-class list; each does nothing while skinControls is false.
#include <windows.h>

void SkinPushButtons(int recordIndex, HWND window);
void SkinCheckAndRadioButtons(int recordIndex, HWND window);
void SkinEditsAndCombos(int recordIndex, HWND window);
void SkinTrackbars(int recordIndex, HWND window);
void SkinProgressBars(int recordIndex, HWND window);
void SkinListControls(int recordIndex, HWND window);
void SkinUpDowns(int recordIndex, HWND window);
void SkinHeaders(int recordIndex, HWND window);

// Paints an owner-drawn push button registered in the record's button
// list (entry `buttonIndex`) with the painter of its kind.
void PaintOwnerDrawnButton(int recordIndex, int buttonIndex, const DRAWITEMSTRUCT& item);
