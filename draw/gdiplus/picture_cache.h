#pragma once
// Decoded pictures kept between paints. Pictures travel as encoded bytes
// (PNG, JPEG, ...) and decoding one costs far more than drawing it, so the
// painters ask here instead of decoding on every paint. Pictures are
// found by their bytes: a changed picture is a new entry.
#include <windows.h>

#include <span>

#include "image.h"

// The decoded picture of `bytes`, or null when they do not decode. The
// picture stays valid until the next call (which may push it out of the
// cache) or ClearPictureCache(): use it at once and do not keep it.
const Image* CachedPicture(std::span<const BYTE> bytes);

// The same, with an empty picture (drawing it does nothing, its size is 0)
// for bytes that do not decode.
const Image& CachedPictureOrEmpty(std::span<const BYTE> bytes);

// Drops every decoded picture; ShutdownGdiplus() calls it before GDI+ ends.
void ClearPictureCache();
