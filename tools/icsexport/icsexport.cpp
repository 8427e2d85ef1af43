// Writes every note of a notes folder to an iCalendar file, as the
// calendar's "/ics" does, on any machine that holds a copy of the folder.
//
//   icsexport [--rscale] [--from YEAR] [--stamp YYYYMMDDTHHMMSSZ] NOTES_FOLDER OUTPUT.ics
//
// --rscale writes each lunar-yearly note as one Chinese-calendar rule instead
// of one event per year; --from sets the year those events start in (this
// year by default). Exit status 0 when the file was written, 1 when not,
// 2 on a wrong command line.
#include "base/Gb18030.h"
#include "ics/ExportTarget.h"
#include "ics/NotesExport.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: icsexport [--rscale] [--from YEAR] [--stamp YYYYMMDDTHHMMSSZ] NOTES_FOLDER OUTPUT.ics\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::time_t now = std::time(nullptr);
    ics::ExportOptions options;
    options.fromYear = std::localtime(&now)->tm_year + 1900;
    options.stamp = ics::UtcStamp(now);
    int arg = 1;
    for (; arg < argc && argv[arg][0] == '-'; ++arg) {
        if (std::strcmp(argv[arg], "--rscale") == 0) {
            options.lunarForm = ics::LunarForm::Rscale;
        } else if (std::strcmp(argv[arg], "--from") == 0 && arg + 1 < argc) {
            options.fromYear = std::atoi(argv[++arg]);
        } else if (std::strcmp(argv[arg], "--stamp") == 0 && arg + 1 < argc) {
            options.stamp = argv[++arg];
        } else {
            return Usage();
        }
    }
    if (argc - arg != 2) return Usage();

    char folder[PATH_MAX];
    if (!::realpath(argv[arg], folder)) {
        std::fprintf(stderr, "icsexport: no notes folder at %s\n", argv[arg]);
        return 1;
    }
    const std::optional<std::string> absolute = notes::AbsolutePath(argv[arg + 1]);
    if (!absolute) {
        std::fprintf(stderr, "icsexport: %s cannot be made an absolute path\n", argv[arg + 1]);
        return 1;
    }
    const std::string& output = *absolute;
    if (ics::LocateTarget(output, folder) != ics::TargetPlace::Outside) {
        std::fprintf(stderr, "icsexport: %s lies inside the notes folder, or where it lies cannot be told\n",
                     output.c_str());
        return 1;
    }
    if (::chdir(folder) != 0) {
        std::perror(folder);
        return 1;
    }
    ics::ExportResult result;
    const bool written = ics::ExportNotes(output.c_str(), options, result) == 0;
    if (written)
        std::printf("%d notes, %d events, %zu bytes written to %s\n", result.notes, result.events, result.bytes,
                    output.c_str());
    else
        std::fprintf(stderr, "icsexport: could not write %s\n", output.c_str());
    for (const std::string& file : result.skippedFiles)
        std::printf("skipped, not read whole: %s\n", base::Gb18030ToUtf8(file).c_str());
    return written ? 0 : 1;
}
