// Properties of the decoder and encoder over many seeded images:
// - encode(decode(image)) reproduces every byte the encoder writes, for
//   images made of valid values, and never touches 2006..2015;
// - decode never crashes or reads out of range on any bytes, and encoding
//   what it decoded never does either.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ImageTestSupport.h"
#include "image/ImageDecoder.h"
#include "image/ImageEncoder.h"
#include "image/ImageLayout.h"

namespace qav {
namespace {

using namespace layout;
using test::EnglishContext;

constexpr unsigned kSeed = 20240605;

bool Unwritten(int offset) {
    return offset >= kUnwritten && offset < kUnwritten + kUnwrittenSize;
}

TEST(CodecRoundTrip, ValidImagesComeBackInEveryWrittenByte) {
    std::mt19937 rng(kSeed);
    const DecodeContext context = EnglishContext();
    for (int run = 0; run < 2000; ++run) {
        const MemoryImage read = test::MakeValidImage(rng);
        const DecodedImage decoded = DecodeImage(read, context);
        MemoryImage written(kQav750);
        for (std::uint8_t& b : written.bytes()) {
            b = static_cast<std::uint8_t>(rng());
        }
        const MemoryImage before = written;
        const auto faults = EncodeImage(decoded.fields, decoded.tables, decoded.fm, decoded.grades, written);
        ASSERT_TRUE(faults.empty()) << "run " << run << ": " << Describe(faults.front());
        for (int i = 0; i < read.size(); ++i) {
            if (Unwritten(i)) {
                ASSERT_EQ(written.at(i), before.at(i)) << "run " << run << " byte " << i;
            } else {
                ASSERT_EQ(written.at(i), read.at(i)) << "run " << run << " byte " << i;
            }
        }
    }
}

TEST(CodecRoundTrip, SimplifiedAndTraditionalOffTextsRoundTripToo) {
    std::mt19937 rng(kSeed + 1);
    for (const Language language : {LangSimplified, LangTraditional}) {
        DecodeContext context = EnglishContext();
        context.language = language;
        for (int run = 0; run < 100; ++run) {
            const MemoryImage read = test::MakeValidImage(rng);
            const DecodedImage decoded = DecodeImage(read, context);
            MemoryImage written(kQav750);
            ASSERT_TRUE(
                EncodeImage(decoded.fields, decoded.tables, decoded.fm, decoded.grades, written).empty());
            for (int i = 0; i < read.size(); ++i) {
                if (!Unwritten(i)) {
                    ASSERT_EQ(written.at(i), read.at(i)) << i;
                }
            }
        }
    }
}

// Decoding then encoding arbitrary bytes: no crash, no read out of range (the
// sanitizer build checks), the unwritten bytes stay, and where a field cannot
// be encoded it is reported instead.
void SweepOnce(const MemoryImage& read, const DecodeContext& context) {
    const DecodedImage decoded = DecodeImage(read, context);
    MemoryImage written(kQav750);
    written.Fill(0xA5);
    const auto faults = EncodeImage(decoded.fields, decoded.tables, decoded.fm, decoded.grades, written);
    for (const EncodeFault& f : faults) {
        ASSERT_NE(f.problem, EncodeProblem::LayoutMismatch);
        // Every frequency text the decoder makes can be written back. The
        // offset is decoded as a number, where D and E mark an exponent: bytes
        // such as 00 00 E5 12 give a value far above any frequency, refused.
        if (f.field != "Form3.Text21") {
            ASSERT_NE(f.problem, EncodeProblem::NotAFrequency) << Describe(f);
        }
        ASSERT_FALSE(f.field.empty());
        ASSERT_TRUE(written.Contains(f.offset)) << Describe(f);
    }
    for (int i = kUnwritten; i < kUnwritten + kUnwrittenSize; ++i) {
        ASSERT_EQ(written.at(i), 0xA5);
    }
    // Whatever was read, the fixed bytes are written.
    ASSERT_EQ(written.at(kScramblerSwitch), 1);
    ASSERT_EQ(written.at(kImageIdent), 'R');
}

TEST(CodecSweep, RandomImages) {
    std::mt19937 rng(kSeed + 2);
    const DecodeContext context = EnglishContext();
    for (int run = 0; run < 6000; ++run) {
        SweepOnce(test::MakeRandomImage(rng), context);
    }
}

TEST(CodecSweep, ImagesOfEdgeValues) {
    std::mt19937 rng(kSeed + 3);
    DecodeContext context = EnglishContext();
    for (int run = 0; run < 6000; ++run) {
        context.language = static_cast<Language>(run % 3);
        SweepOnce(test::MakeEdgyImage(rng), context);
    }
}

TEST(CodecSweep, MutatedValidImages) {
    std::mt19937 rng(kSeed + 4);
    const DecodeContext context = EnglishContext();
    for (int run = 0; run < 4000; ++run) {
        MemoryImage image = test::MakeValidImage(rng);
        const int flips = 1 + static_cast<int>(rng() % 16);
        for (int f = 0; f < flips; ++f) {
            image.at(static_cast<int>(rng() % static_cast<unsigned>(image.size()))) =
                static_cast<std::uint8_t>(rng());
        }
        SweepOnce(image, context);
    }
}

TEST(CodecSweep, ImagesOfEveryConstantByte) {
    const DecodeContext context = EnglishContext();
    for (int value = 0; value < 256; ++value) {
        MemoryImage image(kQav750);
        image.Fill(static_cast<std::uint8_t>(value));
        SweepOnce(image, context);
    }
}

TEST(CodecSweep, DecodingIsDeterministic) {
    std::mt19937 rng(kSeed + 5);
    const DecodeContext context = EnglishContext();
    for (int run = 0; run < 50; ++run) {
        const MemoryImage image = test::MakeRandomImage(rng);
        const DecodedImage a = DecodeImage(image, context);
        const DecodedImage b = DecodeImage(image, context);
        ASSERT_EQ(a.fields, b.fields);
        ASSERT_EQ(a.tables, b.tables);
        ASSERT_EQ(a.fm, b.fm);
        ASSERT_EQ(a.grades, b.grades);
    }
}

}  // namespace
}  // namespace qav
