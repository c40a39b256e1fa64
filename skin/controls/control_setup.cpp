// Control classes the engine does not take over yet: their set-up routines
// register nothing, and no button is owner-drawn by the skin.
#include "control_setup.h"

void SkinPushButtons(int, HWND) {}
void SkinCheckAndRadioButtons(int, HWND) {}
void SkinEditsAndCombos(int, HWND) {}
void SkinTrackbars(int, HWND) {}
void SkinProgressBars(int, HWND) {}
void SkinListControls(int, HWND) {}
void SkinUpDowns(int, HWND) {}
void SkinHeaders(int, HWND) {}

void PaintOwnerDrawnButton(int, int, const DRAWITEMSTRUCT&) {}
