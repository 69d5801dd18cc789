// Input as a pipe brings it: each piece is written, then read at once, so
// that a character split between two reads is met as such.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "io.hpp"
#include "source.hpp"

namespace numora::cli {
namespace {

class Pipe {
public:
    Pipe() { EXPECT_EQ(pipe(ends_), 0); }
    ~Pipe() {
        close_writing();
        close(ends_[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int reading() const { return ends_[0]; }
    void write(const std::string& bytes) const {
        ASSERT_EQ(::write(ends_[1], bytes.data(), bytes.size()), static_cast<long>(bytes.size()));
    }
    void close_writing() {
        if (ends_[1] >= 0) close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2] = {-1, -1};
};

std::string read_from(Source& source) {
    char out[64];
    const long got = source.read(out, sizeof out);
    return got > 0 ? std::string(out, static_cast<std::size_t>(got)) : std::string();
}

// Each piece, as written, and the UTF-8 the read after it gives.
struct Piece {
    std::string written;
    std::string read;
};

TEST(Source, CharactersSplitBetweenReadsAreDecodedOnce) {
    using namespace std::string_literals;
    const std::vector<std::vector<Piece>> inputs{
        // "5😀", the surrogate pair split between reads; "7€", the euro's unit split.
        {{"\xFF\xFE"
          "5\0\x3D\xD8"s,
          "5"},
         {"\x00\xDE\n\0"s, "\U0001F600\n"},
         {"7\0\xAC"s, "7"},
         {"\x20"s, "\u20AC"}},
        {{"\xFE\xFF\0"
          "5\xD8"s,
          "5"},
         {"\x3D\xDE\x00"s, "\U0001F600"},
         {"\0\n"s, "\n"}},
        {{"\xEF\xBB\xBF"
          "5"s,
          "5"},
         {"\xE2\x82"s, "\xE2\x82"}},
        // Half a unit at the end is a character of its own: U+FFFD.
        {{"\xFF\xFE"
          "5\0\x35"s,
          "5"}},
    };
    for (const auto& pieces : inputs) {
        Pipe pipe;
        Source source(pipe.reading());
        std::string all;
        for (const auto& [written, read] : pieces) {
            pipe.write(written);
            all += read;
            EXPECT_EQ(read_from(source), read) << testing::PrintToString(all);
        }
        pipe.close_writing();
        const std::string rest = read_from(source);
        EXPECT_EQ(rest, pieces.size() == 1 ? "\uFFFD" : "") << testing::PrintToString(all);
        EXPECT_EQ(read_from(source), "");
    }
}

// Each line's bytes counted once, however many reads bring them.
TEST(Input, Utf16LinesFromSeveralReads) {
    using namespace std::string_literals;
    Pipe pipe;
    Input input(pipe.reading());
    Output output(-1);
    Line line;
    for (const auto& [written, text] : std::vector<Piece>{{"\xFF\xFE"
                                                           "1\0\r\0\n\0"s,
                                                           "1"},
                                                          {"2\0"
                                                           "2\0\n\0"s,
                                                           "22"},
                                                          {"3\0\r\0"s, "3"}}) {
        pipe.write(written);
        ASSERT_TRUE(input.next(line, output));
        EXPECT_EQ(line.text, text);
    }
    pipe.close_writing();
    EXPECT_FALSE(input.next(line, output));
    EXPECT_FALSE(input.failed());
}

// A CR that ends one read and the LF that starts the next are one line end.
TEST(Input, CrLfSplitBetweenReadsEndsOneLine) {
    Pipe pipe;
    Input input(pipe.reading());
    Output output(-1);
    Line line;
    for (const auto& [written, text] : std::vector<Piece>{{"1\r", "1"}, {"\n2\r", "2"}}) {
        pipe.write(written);
        ASSERT_TRUE(input.next(line, output));
        EXPECT_EQ(line.text, text);
    }
    pipe.write("\n");
    pipe.close_writing();
    EXPECT_FALSE(input.next(line, output)) << "an extra line " << testing::PrintToString(line.text);
}

}  // namespace
}  // namespace numora::cli
