// The user's documents folder, where the notes folder lives, read through
// one replaceable function so that tests keep their notes in a folder of
// their own.
#pragma once

#include <string>

namespace app {

using DocumentsFolderSource = std::string (*)();

// The documents folder (SHGetFolderPathW, CSIDL_PERSONAL, without
// creating it); empty when the system cannot say.
std::string DocumentsFolder();

// Replaces the source (null puts the system's back); returns the previous one.
DocumentsFolderSource SetDocumentsFolderSource(DocumentsFolderSource source);

}  // namespace app
