// Loading arbitrary bytes: thousands of random, malformed and truncated
// files, each in a buffer of exactly its size so that the address sanitizer
// build stops at any read past the end.
#include "notes/NoteStore.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using notes::CNoteStore;
using Bytes = std::vector<unsigned char>;

// Loads from a heap block of exactly `bytes.size()` bytes.
int LoadExactly(CNoteStore& store, const Bytes& bytes) {
    std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size() ? bytes.size() : 1]);
    if (!bytes.empty()) std::memcpy(exact.get(), bytes.data(), bytes.size());
    return store.LoadBytes(exact.get(), bytes.size());
}

void ExpectSlotsWellFormed(const CNoteStore& store) {
    for (int i = 0; i <= store.MaxSlot(); ++i) {
        const notes::NoteSlot& slot = store.Slot(i);
        if (slot.HoldsText()) {
            ASSERT_EQ(slot.Text()[slot.Length()], '\0') << "slot " << i;
        } else {
            ASSERT_EQ(slot.Length(), 0) << "slot " << i;
        }
    }
}

void ExpectSameSlots(const CNoteStore& a, const CNoteStore& b) {
    ASSERT_EQ(a.MaxSlot(), b.MaxSlot());
    for (int i = 0; i <= a.MaxSlot(); ++i) {
        const notes::NoteSlot& x = a.Slot(i);
        const notes::NoteSlot& y = b.Slot(i);
        ASSERT_EQ(x.HoldsText(), y.HoldsText()) << "slot " << i;
        if (!x.HoldsText()) continue;
        ASSERT_EQ(x.ColourWord(), y.ColourWord()) << "slot " << i;
        ASSERT_EQ(std::string(x.Text(), x.Length()), std::string(y.Text(), y.Length())) << "slot " << i;
    }
}

// Random records near the format: indices around the table's edges, and
// lengths that sometimes lie about the text that follows.
Bytes PlausibleFile(std::mt19937& random, int maxSlot) {
    Bytes file = {static_cast<unsigned char>(random()), static_cast<unsigned char>(random())};
    const int records = static_cast<int>(random() % 6);
    for (int r = 0; r < records; ++r) {
        const int slot = static_cast<int>(random() % static_cast<unsigned>(maxSlot + 6)) - 2;
        const std::size_t textSize = random() % 24;
        const std::uint16_t length =
            (random() % 4 == 0) ? static_cast<std::uint16_t>(random()) : static_cast<std::uint16_t>(textSize);
        const std::uint32_t colour = (random() % 2) ? static_cast<std::uint32_t>(random()) : 0u;
        const unsigned char header[8] = {
            static_cast<unsigned char>(slot & 0xFF),   static_cast<unsigned char>((slot >> 8) & 0xFF),
            static_cast<unsigned char>(length & 0xFF), static_cast<unsigned char>(length >> 8),
            static_cast<unsigned char>(colour),        static_cast<unsigned char>(colour >> 8),
            static_cast<unsigned char>(colour >> 16),  static_cast<unsigned char>(colour >> 24)};
        file.insert(file.end(), header, header + 8);
        for (std::size_t i = 0; i < textSize; ++i) file.push_back(static_cast<unsigned char>(random()));
    }
    if (random() % 3 == 0 && !file.empty()) file.resize(random() % file.size());
    return file;
}

Bytes NoiseFile(std::mt19937& random) {
    Bytes file(random() % 80);
    for (unsigned char& b : file) b = static_cast<unsigned char>(random());
    return file;
}

TEST(NoteLoadFuzz, RandomBytesNeverCrashAndWhatLoadsSavesAndLoadsAgainTheSame) {
    notes_test::ScratchDir scratch;
    std::mt19937 random(20240601);
    for (int round = 0; round < 20000; ++round) {
        const bool week = round % 2 == 1;
        CNoteStore store;
        if (week)
            ASSERT_EQ(store.OpenWeekly(), 0);  // no file: only the table is set up
        else
            ASSERT_EQ(store.Open(9999, 99), 0);
        const Bytes input = (round % 3 == 0) ? NoiseFile(random) : PlausibleFile(random, store.MaxSlot());

        const int result = LoadExactly(store, input);
        ASSERT_TRUE(result == 0 || result == -1) << "round " << round;
        ExpectSlotsWellFormed(store);

        CNoteStore again;
        if (week)
            ASSERT_EQ(again.OpenWeekly(), 0);
        else
            ASSERT_EQ(again.Open(9999, 99), 0);
        ASSERT_EQ(LoadExactly(again, store.FileBytes()), 0) << "round " << round;
        ExpectSameSlots(store, again);
        ASSERT_FALSE(HasFatalFailure()) << "round " << round;
    }
}

TEST(NoteLoadFuzz, EveryTruncationKeepsExactlyTheWholeRecords) {
    notes_test::ScratchDir scratch;
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        // A valid file with its record boundaries noted.
        Bytes file = {0x64, 0x00};
        std::vector<std::size_t> recordEnds;
        std::vector<int> slots;
        for (int slot = 1; slot <= 31; ++slot) {
            if (random() % 3 != 0) continue;
            const std::size_t n = 1 + random() % 12;
            const unsigned char header[8] = {
                static_cast<unsigned char>(slot), 0, static_cast<unsigned char>(n), 0, 0, 0, 0, 0};
            file.insert(file.end(), header, header + 8);
            for (std::size_t i = 0; i < n; ++i) file.push_back(static_cast<unsigned char>('a' + random() % 26));
            recordEnds.push_back(file.size());
            slots.push_back(slot);
        }

        for (std::size_t size = 0; size <= file.size(); ++size) {
            CNoteStore store;
            ASSERT_EQ(store.Open(9999, 98), 0);
            const int result =
                LoadExactly(store, Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)));

            std::size_t whole = 0;
            bool onBoundary = size <= 2;
            for (std::size_t r = 0; r < recordEnds.size(); ++r) {
                if (recordEnds[r] <= size) whole = r + 1;
                if (recordEnds[r] == size) onBoundary = true;
            }
            ASSERT_EQ(result, onBoundary ? 0 : -1) << "size " << size;
            for (std::size_t r = 0; r < slots.size(); ++r)
                ASSERT_EQ(store.Slot(slots[r]).HoldsText(), r < whole) << "size " << size << " slot " << slots[r];
        }
    }
}

TEST(NoteLoadFuzz, RandomFilesLoadFromDiskWithoutHarm) {
    notes_test::ScratchDir scratch;
    notes_test::MakeNoteFolders();
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        CNoteStore store;
        (void)store.Open(2024, 12);  // for its file name: the last round's file is replaced
        const Bytes input = PlausibleFile(random, store.MaxSlot());
        ASSERT_EQ(notes::WriteWholeFile(store.FileName(), input.data(), input.size()), 0);

        CNoteStore fromBytes;
        ASSERT_EQ(fromBytes.Open(9999, 97), 0);
        const int expected = LoadExactly(fromBytes, input);
        ASSERT_EQ(store.Load(), expected) << "round " << round;
        ExpectSameSlots(store, fromBytes);
    }
}

}  // namespace
