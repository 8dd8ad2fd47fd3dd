#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zq {

// A failure that ends the current operation and is shown to the user in a
// message box by the event loop's error handler. The message is already
// translated (library text domain) and encoded in UTF-8.
class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The library's messages, one factory per message so that the wording lives
// in a single place.
// "Unable to write to %s", followed by why when the system said (an error
// number of errno): the disk is full, there is no permission, ...
LibraryError UnableToWriteError(std::string_view path, int errorNumber = 0);
LibraryError InvalidIntegerError(std::string_view value);
LibraryError CannotOpenFileError(std::string_view path, std::string_view reason);
LibraryError ClosedDatasetError();
LibraryError FieldNotFoundError(std::string_view fieldName);
LibraryError InvalidBitmapError();
LibraryError ListIndexOutOfBoundsError(std::int32_t index);

}  // namespace zq
