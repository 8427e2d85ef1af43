#include "ics/ExportTarget.h"

#include "base/AsciiText.h"
#include "notes/MemoFile.h"
#include "notes/NoteStore.h"

#include <algorithm>

namespace ics {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the next separator at or after `from` is, a character at a time.
std::size_t NextSeparator(const std::string& path, std::size_t from) {
    for (std::size_t i = from; i < path.size(); ++i) {
        if (IsSeparator(path[i])) return i;
        if (base::IsGbkLeadByte(path[i])) ++i;
    }
    return std::string::npos;
}

// Just past the root's closing separator, or past the whole path when it is
// only a root; 0 when the path has no root.
std::size_t RootLength(const std::string& path) {
    const auto past = [&path](std::size_t separator) { return separator == std::string::npos ? path.size() : separator + 1; };
    const bool twoSeparators = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (twoSeparators && path.size() >= 4 && (path[2] == '?' || path[2] == '.') && IsSeparator(path[3])) {
        // "\\?\C:\", "\\?\UNC\server\share\", "\\.\device\"
        const std::string rest = path.substr(4);
        if (rest.size() >= 2 && rest[1] == ':') return past(NextSeparator(path, 4));
        if (base::StartsWithIgnoringAsciiCase(rest, "UNC") && rest.size() > 3 && IsSeparator(rest[3]))
            return past(NextSeparator(path, past(NextSeparator(path, 8))));
        return past(NextSeparator(path, 4));
    }
    if (twoSeparators) return past(NextSeparator(path, past(NextSeparator(path, 2))));  // "\\server\share\"
    if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;  // "C:\"
    return IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

std::vector<std::string> PathAndItsFolders(const std::string& absolutePath) {
    if (absolutePath.empty()) return {};
    const std::size_t root = std::min(RootLength(absolutePath), absolutePath.size());
    std::vector<std::string> folders;  // outermost first
    if (root > 0 && root < absolutePath.size()) folders.push_back(absolutePath.substr(0, root));
    for (std::size_t i = NextSeparator(absolutePath, root); i != std::string::npos;
         i = NextSeparator(absolutePath, i + 1))
        if (i > root && i + 1 < absolutePath.size()) folders.push_back(absolutePath.substr(0, i));
    std::vector<std::string> chain{absolutePath};
    chain.insert(chain.end(), folders.rbegin(), folders.rend());
    return chain;
}

TargetPlace PlaceOfTarget(const std::vector<std::optional<notes::FileIdentity>>& chain,
                          const std::vector<notes::FileIdentity>& notesFolders) {
    if (notesFolders.empty()) return TargetPlace::Unknown;
    bool anyKnown = false;
    for (const std::optional<notes::FileIdentity>& folder : chain) {
        if (!folder) continue;
        anyKnown = true;
        if (std::find(notesFolders.begin(), notesFolders.end(), *folder) != notesFolders.end())
            return TargetPlace::InNotesFolder;
    }
    return anyKnown ? TargetPlace::Outside : TargetPlace::Unknown;
}

TargetPlace LocateTarget(const std::string& absolutePath, const std::string& notesFolder) {
    std::vector<notes::FileIdentity> notesFolders;
    const std::optional<notes::FileIdentity> folder = notes::IdentityOf(notesFolder.c_str());
    if (folder) {
        notesFolders.push_back(*folder);
        for (const char* subfolder : {notes::kCalendarFolderName, notes::kMemoFolderName})
            if (const auto inside = notes::IdentityOf((notesFolder + notes::kPathSeparator + subfolder).c_str()))
                notesFolders.push_back(*inside);
    }
    std::vector<std::optional<notes::FileIdentity>> chain;
    for (const std::string& path : PathAndItsFolders(absolutePath)) chain.push_back(notes::IdentityOf(path.c_str()));
    return PlaceOfTarget(chain, notesFolders);
}

}  // namespace ics
