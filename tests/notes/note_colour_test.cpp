// The colour a note is drawn in, from its colour word and its kind.
#include "notes/NoteStore.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using notes::CustomColourBit;
using notes::NoteColour;
using notes::NoteKind;

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

TEST(NoteColour, DefaultsPerKindAndTheChosenColourWhenMarked) {
    struct Case {
        std::uint32_t colourWord;
        NoteKind kind;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0, NoteKind::OneOff, Rgb(135, 206, 250)},
        {0, NoteKind::GregorianYearly, Rgb(255, 0, 0)},
        {0, NoteKind::LunarYearly, Rgb(128, 0, 255)},
        {0, NoteKind::Weekly, Rgb(255, 0, 0)},
        {0, static_cast<NoteKind>(0), Rgb(0, 0, 255)},
        {0, static_cast<NoteKind>(5), Rgb(0, 0, 255)},
        // Without the bit the rest of the word means nothing.
        {0x00123456, NoteKind::OneOff, Rgb(135, 206, 250)},
        {0xFE000000, NoteKind::LunarYearly, Rgb(128, 0, 255)},
        // With it the low 24 bits are the colour, whatever the kind.
        {CustomColourBit | Rgb(1, 2, 3), NoteKind::OneOff, Rgb(1, 2, 3)},
        {CustomColourBit | Rgb(0, 0, 0), NoteKind::Weekly, Rgb(0, 0, 0)},
        {0xFF000000 | Rgb(255, 255, 255), static_cast<NoteKind>(9), Rgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NoteColour(c.colourWord, c.kind), c.expected)
            << std::hex << "word 0x" << c.colourWord << " kind " << static_cast<int>(c.kind);
    }
}

}  // namespace
