#include "save_report.h"

#include "replace_file.h"
#include "report_line.h"
#include "windows1252.h"

namespace velmora {

bool saveReport(const Fields& fields, Messages& messages)
{
    const std::string path = fields.text("NomeFile");
    const std::string contents = toWindows1252(buildReportLine(fields)) + "\r\n";
    const bool saved = replaceFileContents(path, contents);
    if (saved)
        messages.show(kSaveSucceeded, kSaveTitle, MessageIcon::Information);
    else
        messages.show(kSaveFailed, kSaveTitle, MessageIcon::Stop);
    return saved;
}

} // namespace velmora
