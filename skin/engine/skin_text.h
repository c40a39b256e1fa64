#pragma once
// Text with a halo, as the caption title and the status bar draw it.
#include <string>

#include "gdiplus_binding.h"

class Graphics;

// The text four times in the halo colour (alpha 150), moved by `offset`
// left, right, down and up, then once in the text colour.
void DrawHaloText(Graphics& graphics, const std::string& text, Gdiplus::RectF box, COLORREF textColour,
                  COLORREF haloColour, float offset, const std::string& fontName = "宋体",
                  int style = Gdiplus::FontStyleRegular, float size = 13,
                  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear,
                  Gdiplus::StringAlignment lineAlignment = Gdiplus::StringAlignmentNear);

// The text over a soft halo made by shrinking a picture of the text by
// `spread` and enlarging it again.
void DrawBlurredHaloText(Graphics& graphics, const std::string& text, Gdiplus::RectF box, COLORREF textColour,
                         COLORREF haloColour, float spread, const std::string& fontName = "宋体",
                         int style = Gdiplus::FontStyleRegular, float size = 12,
                         Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear,
                         Gdiplus::StringAlignment lineAlignment = Gdiplus::StringAlignmentNear);
