#include "qt_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace velmora::sysinfo {

bool QtLauncher::isNormalFile(const std::string& path)
{
    const QFileInfo file(QString::fromStdString(path));
    return file.isFile() && !file.isHidden();
}

bool QtLauncher::start(const std::string& path)
{
    return !path.empty() && QProcess::startDetached(QString::fromStdString(path), {});
}

} // namespace velmora::sysinfo
