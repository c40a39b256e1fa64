#include "memory_stream.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr std::array<BYTE, 5> kBytes{1, 2, 3, 4, 5};

std::vector<BYTE> ReadAll(IStream* stream)
{
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    std::vector<BYTE> bytes(64);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

TEST(MemoryStreamTest, StreamReadsTheCopiedBytes)
{
    MemoryStream stream;
    IStream* com = stream.OpenBytes(kBytes);
    ASSERT_NE(com, nullptr);
    EXPECT_EQ(com, stream.GetStream());
    EXPECT_NE(stream.GetHGlobal(), nullptr);
    EXPECT_EQ(stream.GetSize(), kBytes.size());
    EXPECT_EQ(ReadAll(com), std::vector<BYTE>(kBytes.begin(), kBytes.end()));
}

TEST(MemoryStreamTest, GivenSizeBoundsTheCopyAndZeroFillsTheRest)
{
    struct Case {
        size_t size;
        std::vector<BYTE> expected;
    };
    const Case cases[] = {
        {3, {1, 2, 3}},
        {8, {1, 2, 3, 4, 5, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        MemoryStream stream;
        ASSERT_NE(stream.OpenBytes(kBytes, c.size), nullptr);
        EXPECT_EQ(stream.GetSize(), c.size);
        EXPECT_EQ(stream.GetBytes(), c.expected) << "size " << c.size;
    }
}

TEST(MemoryStreamTest, WritesThroughTheStreamComeBackAsBytes)
{
    MemoryStream stream;
    IStream* com = stream.OpenBytes({});
    ASSERT_NE(com, nullptr);
    EXPECT_TRUE(stream.GetBytes().empty());
    ULONG written = 0;
    ASSERT_EQ(com->Write(kBytes.data(), static_cast<ULONG>(kBytes.size()), &written), S_OK);
    EXPECT_EQ(stream.GetBytes(), std::vector<BYTE>(kBytes.begin(), kBytes.end()));
}

TEST(MemoryStreamTest, ReleaseEmptiesAndCanRepeat)
{
    MemoryStream stream;
    stream.OpenBytes(kBytes);
    stream.Release();
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_EQ(stream.GetHGlobal(), nullptr);
    EXPECT_EQ(stream.GetSize(), 0u);
    EXPECT_TRUE(stream.GetBytes().empty());
    stream.Release();
    EXPECT_EQ(stream.GetStream(), nullptr);
}

TEST(MemoryStreamTest, ReopeningReplacesTheBlock)
{
    MemoryStream stream;
    stream.OpenBytes(kBytes);
    const std::array<BYTE, 2> other{9, 8};
    stream.OpenBytes(other);
    EXPECT_EQ(stream.GetBytes(), std::vector<BYTE>(other.begin(), other.end()));
}

TEST(MemoryStreamTest, MoveHandsOverTheStream)
{
    MemoryStream first;
    IStream* com = first.OpenBytes(kBytes);
    MemoryStream second = std::move(first);
    EXPECT_EQ(first.GetStream(), nullptr);
    EXPECT_EQ(second.GetStream(), com);
    MemoryStream third;
    third.OpenBytes(kBytes);
    third = std::move(second);
    EXPECT_EQ(third.GetStream(), com);
    EXPECT_EQ(third.GetBytes(), std::vector<BYTE>(kBytes.begin(), kBytes.end()));
}

TEST(MemoryStreamTest, AttachTakesOverAStreamAndItsBlock)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kBytes.size());
    ASSERT_NE(memory, nullptr);
    {
        BYTE* data = static_cast<BYTE*>(GlobalLock(memory));
        std::copy(kBytes.begin(), kBytes.end(), data);
        GlobalUnlock(memory);
    }
    IStream* com = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(memory, FALSE, &com), S_OK);

    MemoryStream stream;
    ASSERT_TRUE(stream.Attach(com));
    EXPECT_EQ(stream.GetHGlobal(), memory);
    EXPECT_EQ(stream.GetStream(), com);
    EXPECT_EQ(stream.GetBytes(), std::vector<BYTE>(kBytes.begin(), kBytes.end()));
}

TEST(MemoryStreamTest, AttachRefusesAStreamWithoutGlobalMemory)
{
    MemoryStream stream;
    stream.OpenBytes(kBytes);
    EXPECT_FALSE(stream.Attach(nullptr));
    EXPECT_EQ(stream.GetStream(), nullptr);
}

} // namespace
