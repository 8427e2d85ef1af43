// A fresh, empty folder of the test's own that is the current directory
// while it lives, since note paths are relative to the current directory.
#pragma once

#include "notes/NoteFiles.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace notes_test {

class ScratchDir {
public:
    ScratchDir() {
        namespace fs = std::filesystem;
        previous_ = fs::current_path();
        // Creating the folder fails when it exists, so a clash costs only a
        // retry; the seed makes clashes between parallel test programs rare.
        std::mt19937_64 random((static_cast<unsigned long long>(std::time(nullptr)) << 20) ^ std::random_device{}() ^
                               static_cast<unsigned long long>(std::clock()));
        for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
            const fs::path candidate = fs::temp_directory_path() / ("veltrano-notes-" + std::to_string(random()));
            std::error_code error;
            if (fs::create_directory(candidate, error)) root_ = candidate;
        }
        if (root_.empty())
            ADD_FAILURE() << "no scratch folder could be made";
        else
            fs::current_path(root_);
    }

    ~ScratchDir() {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        if (!root_.empty()) std::filesystem::remove_all(root_, error);
    }

    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Regular files anywhere below the folder, whatever their names.
    int FileCount() const {
        int count = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
            if (entry.is_regular_file()) ++count;
        return count;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};

// "folder" + separator + "leaf", as the program builds its paths.
inline std::string PathOf(const char* folder, const char* leaf) {
    return std::string(folder) + notes::kPathSeparator + leaf;
}

// The file's bytes; `exists` tells whether it could be read at all.
inline std::vector<unsigned char> FileContents(const std::string& path, bool* exists = nullptr) {
    std::size_t size = 0;
    const auto data = notes::ReadWholeFile(path.c_str(), size);
    if (exists) *exists = data != nullptr;
    if (!data) return {};
    return std::vector<unsigned char>(data.get(), data.get() + size);
}

// A note record as the file format describes it, built by hand for
// comparisons, and a file of such records after the format mark.
inline std::vector<unsigned char> Record(int slot, const std::string& text, std::uint32_t colourWord = 0) {
    std::vector<unsigned char> r;
    const auto put = [&r](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) r.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
    };
    put(static_cast<std::uint16_t>(slot), 2);
    put(static_cast<std::uint32_t>(text.size()), 2);
    put(colourWord, 4);
    for (char c : text) r.push_back(static_cast<unsigned char>(c));
    return r;
}

inline std::vector<unsigned char> FileOf(const std::vector<std::vector<unsigned char>>& records) {
    std::vector<unsigned char> file = {0x64, 0x00};
    for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
    return file;
}

// Makes "日历" and "备忘" as the program does at start-up, staying in the
// scratch folder.
inline void MakeNoteFolders() {
    ASSERT_EQ(notes::EnsureDir("日历"), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
    ASSERT_EQ(notes::EnsureDir("备忘"), 0);
    ASSERT_EQ(notes::EnsureDir(".."), 0);
}

}  // namespace notes_test
