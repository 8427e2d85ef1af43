#include "notes/NoteFilesTestSeam.h"

#include <optional>
#include <utility>

namespace notes {

namespace {

std::optional<WriteStep> failingStep;

struct Hook {
    WriteStep step;
    std::function<void(const std::string&)> action;
};
std::optional<Hook> hook;

}  // namespace

ScopedWriteFailure::ScopedWriteFailure(WriteStep step) { failingStep = step; }
ScopedWriteFailure::~ScopedWriteFailure() { failingStep.reset(); }

ScopedWriteHook::ScopedWriteHook(WriteStep step, std::function<void(const std::string& path)> action) {
    hook = Hook{step, std::move(action)};
}
ScopedWriteHook::~ScopedWriteHook() { hook.reset(); }

bool seam::Allows(WriteStep step, const std::string& path) {
    if (hook && hook->step == step) hook->action(path);
    return failingStep != step;
}

}  // namespace notes
