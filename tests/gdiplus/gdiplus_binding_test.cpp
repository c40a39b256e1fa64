// The by-name binding of the flat API, its fatal path, the text
// conversions and the common wrapper shape.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

constexpr char kBoxFileVariable[] = "GDIPLUS_TEST_FATAL_BOX_FILE";
constexpr char kMissingFunction[] = "GdipNoSuchFunctionInThisLibrary";

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Stands in for the error box in the child: records what it would show.
int WINAPI RecordFatalBox(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    char path[MAX_PATH] = "";
    GetEnvironmentVariableA(kBoxFileVariable, path, MAX_PATH);
    if (FILE* file = std::fopen(path, "wb")) {
        std::fprintf(file, "%s|%s", caption, text);
        std::fclose(file);
    }
    return IDOK;
}

// Runs only inside the child process started by the test below.
TEST(DISABLED_FatalBindingChild, CallsAFunctionGdiplusDoesNotExport)
{
    gdip::SetFatalErrorBox(RecordFatalBox);
    gdip::BoundFunction<gdip::GdipFlushFn> missing{kMissingFunction};
    missing(nullptr, Gdiplus::FlushIntentionFlush);
    ADD_FAILURE() << "the process should have ended";
}

TEST(FlatBinding, MissingFunctionShowsTheBoxAndEndsTheProcessWithMinusOne)
{
    char exe[MAX_PATH] = "";
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
    char temp[MAX_PATH] = "";
    char boxFile[MAX_PATH] = "";
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    ASSERT_NE(GetTempFileNameA(temp, "gdp", 0, boxFile), 0u);
    ASSERT_TRUE(SetEnvironmentVariableA(kBoxFileVariable, boxFile));

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueHandle nul(CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(nul.get(), INVALID_HANDLE_VALUE);
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_FatalBindingChild.*";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul.get();
    startup.hStdError = nul.get();
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process));
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    SetEnvironmentVariableA(kBoxFileVariable, nullptr);
    ASSERT_EQ(WaitForSingleObject(processHandle.get(), 30000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeProcess(processHandle.get(), &exitCode));
    EXPECT_EQ(exitCode, static_cast<DWORD>(-1));

    std::ifstream box(boxFile, std::ios::binary);
    const std::string shown{std::istreambuf_iterator<char>(box), std::istreambuf_iterator<char>()};
    box.close();
    DeleteFileA(boxFile);
    EXPECT_NE(shown.find("gdiplus.dll"), std::string::npos) << shown;
    EXPECT_NE(shown.find(kMissingFunction), std::string::npos) << shown;
}

TEST(FlatBinding, AFunctionIsLookedUpOnceAndKept)
{
    gdip::BoundFunction<gdip::GdipFlushFn> flush{"GdipFlush"};
    const auto first = flush.Address();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(flush.Address(), first);
    EXPECT_EQ(reinterpret_cast<void*>(first),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdiplus.dll"), "GdipFlush")));
}

TEST(TextConversion, AnsiTextRoundTripsThroughTheAnsiCodePage)
{
    const char* chinese = "宋体";
    const WideText wide(chinese);
    EXPECT_EQ(wide.Length(), 2);
    EXPECT_EQ(std::wstring(wide.c_str()), std::wstring(L"\x5b8b\x4f53"));
    EXPECT_EQ(AnsiFromWide(wide.c_str()), chinese);
    EXPECT_EQ(WideText("").Length(), 0);
    EXPECT_EQ(WideText(nullptr).Length(), 0);
    EXPECT_EQ(AnsiFromWide(L""), "");
}

// Pass-through around the real GDI+ release that counts its calls.
struct CountingBrushDelete {
    int calls = 0;
    Gdiplus::Status operator()(Gdiplus::GpBrush* brush)
    {
        ++calls;
        return gdip::GdipDeleteBrush(brush);
    }
};
CountingBrushDelete countingDelete;

class CountedBrush : public OwnedGdiplusObject<Gdiplus::GpBrush, countingDelete> {
public:
    bool Create(Gdiplus::ARGB colour)
    {
        Release();
        Gdiplus::GpSolidFill* fill = nullptr;
        const bool ok = Record(gdip::GdipCreateSolidFill(colour, &fill));
        SetNativeHandle(fill);
        return ok;
    }
    Gdiplus::BrushType GetType() const { return GetValue<Gdiplus::BrushType>(gdip::GdipGetBrushType); }
};

TEST(WrapperShape, DeleteTwiceReleasesOnceAndLeavesTheStatusAlone)
{
    countingDelete.calls = 0;
    CountedBrush brush;
    ASSERT_TRUE(brush.Create(0xff102030u));
    EXPECT_TRUE(brush.Delete());
    EXPECT_TRUE(brush.IsEmpty());
    LastStatus = Gdiplus::Aborted;
    EXPECT_FALSE(brush.Delete());
    EXPECT_EQ(LastStatus, Gdiplus::Aborted);
    EXPECT_EQ(countingDelete.calls, 1);
}

TEST(WrapperShape, DroppingMovingAndRecreatingReleaseEachHandleOnce)
{
    countingDelete.calls = 0;
    {
        CountedBrush first;
        ASSERT_TRUE(first.Create(0xff000000u));
        ASSERT_TRUE(first.Create(0xffffffffu));  // the first handle is released here
        EXPECT_EQ(countingDelete.calls, 1);
        CountedBrush second(std::move(first));
        EXPECT_TRUE(first.IsEmpty());
        EXPECT_FALSE(second.IsEmpty());
        CountedBrush third;
        ASSERT_TRUE(third.Create(0xff00ff00u));
        third = std::move(second);  // third's own handle is released
        EXPECT_EQ(countingDelete.calls, 2);
        EXPECT_EQ(third.GetType(), Gdiplus::BrushTypeSolidColor);
    }
    EXPECT_EQ(countingDelete.calls, 3);
}

TEST(WrapperShape, GetterOnAnEmptyWrapperGivesZeroAndInvalidParameter)
{
    CountedBrush brush;
    LastStatus = Gdiplus::Ok;
    EXPECT_EQ(brush.GetType(), Gdiplus::BrushType{});
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

static_assert(!std::is_copy_constructible_v<CountedBrush> && !std::is_copy_assignable_v<CountedBrush>);
static_assert(std::is_nothrow_move_constructible_v<CountedBrush>);

}  // namespace
