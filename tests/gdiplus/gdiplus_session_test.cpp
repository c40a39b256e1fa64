// GDI+ runs for the whole test program, as it runs for the whole of the
// application: every GDI+ test of this program relies on this environment.
#include "gdiplus_flat.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override { session_.emplace(); }
    void TearDown() override { session_.reset(); }

private:
    std::optional<GdiplusSession> session_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

TEST(GdiplusSession, NestedStartupGivesItsOwnTokenAndSpendsItOnce)
{
    const ULONG_PTR token = StartupGdiplus();
    ASSERT_NE(token, 0u);
    ShutdownGdiplus(token);
    // The kept copy was the same token: shutting down "the kept one" again
    // must not hand GDI+ a spent token. GDI+ keeps running for the session.
    ShutdownGdiplus();
    ShutdownGdiplus(0);
    Gdiplus::GpSolidFill* brush = nullptr;
    EXPECT_EQ(gdip::GdipCreateSolidFill(0xff000000u, &brush), Gdiplus::Ok);
    EXPECT_EQ(gdip::GdipDeleteBrush(brush), Gdiplus::Ok);
}

}  // namespace

