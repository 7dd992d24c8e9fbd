#include "qt_launcher.h"

#include "utf8.h"

#include <QFileInfo>
#include <QProcess>

namespace velmora::ui {

bool QtLauncher::isNormalFile(const std::string& path)
{
    const QFileInfo file(toQString(path));
    return file.isFile() && !file.isHidden();
}

bool QtLauncher::start(const std::string& path)
{
    return !path.empty() && QProcess::startDetached(toQString(path), {});
}

} // namespace velmora::ui
