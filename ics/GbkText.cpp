#include "ics/GbkText.h"

#include <cstdint>

namespace ics {

namespace {

constexpr std::uint16_t kPairTable[] = {
#include "ics/gbk_table.inc"
};
constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE, kSkippedTrail = 0x7F;
constexpr unsigned kTrailsPerLead = kLastTrail - kFirstTrail;  // 0x7F is no trail byte
static_assert(sizeof kPairTable / sizeof kPairTable[0] == (kLastLead - kFirstLead + 1) * kTrailsPerLead);
constexpr char32_t kEuroByte = 0x80, kEuro = 0x20AC;
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of a lead and trail byte, 0 when the pair is none.
char32_t PairCode(unsigned lead, unsigned trail) {
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail || trail == kSkippedTrail)
        return 0;
    const unsigned column = trail - kFirstTrail - (trail > kSkippedTrail ? 1 : 0);
    return kPairTable[(lead - kFirstLead) * kTrailsPerLead + column];
}

}  // namespace

std::string GbkToUtf8(const char* gbk, std::size_t size) {
    std::string out;
    out.reserve(size + size / 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(gbk);
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned b = bytes[i];
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b == kEuroByte) {
            AppendUtf8(out, kEuro);
        } else if (const char32_t code = i + 1 < size ? PairCode(b, bytes[i + 1]) : 0; code != 0) {
            AppendUtf8(out, code);
            ++i;
        } else {
            AppendUtf8(out, kReplacement);  // the next byte starts afresh
        }
    }
    return out;
}

}  // namespace ics
