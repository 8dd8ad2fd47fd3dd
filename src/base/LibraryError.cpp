#include "base/LibraryError.h"

#include <cerrno>
#include <cstring>

#include "base/Translation.h"

namespace zq {
namespace {

// Why a write failed, in words a learner can act on; the system's own
// words (in English) for the rarer reasons.
std::string WriteFailureReason(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return LibTr("the disk is full");
        case EDQUOT:
            return LibTr("the disk space allowed to you is used up");
        case EACCES:
        case EPERM:
            return LibTr("you have no permission to write there");
        case EROFS:
            return LibTr("the disk can only be read");
        default:
            return std::strerror(errorNumber);
    }
}

}  // namespace

LibraryError UnableToWriteError(std::string_view path, int errorNumber) {
    if (errorNumber == 0) return LibraryError(Format(LibTr("Unable to write to %s"), {std::string(path)}));
    return LibraryError(
        Format(LibTr("Unable to write to %s: %s."), {std::string(path), WriteFailureReason(errorNumber)}));
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
