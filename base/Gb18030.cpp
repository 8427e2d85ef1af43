#include "base/Gb18030.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace base {

namespace {

constexpr char32_t kPairTable[] = {
#include "base/gb18030_pairs.inc"
};
constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE, kSkippedTrail = 0x7F;
constexpr unsigned kTrailsPerLead = kLastTrail - kFirstTrail;  // 0x7F is no trail byte
static_assert(std::size(kPairTable) == (kLastLead - kFirstLead + 1) * kTrailsPerLead);

// Four-byte forms b1 b2 b3 b4: b1 and b3 lead bytes, b2 and b4 digits.
constexpr unsigned kFirstDigit = 0x30, kLastDigit = 0x39;
constexpr unsigned kDigits = 10, kLeads = kLastLead - kFirstLead + 1;

struct FourByteRun {
    std::uint32_t index;  // linear index of the run's first form
    char32_t code;        // its first character
    std::uint32_t count;
};
constexpr FourByteRun kBmpRuns[] = {
#include "base/gb18030_ranges.inc"
};
constexpr std::uint32_t kFirstSupplementaryIndex = 189000;  // 0x90308130, U+10000
constexpr char32_t kFirstSupplementary = 0x10000, kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800, kFirstLowSurrogate = 0xDC00, kLastSurrogate = 0xDFFF;

// GBK's one-byte euro sign; GB18030's own form, A2E3, reads the same.
constexpr unsigned kEuroByte = 0x80;
constexpr char32_t kEuro = 0x20AC;

bool IsLead(unsigned byte) { return byte >= kFirstLead && byte <= kLastLead; }
bool IsTrail(unsigned byte) { return byte >= kFirstTrail && byte <= kLastTrail && byte != kSkippedTrail; }
bool IsDigit(unsigned byte) { return byte >= kFirstDigit && byte <= kLastDigit; }

unsigned ByteAt(std::string_view text, std::size_t offset) { return static_cast<unsigned char>(text[offset]); }

bool IsFourByteForm(std::string_view text, std::size_t offset) {
    return text.size() - offset >= 4 && IsLead(ByteAt(text, offset)) && IsDigit(ByteAt(text, offset + 1)) &&
           IsLead(ByteAt(text, offset + 2)) && IsDigit(ByteAt(text, offset + 3));
}

char32_t FourByteCode(std::uint32_t index) {
    if (index >= kFirstSupplementaryIndex) {
        const char32_t code = kFirstSupplementary + (index - kFirstSupplementaryIndex);
        return code <= kLastCodePoint ? code : kReplacementCharacter;
    }
    const auto* run = std::upper_bound(std::begin(kBmpRuns), std::end(kBmpRuns), index,
                                       [](std::uint32_t i, const FourByteRun& r) { return i < r.index; });
    if (run == std::begin(kBmpRuns)) return kReplacementCharacter;
    --run;
    return index - run->index < run->count ? run->code + (index - run->index) : kReplacementCharacter;
}

// The bytes of a pair table entry, as lead * 256 + trail.
std::uint32_t PairOfEntry(std::uint32_t entry) {
    const std::uint32_t lead = kFirstLead + entry / kTrailsPerLead, column = entry % kTrailsPerLead;
    return lead << 8 | (kFirstTrail + column + (kFirstTrail + column >= kSkippedTrail ? 1 : 0));
}

// The form of every character of the Basic Multilingual Plane: a pair as
// lead * 256 + trail, a four-byte form as kFourByte + its index, 0 for none.
constexpr std::uint32_t kFourByte = 0x10000;
using BmpForms = std::array<std::uint32_t, 0x10000>;

const BmpForms& Forms() {
    static const BmpForms forms = [] {
        BmpForms built{};
        for (const FourByteRun& run : kBmpRuns)
            for (std::uint32_t i = 0; i < run.count; ++i) built[run.code + i] = kFourByte + run.index + i;
        for (std::uint32_t entry = 0; entry < std::size(kPairTable); ++entry) {
            const char32_t code = kPairTable[entry];
            if (code == 0 || code >= kFirstSupplementary) continue;
            built[code] = PairOfEntry(entry);
        }
        built[kEuro] = kEuroByte;
        return built;
    }();
    return forms;
}

// The pair of a character outside the Basic Multilingual Plane (a handful
// have one) as lead * 256 + trail, else 0.
std::uint32_t SupplementaryPair(char32_t code) {
    static const std::vector<std::pair<char32_t, std::uint32_t>> pairs = [] {
        std::vector<std::pair<char32_t, std::uint32_t>> found;
        for (std::uint32_t entry = 0; entry < std::size(kPairTable); ++entry)
            if (kPairTable[entry] >= kFirstSupplementary) found.emplace_back(kPairTable[entry], PairOfEntry(entry));
        return found;
    }();
    for (const auto& [pairCode, pair] : pairs)
        if (pairCode == code) return pair;
    return 0;
}

void AppendFourByte(std::string& out, std::uint32_t index) {
    char bytes[4];
    bytes[3] = static_cast<char>(kFirstDigit + index % kDigits);
    index /= kDigits;
    bytes[2] = static_cast<char>(kFirstLead + index % kLeads);
    index /= kLeads;
    bytes[1] = static_cast<char>(kFirstDigit + index % kDigits);
    bytes[0] = static_cast<char>(kFirstLead + index / kDigits);
    out.append(bytes, 4);
}

void AppendPair(std::string& out, std::uint32_t pair) {
    out += static_cast<char>(pair >> 8);
    out += static_cast<char>(pair & 0xFF);
}

}  // namespace

