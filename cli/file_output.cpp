#include "file_output.h"

#include "files/file_replacement.h"
#include "formats/strict_number.h"
#include "output_error.h"

namespace velmora::cli {

void replaceFile(std::string_view option, const std::string& path, std::string_view contents)
{
    try {
        files::replaceFile(path, contents);
    } catch (const files::WriteError& error) {
        throw OutputError(std::string(option) + ": cannot write " + formats::echoed(path) + ": " + error.what());
    }
}

} // namespace velmora::cli
