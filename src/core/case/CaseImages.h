#pragma once
// The photographs of the open case: adding files, browsing and deleting in the images window.
#include "case/Outcome.h"
#include "model/ImageStore.h"

#include <cstddef>
#include <span>
#include <string>

namespace zorvane {

enum class ImageStep { First, Previous, Next, Last };

// The image a browsing button shows; it never leaves the store's range.
std::size_t imageIndexAfter(ImageStep step, std::size_t current, std::size_t count);

// The image shown after deleting image `removed`: the one before it, or the new first one.
std::size_t imageIndexAfterRemoval(std::size_t removed, std::size_t countAfter);

// Appends the files in order. The first that cannot be read or stored ends the list with its
// message in Outcome::error; the files before it stay. Outcome::changed when any was added,
// Outcome::row the number added.
Outcome addImageFiles(ImageStore& store, std::span<const std::string> paths);

} // namespace zorvane
