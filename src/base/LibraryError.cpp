#include "base/LibraryError.h"

#include "base/Translation.h"

namespace zq {

LibraryError UnableToWriteError(std::string_view path) {
    return LibraryError(Format(LibTr("Unable to write to %s"), {std::string(path)}));
}

LibraryError InvalidIntegerError(std::string_view value) {
    return LibraryError(Format(LibTr("'%s' is not a valid integer value"), {std::string(value)}));
}

LibraryError CannotOpenFileError(std::string_view path, std::string_view reason) {
    return LibraryError(
        Format(LibTr("Cannot open file \"%s\". %s"), {std::string(path), std::string(reason)}));
}

LibraryError ClosedDatasetError() {
    return LibraryError(LibTr("Cannot perform this operation on a closed dataset"));
}

LibraryError FieldNotFoundError(std::string_view fieldName) {
    return LibraryError(Format(LibTr("Field '%s' not found"), {std::string(fieldName)}));
}

LibraryError InvalidBitmapError() {
    return LibraryError(LibTr("Bitmap image is not valid"));
}

LibraryError ListIndexOutOfBoundsError(std::int32_t index) {
    return LibraryError(Format(LibTr("List index out of bounds (%d)"), {std::to_string(index)}));
}

}  // namespace zq
