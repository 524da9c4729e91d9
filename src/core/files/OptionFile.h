#pragma once
// What the four option files (progop.ini, impop.ini, qkrxyzop.ini, qkrdxfop.ini) share: each
// is the raw bytes of one fixed-size record. A file that is missing, of the wrong size or
// damaged never stops the program: its record's defaults are used and the caller tells the
// user once, with the message of the result, which file was reset.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvane {

// A record whose bytes are there but whose values cannot be right. what() is the reason, a
// phrase that completes "could not be used (...)", e.g. "its default unit 9 is not between 0
// and 5".
class OptionFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

template <class Record> struct OptionFileLoad {
    Record options{};
    // Empty when the file was read; otherwise the sentence for the user, naming the file.
    std::string resetMessage;
    bool wasReset() const { return !resetMessage.empty(); }
};

// Reads the first `size` bytes of `path` into `out`. Returns an empty string on success,
// otherwise the reason ("it does not exist", "it holds 10 bytes instead of 152", ...). Never
// reads more than `size` bytes, whatever the file holds.
std::string readOptionFileBytes(const std::filesystem::path& path, std::size_t size,
                                std::vector<std::uint8_t>& out);

// "The <what> file "<path>" could not be used (<reason>); the default <what> are used.", with
// `what` naming the options ("program options", "import options").
std::string optionFileResetMessage(const std::filesystem::path& path, std::string_view what,
                                   const std::string& reason);

// Reads a record with `parse` (bytes of exactly `size` → Record, throwing OptionFileError when
// a value is impossible); any problem gives the record's defaults and the reset message.
template <class Record, class Parse>
OptionFileLoad<Record> loadOptionFile(const std::filesystem::path& path, std::size_t size,
                                      std::string_view what, Parse&& parse) {
    OptionFileLoad<Record> load;
    std::vector<std::uint8_t> bytes;
    std::string reason = readOptionFileBytes(path, size, bytes);
    if (reason.empty()) {
        try {
            load.options = std::forward<Parse>(parse)(std::span<const std::uint8_t>(bytes));
            return load;
        } catch (const OptionFileError& e) {
            reason = e.what();
        }
    }
    load.options = Record{};
    load.resetMessage = optionFileResetMessage(path, what, reason);
    return load;
}

// Writes an option file atomically, creating its folder first when needed (a user's own
// configuration folder may not exist yet). Throws FileWriteError with a sentence for the user.
void writeOptionFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace zorvane
