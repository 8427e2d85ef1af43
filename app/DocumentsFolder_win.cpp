#include "app/DocumentsFolder.h"

#include "base/WideText_win.h"

#include <windows.h>
#include <shlobj.h>

namespace app {

namespace {

std::string SystemDocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return base::WideToGb18030(path);
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
