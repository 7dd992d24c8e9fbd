#include "report_writer.h"

#include "files/file_replacement.h"

#include <QFile>

namespace velmora::ui {

bool writeReportFile(const QString& path, const QByteArray& bytes)
{
    try {
        files::replaceFile(QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            files::OtherFiles::WriteInPlace);
        return true;
    } catch (const files::WriteError&) {
        return false;
    }
}

} // namespace velmora::ui
