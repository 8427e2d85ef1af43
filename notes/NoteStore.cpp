#include "notes/NoteStore.h"

#include "notes/NoteFiles.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace notes {

namespace {

constexpr std::uint16_t kFormatMark = 100;
constexpr std::size_t kMarkSize = 2;
constexpr std::size_t kRecordHeaderSize = 8;
constexpr int kMonthMaxSlot = 31;
constexpr int kWeekMaxSlot = 7;
constexpr char kWeekFileName[] = "week";

std::uint16_t Read16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Append16(std::vector<unsigned char>& out, std::uint16_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void Append32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
}

}  // namespace

std::uint32_t NoteColour(std::uint32_t colourWord, NoteKind kind) {
    if (colourWord & CustomColourBit) return colourWord & 0xFFFFFF;
    switch (kind) {
        case NoteKind::OneOff: return 0xFACE87;           // light sky blue
        case NoteKind::GregorianYearly: return 0x0000FF;  // red
        case NoteKind::LunarYearly: return 0xFF0080;      // violet
        case NoteKind::Weekly: return 0x0000FF;           // red
    }
    return 0xFF0000;  // blue
}

int NoteSlot::Assign(const char* text, std::size_t length, std::uint32_t colourWord) {
    if (text == nullptr) length = 0;
    if (length > kMaxNoteLength) return -1;
    const bool chosenColour = (colourWord & CustomColourBit) != 0;
    // Without a chosen colour an empty text leaves nothing to keep.
    if (!chosenColour && (length == 0 || text[0] == '\0')) {
        text_.reset();
        length_ = 0;
        return 0;
    }

    // Copied before the old text goes, as `text` may point into it.
    std::unique_ptr<char[]> copy(new (std::nothrow) char[length + 1]);
    if (!copy) return -1;
    if (length > 0) std::memcpy(copy.get(), text, length);
    copy[length] = '\0';
    text_ = std::move(copy);
    length_ = static_cast<std::uint16_t>(length);
    colourWord_ = colourWord;
    return 0;
}

void NoteSlot::Clear() {
    text_.reset();
    length_ = 0;
    colourWord_ = 0;
}

void CNoteStore::Reset(int maxSlot) {
    slots_ = std::make_unique<NoteSlot[]>(static_cast<std::size_t>(maxSlot) + 1);
    maxSlot_ = maxSlot;
}

int CNoteStore::Open(int year, int month) {
    std::snprintf(fileName_, sizeof fileName_, "%s%c%d%02d", kCalendarFolderName, kPathSeparator, year, month);
    Reset(kMonthMaxSlot);
    return Load();
}

int CNoteStore::OpenWeekly() {
    std::snprintf(fileName_, sizeof fileName_, "%s%c%s", kCalendarFolderName, kPathSeparator, kWeekFileName);
    Reset(kWeekMaxSlot);
    return Load();
}

void CNoteStore::Clear() {
    for (int i = 0; i <= maxSlot_; ++i) slots_[i].Clear();
}

int CNoteStore::Load() {
    Clear();
    std::size_t size = 0;
    const std::unique_ptr<char[]> data = ReadWholeFile(fileName_, size);
    int result = 0;
    if (data)
        result = LoadBytes(reinterpret_cast<const unsigned char*>(data.get()), size);
    else if (!IsMissing(fileName_))
        result = -1;  // there, yet unreadable: none of its notes is here
    keepFileBeforeSave_ = result != 0;
    return result;
}

int CNoteStore::LoadBytes(const unsigned char* data, std::size_t size) {
    Clear();
    if (size <= kMarkSize) return 0;
    // The mark is not checked: every file written so far starts with 100.
    std::size_t pos = kMarkSize;
    while (pos < size) {
        if (size - pos < kRecordHeaderSize) return -1;
        const int slot = static_cast<std::int16_t>(Read16(data + pos));
        const std::size_t length = Read16(data + pos + 2);
        const std::uint32_t colourWord = Read32(data + pos + 4);
        if (slot < 0 || slot > maxSlot_) return -1;
        if (length > size - pos - kRecordHeaderSize) return -1;
        // Only memory can run out here; what is not loaded stays on the disk.
        if (slots_[slot].Assign(reinterpret_cast<const char*>(data + pos + kRecordHeaderSize), length, colourWord) != 0)
            return -1;
        pos += kRecordHeaderSize + length;
    }
    return 0;
}

std::vector<unsigned char> CNoteStore::FileBytes() const {
    std::vector<unsigned char> bytes;
    for (int i = 0; i <= maxSlot_; ++i) {
        const NoteSlot& note = slots_[i];
        if (!note.HoldsText()) continue;
        if (bytes.empty()) Append16(bytes, kFormatMark);
        Append16(bytes, static_cast<std::uint16_t>(i));
        Append16(bytes, note.Length());
        Append32(bytes, note.ColourWord());
        bytes.insert(bytes.end(), note.Text(), note.Text() + note.Length());
    }
    return bytes;
}

int CNoteStore::Save() {
    if (fileName_[0] == '\0') return -1;  // never opened
    if (keepFileBeforeSave_) {
        if (KeepDamagedCopy(fileName_) != 0) return -1;
        keepFileBeforeSave_ = false;
    }
    const std::vector<unsigned char> bytes = FileBytes();
    if (bytes.empty()) return RemoveFile(fileName_);
    return WriteWholeFile(fileName_, bytes.data(), bytes.size());
}

int CNoteStore::Set(int slot, const char* text, std::size_t length, std::uint32_t colourWord) {
    if (slot < 0 || slot > maxSlot_) return -1;
    if (slots_[slot].Assign(text, length, colourWord) != 0) return -1;
    return Save();
}

const NoteSlot& CNoteStore::Slot(int index) const {
    static const NoteSlot kNoNote;
    if (index < 0 || index > maxSlot_) return kNoNote;
    return slots_[index];
}

}  // namespace notes
