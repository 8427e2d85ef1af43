// The note store: the notes of one note file as a table of slots.
//
// Slot n is the note of day n of a Gregorian month, of lunar day n of a lunar
// month, or of weekday n. Every change is written to the store's file at once.
//
// File format, little-endian: the 16-bit mark 100, then one record per slot
// that holds a text, in ascending slot order: slot (signed 16-bit), text
// length n (unsigned 16-bit), colour word (32-bit), n bytes of GBK text
// without a terminator. A store with no such slot has no file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace notes {

// Set in a colour word when the user chose the colour; bits 0-23 then hold it
// as 0x00BBGGRR. Without it the note shows in the default colour of its kind.
inline constexpr std::uint32_t CustomColourBit = 0x01000000;

// The longest text a record can hold.
inline constexpr std::size_t kMaxNoteLength = 0xFFFF;

enum class NoteKind : int { OneOff = 1, GregorianYearly = 2, LunarYearly = 3, Weekly = 4 };

// The colour (0x00BBGGRR) in which a note of `kind` with `colourWord` is drawn.
std::uint32_t NoteColour(std::uint32_t colourWord, NoteKind kind);

// One note: either empty (no text, length 0) or a text of exactly Length()
// bytes followed by a NUL. A text of length 0 exists only with a chosen
// colour, so that the colour survives the clearing of its text.
class NoteSlot {
public:
    NoteSlot() = default;
    NoteSlot(NoteSlot&&) noexcept = default;
    NoteSlot& operator=(NoteSlot&&) noexcept = default;

    // Replaces the note with `length` bytes of `text` and `colourWord`. Without
    // a chosen colour an absent or empty text leaves the slot empty (keeping
    // its old colour word, which nothing shows). A text longer than
    // kMaxNoteLength is refused: -1 and the slot stays as it was; else 0.
    [[nodiscard]] int Assign(const char* text, std::size_t length, std::uint32_t colourWord);

    // Drops the text; length and colour word become 0.
    void Clear();

    std::uint16_t Length() const { return length_; }
    std::uint32_t ColourWord() const { return colourWord_; }
    const char* Text() const { return text_.get(); }  // nullptr when empty

    // Written to the file: holds a text, possibly an empty coloured one.
    bool HoldsText() const { return text_ != nullptr; }
    // Shown in the grid and the tip: a text that does not start with NUL.
    bool CarriesNote() const { return text_ && text_[0] != '\0'; }

private:
    std::uint16_t length_ = 0;
    std::uint32_t colourWord_ = 0;
    std::unique_ptr<char[]> text_;
};

// The folder of the note files, inside the notes folder.
inline constexpr char kCalendarFolderName[] = "日历";

class CNoteStore {
public:
    // The month and yearly files: "日历\%d%02d" with (year, month), year 1
    // for Gregorian-yearly and year 0 for lunar-yearly notes; slots 0-31.
    // Loads the file; returns what Load returns.
    [[nodiscard]] int Open(int year, int month);
    // The weekly file "日历\week"; slots 0-7, 0 = Sunday.
    [[nodiscard]] int OpenWeekly();

    // Reads the store's file into empty slots. 0, or -1 when it stopped at a
    // record that does not fit (index outside 0..MaxSlot(), or a header or
    // text running past the end; the slots read before it stay) or when the
    // file is there but cannot be read.
    [[nodiscard]] int Load();
    // The same from the bytes of a file.
    [[nodiscard]] int LoadBytes(const unsigned char* data, std::size_t size);

    // Writes the store's file, or deletes it when no slot holds a text.
    // 0 when the disk holds the store, -1 otherwise (the notes stay here).
    // When the file did not load whole, the first save over it keeps it
    // first (KeepDamagedCopy), so the records that did not load are not
    // lost; if that copy cannot be kept the save fails and changes nothing.
    [[nodiscard]] int Save();
    // The bytes Save writes; none when no slot holds a text.
    std::vector<unsigned char> FileBytes() const;

    // Assigns one slot and saves. -1 when the slot is outside the table, the
    // text is too long for a record (nothing changes), or the save failed.
    [[nodiscard]] int Set(int slot, const char* text, std::size_t length, std::uint32_t colourWord);

    // Empties every slot.
    void Clear();

    // Slot `index`; an always-empty slot for an index outside the table.
    const NoteSlot& Slot(int index) const;
    int MaxSlot() const { return maxSlot_; }
    const char* FileName() const { return fileName_; }

private:
    void Reset(int maxSlot);

    std::unique_ptr<NoteSlot[]> slots_;
    char fileName_[33] = {};  // a relative path of up to 32 bytes
    int maxSlot_ = -1;
    bool keepFileBeforeSave_ = false;  // the file holds more than was loaded
};

}  // namespace notes
