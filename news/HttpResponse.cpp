#include "news/HttpResponse.h"

#include "base/AsciiText.h"

#include <limits>

namespace news {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderEnd = "\r\n\r\n";

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
    const base::DecimalDigits read = base::ReadDecimalDigits(digits, std::numeric_limits<std::size_t>::max());
    if (digits.empty() || read.count != digits.size()) return false;
    value = static_cast<std::size_t>(read.value);
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
        if (colon == std::string_view::npos || !base::EqualsIgnoringAsciiCase(line.substr(0, colon), "Content-Length"))
            continue;
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
    if (!base::IsAsciiDigit(line[7]) || line[8] != ' ') return false;
    if (line[9] != '2' || !base::IsAsciiDigit(line[10]) || !base::IsAsciiDigit(line[11])) return false;
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
