#pragma once
// The flat-API functions of the graphics, path, brush, pen, text and
// region wrappers, plus the image functions Graphics needs. Each name is
// bound in exactly one header of this layer; include this one rather than
// binding a name listed here a second time.
#include "gdiplus_binding.h"

namespace gdip {

// Graphics
GDIPLUS_FLAT_FUNCTION(GdipCreateFromHDC);
GDIPLUS_FLAT_FUNCTION(GdipCreateFromHDC2);
GDIPLUS_FLAT_FUNCTION(GdipCreateFromHWND);
GDIPLUS_FLAT_FUNCTION(GdipCreateFromHWNDICM);
GDIPLUS_FLAT_FUNCTION(GdipGetImageGraphicsContext);
GDIPLUS_FLAT_FUNCTION(GdipDeleteGraphics);
GDIPLUS_FLAT_FUNCTION(GdipFlush);
GDIPLUS_FLAT_FUNCTION(GdipSetCompositingMode);
GDIPLUS_FLAT_FUNCTION(GdipGetCompositingMode);
GDIPLUS_FLAT_FUNCTION(GdipSetCompositingQuality);
GDIPLUS_FLAT_FUNCTION(GdipGetCompositingQuality);
GDIPLUS_FLAT_FUNCTION(GdipSetInterpolationMode);
GDIPLUS_FLAT_FUNCTION(GdipGetInterpolationMode);
GDIPLUS_FLAT_FUNCTION(GdipSetSmoothingMode);
GDIPLUS_FLAT_FUNCTION(GdipGetSmoothingMode);
GDIPLUS_FLAT_FUNCTION(GdipSetPixelOffsetMode);
GDIPLUS_FLAT_FUNCTION(GdipGetPixelOffsetMode);
GDIPLUS_FLAT_FUNCTION(GdipSetTextRenderingHint);
GDIPLUS_FLAT_FUNCTION(GdipGetTextRenderingHint);
GDIPLUS_FLAT_FUNCTION(GdipResetWorldTransform);
GDIPLUS_FLAT_FUNCTION(GdipTranslateWorldTransform);
GDIPLUS_FLAT_FUNCTION(GdipScaleWorldTransform);
GDIPLUS_FLAT_FUNCTION(GdipRotateWorldTransform);
GDIPLUS_FLAT_FUNCTION(GdipSetPageUnit);
GDIPLUS_FLAT_FUNCTION(GdipGetPageUnit);
GDIPLUS_FLAT_FUNCTION(GdipTransformPoints);
GDIPLUS_FLAT_FUNCTION(GdipDrawLine);
GDIPLUS_FLAT_FUNCTION(GdipDrawLines);
GDIPLUS_FLAT_FUNCTION(GdipDrawRectangle);
GDIPLUS_FLAT_FUNCTION(GdipDrawEllipse);
GDIPLUS_FLAT_FUNCTION(GdipDrawPolygon);
GDIPLUS_FLAT_FUNCTION(GdipDrawPath);
GDIPLUS_FLAT_FUNCTION(GdipGraphicsClear);
GDIPLUS_FLAT_FUNCTION(GdipFillRectangle);
GDIPLUS_FLAT_FUNCTION(GdipFillRectangles);
GDIPLUS_FLAT_FUNCTION(GdipFillPolygon);
GDIPLUS_FLAT_FUNCTION(GdipFillEllipse);
GDIPLUS_FLAT_FUNCTION(GdipFillPath);
GDIPLUS_FLAT_FUNCTION(GdipFillRegion);
GDIPLUS_FLAT_FUNCTION(GdipDrawString);
GDIPLUS_FLAT_FUNCTION(GdipMeasureString);
GDIPLUS_FLAT_FUNCTION(GdipMeasureCharacterRanges);
GDIPLUS_FLAT_FUNCTION(GdipDrawImage);
GDIPLUS_FLAT_FUNCTION(GdipDrawImageRectRect);
GDIPLUS_FLAT_FUNCTION(GdipGetImageWidth);
GDIPLUS_FLAT_FUNCTION(GdipGetImageHeight);
GDIPLUS_FLAT_FUNCTION(GdipSetClipPath);
GDIPLUS_FLAT_FUNCTION(GdipSetClipRect);
GDIPLUS_FLAT_FUNCTION(GdipSetClipRegion);
GDIPLUS_FLAT_FUNCTION(GdipResetClip);
GDIPLUS_FLAT_FUNCTION(GdipGetClipBounds);

// GraphicsPath
GDIPLUS_FLAT_FUNCTION(GdipCreatePath);
GDIPLUS_FLAT_FUNCTION(GdipDeletePath);
GDIPLUS_FLAT_FUNCTION(GdipResetPath);
GDIPLUS_FLAT_FUNCTION(GdipGetPointCount);
GDIPLUS_FLAT_FUNCTION(GdipGetPathPoints);
GDIPLUS_FLAT_FUNCTION(GdipStartPathFigure);
GDIPLUS_FLAT_FUNCTION(GdipClosePathFigure);
GDIPLUS_FLAT_FUNCTION(GdipAddPathLine);
GDIPLUS_FLAT_FUNCTION(GdipAddPathLine2);
GDIPLUS_FLAT_FUNCTION(GdipAddPathArc);
GDIPLUS_FLAT_FUNCTION(GdipAddPathRectangle);
GDIPLUS_FLAT_FUNCTION(GdipAddPathEllipse);
GDIPLUS_FLAT_FUNCTION(GdipAddPathPolygon);
GDIPLUS_FLAT_FUNCTION(GdipGetPathWorldBounds);
GDIPLUS_FLAT_FUNCTION(GdipIsVisiblePathPoint);

// Brushes
GDIPLUS_FLAT_FUNCTION(GdipDeleteBrush);
GDIPLUS_FLAT_FUNCTION(GdipGetBrushType);
GDIPLUS_FLAT_FUNCTION(GdipCreateSolidFill);
GDIPLUS_FLAT_FUNCTION(GdipSetSolidFillColor);
GDIPLUS_FLAT_FUNCTION(GdipGetSolidFillColor);
GDIPLUS_FLAT_FUNCTION(GdipCreateLineBrush);
GDIPLUS_FLAT_FUNCTION(GdipSetLinePresetBlend);
GDIPLUS_FLAT_FUNCTION(GdipGetLinePresetBlendCount);
GDIPLUS_FLAT_FUNCTION(GdipGetLinePresetBlend);
GDIPLUS_FLAT_FUNCTION(GdipSetLineLinearBlend);
GDIPLUS_FLAT_FUNCTION(GdipTranslateLineTransform);
GDIPLUS_FLAT_FUNCTION(GdipScaleLineTransform);
GDIPLUS_FLAT_FUNCTION(GdipRotateLineTransform);
GDIPLUS_FLAT_FUNCTION(GdipCreatePathGradientFromPath);
GDIPLUS_FLAT_FUNCTION(GdipSetPathGradientCenterColor);
GDIPLUS_FLAT_FUNCTION(GdipGetPathGradientCenterColor);
GDIPLUS_FLAT_FUNCTION(GdipSetPathGradientSurroundColorsWithCount);
GDIPLUS_FLAT_FUNCTION(GdipGetPathGradientSurroundColorCount);
GDIPLUS_FLAT_FUNCTION(GdipSetPathGradientPresetBlend);
GDIPLUS_FLAT_FUNCTION(GdipSetPathGradientCenterPoint);
GDIPLUS_FLAT_FUNCTION(GdipTranslatePathGradientTransform);
GDIPLUS_FLAT_FUNCTION(GdipScalePathGradientTransform);
GDIPLUS_FLAT_FUNCTION(GdipRotatePathGradientTransform);

// Pen
GDIPLUS_FLAT_FUNCTION(GdipCreatePen1);
GDIPLUS_FLAT_FUNCTION(GdipCreatePen2);
GDIPLUS_FLAT_FUNCTION(GdipDeletePen);
GDIPLUS_FLAT_FUNCTION(GdipSetPenWidth);
GDIPLUS_FLAT_FUNCTION(GdipGetPenWidth);
GDIPLUS_FLAT_FUNCTION(GdipSetPenColor);
GDIPLUS_FLAT_FUNCTION(GdipGetPenColor);
GDIPLUS_FLAT_FUNCTION(GdipSetPenDashStyle);
GDIPLUS_FLAT_FUNCTION(GdipTranslatePenTransform);
GDIPLUS_FLAT_FUNCTION(GdipScalePenTransform);
GDIPLUS_FLAT_FUNCTION(GdipRotatePenTransform);

// Text
GDIPLUS_FLAT_FUNCTION(GdipCreateFont);
GDIPLUS_FLAT_FUNCTION(GdipCreateFontFromDC);
GDIPLUS_FLAT_FUNCTION(GdipCreateFontFromLogfontA);
GDIPLUS_FLAT_FUNCTION(GdipDeleteFont);
GDIPLUS_FLAT_FUNCTION(GdipGetFamily);
GDIPLUS_FLAT_FUNCTION(GdipGetFontStyle);
GDIPLUS_FLAT_FUNCTION(GdipGetFontSize);
GDIPLUS_FLAT_FUNCTION(GdipGetFontUnit);
GDIPLUS_FLAT_FUNCTION(GdipCreateFontFamilyFromName);
GDIPLUS_FLAT_FUNCTION(GdipCloneFontFamily);
GDIPLUS_FLAT_FUNCTION(GdipDeleteFontFamily);
GDIPLUS_FLAT_FUNCTION(GdipGetFamilyName);
GDIPLUS_FLAT_FUNCTION(GdipIsStyleAvailable);
GDIPLUS_FLAT_FUNCTION(GdipNewInstalledFontCollection);
GDIPLUS_FLAT_FUNCTION(GdipGetFontCollectionFamilyCount);
GDIPLUS_FLAT_FUNCTION(GdipGetFontCollectionFamilyList);
GDIPLUS_FLAT_FUNCTION(GdipCreateStringFormat);
GDIPLUS_FLAT_FUNCTION(GdipDeleteStringFormat);
GDIPLUS_FLAT_FUNCTION(GdipSetStringFormatFlags);
GDIPLUS_FLAT_FUNCTION(GdipGetStringFormatFlags);
GDIPLUS_FLAT_FUNCTION(GdipSetStringFormatAlign);
GDIPLUS_FLAT_FUNCTION(GdipGetStringFormatAlign);
GDIPLUS_FLAT_FUNCTION(GdipSetStringFormatLineAlign);
GDIPLUS_FLAT_FUNCTION(GdipGetStringFormatLineAlign);
GDIPLUS_FLAT_FUNCTION(GdipSetStringFormatTrimming);
GDIPLUS_FLAT_FUNCTION(GdipGetStringFormatTrimming);
GDIPLUS_FLAT_FUNCTION(GdipSetStringFormatMeasurableCharacterRanges);

// Region
GDIPLUS_FLAT_FUNCTION(GdipCreateRegion);
GDIPLUS_FLAT_FUNCTION(GdipCreateRegionRect);
GDIPLUS_FLAT_FUNCTION(GdipCreateRegionPath);
GDIPLUS_FLAT_FUNCTION(GdipDeleteRegion);
GDIPLUS_FLAT_FUNCTION(GdipCombineRegionRect);
GDIPLUS_FLAT_FUNCTION(GdipGetRegionBounds);
GDIPLUS_FLAT_FUNCTION(GdipIsEmptyRegion);
GDIPLUS_FLAT_FUNCTION(GdipIsVisibleRegionPoint);
GDIPLUS_FLAT_FUNCTION(GdipGetRegionHRgn);

}  // namespace gdip
