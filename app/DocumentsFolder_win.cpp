#include "app/DocumentsFolder.h"

#include <windows.h>
#include <shlobj.h>

namespace app {

namespace {

std::string SystemDocumentsFolder() {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, CSIDL_PERSONAL, FALSE)) return {};
    return path;
}

DocumentsFolderSource source = &SystemDocumentsFolder;

}  // namespace

std::string DocumentsFolder() { return source(); }

DocumentsFolderSource SetDocumentsFolderSource(DocumentsFolderSource replacement) {
    const DocumentsFolderSource previous = source;
    source = replacement ? replacement : &SystemDocumentsFolder;
    return previous;
}

}  // namespace app
