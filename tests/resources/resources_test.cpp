// The committed pictures and icon, read as the formats say: the window trusts
// them to be exactly these sizes and kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_file(const std::string& name) {
    std::ifstream file(std::string(NUMORA_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

unsigned u16(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
unsigned u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

TEST(Resources, CrossIsA21PixelBitmapWithA256EntryPalette) {
    const Bytes bmp = read_file("picture1.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(bmp, 2), bmp.size());
    EXPECT_EQ(u32(bmp, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(u32(bmp, 18), 21u);
    EXPECT_EQ(u32(bmp, 22), 21u);  // positive: bottom-up rows
    EXPECT_EQ(u16(bmp, 28), 8u);
    EXPECT_EQ(u32(bmp, 30), 0u);  // not compressed
    const unsigned colours = u32(bmp, 46) == 0 ? 256 : u32(bmp, 46);
    EXPECT_EQ(colours, 256u);
    const unsigned row = (21 + 3) / 4 * 4;
    EXPECT_EQ(u32(bmp, 10), 54u + 4 * colours);
    EXPECT_EQ(bmp.size(), 54u + 4 * colours + row * 21);
}

TEST(Resources, QuestionMarkIsOneFrameOfGif89a) {
    const Bytes gif = read_file("picture2.gif");
    ASSERT_GE(gif.size(), 13u + 768u + 10u);
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");
    EXPECT_EQ(u16(gif, 6), 21u);
    EXPECT_EQ(u16(gif, 8), 21u);
    EXPECT_EQ(gif[10] & 0x80, 0x80);  // a global colour table...
    EXPECT_EQ(gif[10] & 0x07, 7);     // ...of 2^(7+1) = 256 entries
    std::size_t at = 13 + 768;
    int frames = 0;
    while (at < gif.size() && gif[at] != ';') {
        if (gif[at] == '!') {
            // No graphic control extension may mark a transparent colour.
            if (gif.at(at + 1) == 0xF9) {
                EXPECT_EQ(gif.at(at + 3) & 1, 0);
            }
            at += 2;
        } else {
            ASSERT_EQ(gif[at], ',') << "unexpected block at " << at;
            ++frames;
            EXPECT_EQ(gif.at(at + 9) & 0x40, 0);  // not interlaced
            EXPECT_EQ(gif.at(at + 9) & 0x80, 0);  // no local table
            at += 11;                             // descriptor, then the LZW code size
        }
        while (gif.at(at) != 0) at += gif[at] + 1u;  // data sub-blocks
        ++at;
    }
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(at, gif.size() - 1);
}

// 20 px is the notification area's at 125 %; 32 and 48 px are PNG images.
TEST(Resources, IconHoldsFiveSizesAt8BitsPerPixel) {
    const Bytes ico = read_file("numora.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(u16(ico, 0), 0u);
    EXPECT_EQ(u16(ico, 2), 1u);  // an icon, not a cursor
    ASSERT_EQ(u16(ico, 4), 5u);
    constexpr std::array<unsigned, 5> kSizes{16, 20, 24, 32, 48};
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        SCOPED_TRACE(kSizes[i]);
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(ico.at(entry), kSizes[i]);
        EXPECT_EQ(ico.at(entry + 1), kSizes[i]);
        const std::size_t image = u32(ico, entry + 12);
        EXPECT_LE(image + u32(ico, entry + 8), ico.size());
        if (kSizes[i] >= 32) {
            // The signature, then IHDR: width and height big-endian, 8 bits, a palette.
            const std::array<unsigned char, 8> kPng{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
            EXPECT_TRUE(std::equal(kPng.begin(), kPng.end(), ico.begin() + image));
            EXPECT_EQ(ico.at(image + 19), kSizes[i]);
            EXPECT_EQ(ico.at(image + 23), kSizes[i]);
            EXPECT_EQ(ico.at(image + 24), 8u);
            EXPECT_EQ(ico.at(image + 25), 3u);
            continue;
        }
        EXPECT_EQ(u32(ico, image + 4), kSizes[i]);
        EXPECT_EQ(u32(ico, image + 8), 2 * kSizes[i]);  // colour and mask
        EXPECT_EQ(u16(ico, image + 14), 8u);
    }
}

}  // namespace
