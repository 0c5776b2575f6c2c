#include "document/file_error.h"

#include "base/archive.h"
#include "model/document_file.h"
#include "platform/files.h"

namespace kesto {

std::optional<FileError> catchFileError(const std::string& file,
                                        const std::function<void()>& work) {
    try {
        work();
    } catch (const DocumentRefused& e) {
        return FileError{FileError::Kind::refused, file, std::nullopt, e.what()};
    } catch (const FileFormatError& e) {
        return FileError{FileError::Kind::damaged, e.source().empty() ? file : e.source(),
                         e.offset(), e.what()};
    } catch (const FileAccessError& e) {
        return FileError{FileError::Kind::access, file, std::nullopt, e.what()};
    }
    return std::nullopt;
}

}  // namespace kesto
