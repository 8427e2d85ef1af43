// Every GB18030 form and every character against the C library's own
// converter, and every GBK character written with exactly its GBK bytes.
#include "base/Gb18030.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <string>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // The whole of `in` converted, or empty when it is not one valid text.
    std::string Convert(const std::string& in) {
        std::string copy = in;
        char out[16];
        char* src = copy.data();
        char* dst = out;
        size_t inLeft = copy.size(), outLeft = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &src, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return {};
        return std::string(out, dst);
    }

private:
    iconv_t cd_;
};

std::string Utf32(char32_t code) {
    return {static_cast<char>(code & 0xFF), static_cast<char>((code >> 8) & 0xFF),
            static_cast<char>((code >> 16) & 0xFF), static_cast<char>(code >> 24)};
}

char32_t CodeOfUtf32(const std::string& utf32) {
    if (utf32.size() != 4) return base::kReplacementCharacter;
    const auto byte = [&](int i) { return static_cast<char32_t>(static_cast<unsigned char>(utf32[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

std::string FourBytes(std::uint32_t index) {
    std::string bytes(4, '\0');
    bytes[3] = static_cast<char>(0x30 + index % 10);
    index /= 10;
    bytes[2] = static_cast<char>(0x81 + index % 126);
    index /= 126;
    bytes[1] = static_cast<char>(0x30 + index % 10);
    bytes[0] = static_cast<char>(0x81 + index / 10);
    return bytes;
}

TEST(Gb18030AgainstTheCLibrary, EveryPairAndFourByteFormReadsTheSame) {
    Converter decode("UTF-32LE", "GB18030");
    ASSERT_TRUE(decode.ok());
    int mismatches = 0;
    const auto check = [&](const std::string& form) {
        const base::DecodedCharacter ours = base::DecodeGb18030(form, 0);
        const char32_t theirs = CodeOfUtf32(decode.Convert(form));
        if ((ours.code != theirs || ours.length != form.size()) && ++mismatches <= 10)
            ADD_FAILURE() << std::hex << "form " << std::uint32_t(static_cast<unsigned char>(form[0])) << "... ours U+"
                          << std::uint32_t(ours.code) << " theirs U+" << std::uint32_t(theirs);
    };
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
            if (trail != 0x7F) check({static_cast<char>(lead), static_cast<char>(trail)});
    for (std::uint32_t index = 0; index <= 1237575 + 1; ++index) {  // 0x81308130 .. 0xE3329A35, and one past
        if (index == 39420) index = 189000;  // no form between the planes
        check(FourBytes(index));
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Gb18030AgainstTheCLibrary, EveryCharacterIsWrittenAsGbkOrElseGb18030WritesIt) {
    Converter gb18030("GB18030", "UTF-32LE"), gbk("CP936", "UTF-32LE");
    ASSERT_TRUE(gb18030.ok() && gbk.ok());
    const std::string replacement = gb18030.Convert(Utf32(base::kReplacementCharacter));
    int mismatches = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code == 0xD800) code = 0xE000;  // surrogates are no characters
        std::string expected = gbk.Convert(Utf32(code));
        if (expected.empty()) expected = gb18030.Convert(Utf32(code));
        if (expected.empty()) expected = replacement;  // a private-use code that lost its form
        std::string ours;
        base::AppendGb18030(ours, code);
        if (ours != expected && ++mismatches <= 10) ADD_FAILURE() << std::hex << "U+" << std::uint32_t(code);
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
