#include "case/CaseImages.h"

#include "files/ImageFile.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace zorvane {

std::size_t imageIndexAfter(ImageStep step, std::size_t current, std::size_t count) {
    if (count == 0) return 0;
    const std::size_t last = count - 1;
    switch (step) {
    case ImageStep::First:
        return 0;
    case ImageStep::Previous:
        return current > 0 ? std::min(current - 1, last) : 0;
    case ImageStep::Next:
        return current < last ? current + 1 : last;
    case ImageStep::Last:
        return last;
    }
    return std::min(current, last);
}

std::size_t imageIndexAfterRemoval(std::size_t removed, std::size_t countAfter) {
    if (countAfter == 0) return 0;
    return std::min(removed > 0 ? removed - 1 : 0, countAfter - 1);
}

Outcome addImageFiles(ImageStore& store, std::span<const std::string> paths) {
    Outcome out;
    int added = 0;
    for (const std::string& path : paths) {
        try {
            appendImageFile(store, path);
        } catch (const std::runtime_error& e) { // the file could not be read
            out.error = e.what();
            break;
        } catch (const std::length_error& e) { // the store would outgrow a case file
            out.error = e.what();
            break;
        } catch (const std::bad_alloc&) {
            out.error = "There is not enough memory to add \"" + path + "\".";
            break;
        }
        ++added;
    }
    out.changed = added > 0;
    out.row = added;
    return out;
}

} // namespace zorvane
