// Whether the export's file would land in the notes folder. The decision
// rests on what the folders are, not on how their names are spelt: a short
// name, a link, another drive letter or a network form of the notes folder
// names the same folder.
#pragma once

#include "notes/NoteFiles.h"

#include <optional>
#include <string>
#include <vector>

namespace ics {

// `absolutePath` and every folder that holds it, nearest first, up to its
// root ("C:\", "\\?\C:\", "\\server\share\", "/"). Either separator; GBK
// text is read a character at a time, since a trail byte may be '\\'.
std::vector<std::string> PathAndItsFolders(const std::string& absolutePath);

enum class TargetPlace {
    Outside,
    InNotesFolder,  // the notes folder or a folder inside it
    Unknown,        // neither the file's folders nor the notes folder could be told
};

// `chain`: the identities of PathAndItsFolders, none where nothing could be
// opened; `notesFolders`: those of the notes folder and its subfolders that
// could be. A folder that could not be opened is none of them (the notes
// folder itself was opened); a file with no folder that could be told, or a
// notes folder that could not be, is Unknown.
TargetPlace PlaceOfTarget(const std::vector<std::optional<notes::FileIdentity>>& chain,
                          const std::vector<notes::FileIdentity>& notesFolders);

// PlaceOfTarget of the file at `absolutePath` and the notes folder at
// `notesFolder` (absolute) with its "日历" and "备忘", asked of the system.
TargetPlace LocateTarget(const std::string& absolutePath, const std::string& notesFolder);

}  // namespace ics
