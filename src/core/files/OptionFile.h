#pragma once
// The option files beside the program hold one fixed-size record each. Reading one never
// stops the program: a missing, unreadable, short or damaged file gives the default options
// and a sentence the caller shows the user once.
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvane {

// The bytes of a record hold something the program never writes. what() says what.
class OptionFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

template <class Options> struct OptionFileLoad {
    Options options;
    std::string resetMessage; // empty when the file was read as it stands
    bool wasReset() const { return !resetMessage.empty(); }
};

// The first `size` bytes of the file in `bytes`, or the sentence telling the user why the
// defaults are used instead (`what` names the options: "import options").
std::string readOptionRecord(const std::filesystem::path& path, std::size_t size,
                             std::string_view what, std::string& bytes);

// The sentence for a record whose bytes `parse` refused.
std::string damagedOptionFileMessage(const std::filesystem::path& path, std::string_view what,
                                     std::string_view reason);

// Reads an option file with `parse` (which throws OptionFileError for bytes it refuses).
template <class Options, class Parse>
OptionFileLoad<Options> loadOptionFile(const std::filesystem::path& path, std::size_t size,
                                       std::string_view what, Parse parse) {
    std::string bytes;
    std::string problem = readOptionRecord(path, size, what, bytes);
    if (problem.empty()) {
        try {
            return {
                parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())),
                {}};
        } catch (const OptionFileError& e) {
            problem = damagedOptionFileMessage(path, what, e.what());
        }
    }
    return {Options{}, std::move(problem)};
}

} // namespace zorvane
