#include "panel/ErrorResponse.h"

#include "platform/IoError.h"

namespace zel {

ErrorResponse ClassifyError(const std::exception& error) {
    const auto* io = dynamic_cast<const IoError*>(&error);
    if (io == nullptr) {
        return ErrorResponse::StandardDisplay;
    }
    switch (io->Kind()) {
    case IoErrorKind::InvalidFilename:
    case IoErrorKind::InvalidDrive:
        return ErrorResponse::Ignore;
    case IoErrorKind::AccessDenied:
        return ErrorResponse::WriteProtected;
    default:
        return ErrorResponse::StandardDisplay;
    }
}

} // namespace zel
