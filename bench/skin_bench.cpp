// Measures the frame image of the application's 360 x 270 window: a full
// render, presenting it, and one hover-fade step of one caption button,
// each as a ratio to a plain BitBlt of the whole frame image (the
// baseline, timed in the same run). Also reports how much of a full render
// is the decoding of the background picture.
//
//     skin_bench.exe [repetitions] [frame.png]
//
// With a file name it also saves the rendered frame image there, to be
// looked at.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <embedded.h>

#include "bitmap.h"
#include "image.h"
#include "skin_pictures.h"
#include "record_builder.h"
#include "skin_engine.h"

namespace {

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median time of one call, over `rounds` rounds of `count` calls.
double MedianTime(int rounds, int count, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const double start = Seconds();
        for (int i = 0; i < count; ++i)
            work();
        times.push_back((Seconds() - start) / count);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int rounds = 7;

    SkinEngine engine;
    engine.StartModule();
    HWND window = CreateWindowExA(0, "Static", "‘铜鹭’自动关机助手", WS_POPUP | WS_MINIMIZEBOX | WS_VISIBLE, 100,
                                  100, 360, 270, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    BackgroundPictureOptions background;
    background.pictureBytes = ByteArray(resources::DefaultBackground().begin(), resources::DefaultBackground().end());
    background.pictureMode = 3;
    engine.SetBackgroundPicture(background);
    engine.frameBorder = 3;
    SkinWindowOptions options;
    options.resizable = false;
    options.showTitle = true;
    const int index = RegisterWindowRecord(engine, NewWindowRecord(window, options, 3), options);
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
    engine.AddCaptionButton(window, ByteArray(resources::SkinChangeButton().begin(), resources::SkinChangeButton().end()),
                            "换皮肤", [] {});
    engine.RenderWindowImage(index, nullptr, false);
    HDC frame = RecordAt(index)->BackgroundDC();
    HDC screen = GetDC(window);

    const double blit = MedianTime(rounds, count, [&] { BitBlt(screen, 0, 0, 360, 270, frame, 0, 0, SRCCOPY); });
    const double render = MedianTime(rounds, std::max(1, count / 10), [&] { engine.RenderWindowImage(index, nullptr, false); });
    const double present = MedianTime(rounds, count, [&] { engine.PresentWindowImage(index, screen); });
    int step = 0;
    const double hover = MedianTime(rounds, count, [&] {
        step = (step + 1) % 9;
        engine.PaintCaptionButton(index, 2, nullptr, false, step * 30);
    });
    const double decode = MedianTime(rounds, std::max(1, count / 10), [&] {
        Image picture;
        picture.LoadFromBytes(SkinModule().backgroundPicture);
        picture.GetWidth();
    });

    std::printf("baseline BitBlt 360x270:   %9.1f us\n", blit * 1e6);
    std::printf("full render:               %9.1f us  = %7.1f x baseline\n", render * 1e6, render / blit);
    std::printf("present:                   %9.1f us  = %7.2f x baseline (target <= 2)\n", present * 1e6,
                present / blit);
    std::printf("one hover-fade step:       %9.1f us  = %7.2f x baseline, %.3f of a full render (target <= 0.1)\n",
                hover * 1e6, hover / blit, hover / render);
    std::printf("picture decode per render: %9.1f us  = %.3f of a full render\n", decode * 1e6, decode / render);

    if (argc > 2) {
        engine.RenderWindowImage(index, nullptr, false);
        Bitmap picture;
        if (picture.CreateFromHBITMAP(RecordAt(index)->background.Bitmap()) && picture.SaveToFile(argv[2], kPngFormat))
            std::printf("frame image saved to %s\n", argv[2]);
    }

    ReleaseDC(window, screen);
    DestroyWindow(window);
    FreeSkinModule();
    return 0;
}
