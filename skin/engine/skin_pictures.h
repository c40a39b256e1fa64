#pragma once
// Picture operations of the colour scheme.
#include <windows.h>

#include <optional>
#include <string>

#include "window_record.h"

// PNG, as GDI+ names its encoder format.
inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// A picture given either as a file or as encoded bytes (the file wins).
struct PictureSource {
    std::optional<std::string> fileName;
    const ByteArray* bytes = nullptr;
};

// The average colour of `count` pixels sampled at positions that depend
// only on today's date, so one picture gives one colour all day. The top
// byte is 0xFF; a picture that does not load gives black.
COLORREF AverageColour(const PictureSource& picture, int count);

// The picture faded into `colour` over its last `fadeSize` rows and its
// last (side 1) or first (side 0) `fadeSize` columns; `fadeSize` defaults
// to 30 % of the width. Returns PNG bytes, empty when nothing loads.
ByteArray FadePicture(const PictureSource& picture, std::optional<int> fadeSize, COLORREF colour, int side = 1);
