#pragma once
// Photographs join a case as the files' exact bytes.
#include "model/ImageStore.h"

#include <filesystem>

namespace zorvane {

// Appends the whole file as one entry of the store. A file that cannot be read throws
// FileReadError with a sentence naming it; one that would take the store past what a case file
// can hold throws std::length_error. Either way the store is unchanged.
void appendImageFile(ImageStore& store, const std::filesystem::path& path);

} // namespace zorvane
