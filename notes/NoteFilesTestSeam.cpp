#include "notes/NoteFilesTestSeam.h"

#include <optional>

namespace notes {

namespace {

std::optional<WriteStep> failingStep;

}  // namespace

ScopedWriteFailure::ScopedWriteFailure(WriteStep step) { failingStep = step; }
ScopedWriteFailure::~ScopedWriteFailure() { failingStep.reset(); }

bool seam::Allows(WriteStep step) { return failingStep != step; }

}  // namespace notes
