#include "news/HttpResponse.h"

#include <cstdint>
#include <limits>

namespace news {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderEnd = "\r\n\r\n";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

enum class LengthField { Absent, Present, Unreadable };

struct ContentLength {
    LengthField field = LengthField::Absent;
    std::size_t value = 0;
};

// Reads the digits of a Content-Length value; a value too large for
// size_t reads as the largest size, which no buffer here can reach.
bool ReadLength(std::string_view digits, std::size_t& value) {
    if (digits.empty()) return false;
    constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
    value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return false;
        const std::size_t digit = static_cast<std::size_t>(c - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return true;
}

// `fields` are the header lines after the status line, without the blank
// line. Repeated Content-Length lines must agree.
ContentLength FindContentLength(std::string_view fields) {
    ContentLength result;
    while (!fields.empty()) {
        const std::size_t lineEnd = fields.find(kLineEnd);
        const std::string_view line = fields.substr(0, lineEnd);
        fields = lineEnd == std::string_view::npos ? std::string_view() : fields.substr(lineEnd + kLineEnd.size());

        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || !EqualsIgnoringCase(line.substr(0, colon), "Content-Length")) continue;
        std::size_t value = 0;
        if (!ReadLength(TrimBlanks(line.substr(colon + 1)), value) ||
            (result.field == LengthField::Present && result.value != value)) {
            return {LengthField::Unreadable, 0};
        }
        result = {LengthField::Present, value};
    }
    return result;
}

}  // namespace

bool IsSuccessStatusLine(std::string_view line) {
    constexpr std::string_view kVersionPrefix = "HTTP/1.";
    // "HTTP/1.x 2xx" is 12 bytes.
    if (line.size() < 12 || line.substr(0, kVersionPrefix.size()) != kVersionPrefix) return false;
    if (!IsDigit(line[7]) || line[8] != ' ') return false;
    if (line[9] != '2' || !IsDigit(line[10]) || !IsDigit(line[11])) return false;
    return line.size() == 12 || line[12] == ' ';
}

ResponseView ExamineResponse(std::string_view received, StreamState stream) {
    const std::size_t headerEnd = received.find(kHeaderEnd);
    if (headerEnd == std::string_view::npos) {
        if (stream == StreamState::Open) return {ResponseState::NeedMore};
        return {received.empty() ? ResponseState::Incomplete : ResponseState::MalformedHeaders};
    }

    const std::string_view head = received.substr(0, headerEnd);
    const std::size_t statusEnd = head.find(kLineEnd);
    if (!IsSuccessStatusLine(head.substr(0, statusEnd))) return {ResponseState::NotSuccess};

    const std::string_view fields =
        statusEnd == std::string_view::npos ? std::string_view() : head.substr(statusEnd + kLineEnd.size());
    const ContentLength length = FindContentLength(fields);
    if (length.field == LengthField::Unreadable) return {ResponseState::MalformedHeaders};

    const std::size_t bodyOffset = headerEnd + kHeaderEnd.size();
    const std::size_t available = received.size() - bodyOffset;
    if (length.field == LengthField::Present && available >= length.value) {
        return {ResponseState::Complete, bodyOffset, length.value};
    }
    switch (stream) {
        case StreamState::Open: return {ResponseState::NeedMore};
        case StreamState::BufferFull: return {ResponseState::Complete, bodyOffset, available};
        case StreamState::Closed: break;
    }
    // Closed: a body shorter than its Content-Length was cut off on the way.
    if (length.field == LengthField::Present) return {ResponseState::Incomplete};
    return {ResponseState::Complete, bodyOffset, available};
}

}  // namespace news
