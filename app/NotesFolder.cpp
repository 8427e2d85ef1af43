#include "app/NotesFolder.h"

#include "base/AsciiText.h"
#include "notes/NoteFiles.h"
#include "notes/NoteStore.h"

#include <cstring>

namespace app {

namespace {

// Whether the text ends in a separator character. A GBK trail byte may be
// 0x5C, the Windows separator, so the text is read character by character.
bool EndsWithSeparator(const char* text, std::size_t length) {
    bool separator = false;
    for (std::size_t i = 0; i < length; ++i) {
        separator = text[i] == notes::kPathSeparator || text[i] == '/';
        if (base::IsGbkLeadByte(text[i]) && i + 1 < length) ++i;  // the pair is one character
    }
    return separator;
}

}  // namespace

std::optional<std::string> NotesFolderPath(const char* documents) {
    if (documents == nullptr || documents[0] == '\0') return std::nullopt;
    const std::size_t length = std::strlen(documents);
    std::string path(documents, length);
    if (!EndsWithSeparator(documents, length)) path += notes::kPathSeparator;
    path += kNotesFolderName;
    if (path.size() >= kPathBufferSize) return std::nullopt;
    return path;
}

int EnterNotesFolder(const std::string& path) {
    if (notes::EnsureDir(path.c_str()) != 0) return -1;
    int result = 0;
    for (const char* subfolder : {notes::kCalendarFolderName, kMemoFolderName}) {
        if (notes::EnsureDir(subfolder) != 0) {
            result = -1;  // still in the notes folder
            continue;
        }
        if (notes::EnsureDir("..") != 0) return -1;
    }
    return result;
}

}  // namespace app
