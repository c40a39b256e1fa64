#include "window_record.h"

void RecordDC::Select(HBITMAP bitmap)
{
    if (!dc_) {
        dc_ = CreateCompatibleDC(nullptr);
        if (!dc_) {
            DeleteObject(bitmap);
            return;
        }
    }
    HGDIOBJ replaced = SelectObject(dc_, bitmap);
    if (!firstSelected_)
        firstSelected_ = replaced;
    else if (replaced && replaced != firstSelected_)
        DeleteObject(replaced);
    bitmap_ = bitmap;
}

void RecordDC::Reset()
{
    if (dc_) {
        if (firstSelected_)
            SelectObject(dc_, firstSelected_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    firstSelected_ = nullptr;
    bitmap_ = nullptr;
}

void WindowRecord::ShowFrameArea(int x, int y, int width, int height) const
{
    if (HDC screen = GetDC(window)) {
        BitBlt(screen, x, y, width, height, BackgroundDC(), x, y, SRCCOPY);
        ReleaseDC(window, screen);
    }
}