DecodedCharacter DecodeGb18030(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) return {kReplacementCharacter, 0};
    const unsigned byte = ByteAt(text, offset);
    if (byte < 0x80) return {byte, 1};
    if (byte == kEuroByte) return {kEuro, 1};
    if (!IsLead(byte)) return {kReplacementCharacter, 1};
    if (offset + 1 < text.size() && IsTrail(ByteAt(text, offset + 1))) {
        const unsigned trail = ByteAt(text, offset + 1);
        const unsigned column = trail - kFirstTrail - (trail > kSkippedTrail ? 1 : 0);
        const char32_t code = kPairTable[(byte - kFirstLead) * kTrailsPerLead + column];
        return {code != 0 ? code : kReplacementCharacter, 2};
    }
    if (IsFourByteForm(text, offset)) {
        const std::uint32_t index =
            (((byte - kFirstLead) * kDigits + ByteAt(text, offset + 1) - kFirstDigit) * kLeads +
             ByteAt(text, offset + 2) - kFirstLead) * kDigits + ByteAt(text, offset + 3) - kFirstDigit;
        return {FourByteCode(index), 4};
    }
    return {kReplacementCharacter, 1};
}

void AppendGb18030(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    if (code >= kFirstSupplementary && code <= kLastCodePoint) {
        if (const std::uint32_t pair = SupplementaryPair(code); pair != 0)
            AppendPair(out, pair);
        else
            AppendFourByte(out, kFirstSupplementaryIndex + (code - kFirstSupplementary));
        return;
    }
    const std::uint32_t form = code < kFirstSupplementary ? Forms()[code] : 0;
    if (form == 0) {
        AppendGb18030(out, kReplacementCharacter);
    } else if (form >= kFourByte) {
        AppendFourByte(out, form - kFourByte);
    } else if (form > 0xFF) {
        AppendPair(out, form);
    } else {
        out += static_cast<char>(form);
    }
}

std::u16string Gb18030ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = DecodeGb18030(text, i);
        i += c.length;
        if (c.code < kFirstSupplementary) {
            out += static_cast<char16_t>(c.code);
        } else {
            out += static_cast<char16_t>(kFirstSurrogate + ((c.code - kFirstSupplementary) >> 10));
            out += static_cast<char16_t>(kFirstLowSurrogate + ((c.code - kFirstSupplementary) & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToGb18030(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= kFirstSurrogate && code <= kLastSurrogate) {
            const bool high = code < kFirstLowSurrogate;
            if (high && i + 1 < text.size() && text[i + 1] >= kFirstLowSurrogate && text[i + 1] <= kLastSurrogate) {
                code = kFirstSupplementary + ((code - kFirstSurrogate) << 10) + (text[i + 1] - kFirstLowSurrogate);
                ++i;
            } else {
                code = kReplacementCharacter;
            }
        }
        AppendGb18030(out, code);
    }
    return out;
}

std::string Gb18030ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = DecodeGb18030(text, i);
        AppendUtf8(out, c.code);
        i += c.length;
    }
    return out;
}

std::size_t Gb18030CharacterLength(std::string_view text, std::size_t offset) {
    return DecodeGb18030(text, offset).length;
}

std::size_t Gb18030CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += Gb18030CharacterLength(text, i)) ++count;
    return count;
}

std::size_t Gb18030PrefixOfBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + Gb18030CharacterLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return end;
}

std::size_t Gb18030PrefixOfCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < maxCharacters; ++count)
        end += Gb18030CharacterLength(text, end);
    return end;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < kFirstSupplementary) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace base
