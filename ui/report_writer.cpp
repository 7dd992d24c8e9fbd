#include "report_writer.h"

#include "device_writer.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velmora::ui {

namespace {

// QSaveFile writes an existing file's replacement beside it under the same
// name plus seven characters; a name within seven bytes of the file
// system's limit leaves it no room.
bool leavesNoRoomBeside(const QFileInfo& target)
{
    long nameMax = 255;
#ifdef Q_OS_UNIX
    if (const long limit = ::pathconf(QFile::encodeName(target.absolutePath()).constData(), _PC_NAME_MAX); limit > 0)
        nameMax = limit;
#endif
    return QFile::encodeName(target.fileName()).size() + 7 > nameMax;
}

bool saveBeside(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() does not notice a write that fails while its buffer is
    // flushed on closing (a full disk takes only part of it), so the buffer
    // is flushed here first, where a short write is reported.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit(); // synced to disk, then renamed into place
}

// For an existing file whose name leaves no room for QSaveFile's temporary
// name, the previous report is protected the same way: the replacement is
// written in full to a temporary file with a short name in the same folder,
// given the old file's permission bits, flushed to disk, and only then
// renamed over the target in one step. On any failure the temporary file is
// removed and the old report is untouched.
bool saveBesideUnderShortName(const QFileInfo& target, const QByteArray& bytes)
{
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.velmora-XXXXXX"));
    if (!file.open() || !file.setPermissions(target.permissions()) || file.write(bytes) != bytes.size() ||
        !file.flush())
        return false;
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return false;
#endif
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
        QFile::encodeName(target.absoluteFilePath()).toStdString(), error);
    if (error)
        return false;
    file.setAutoRemove(false); // it is the report now
    return true;
}

} // namespace

bool writeReportFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QFileInfo target(path); // follows symbolic links
    if (target.isDir())
        return false;
    if (target.exists() && !target.isFile())
        return writeToDevice(path, bytes);
    const QFileInfo file = target.isSymLink() ? QFileInfo(target.canonicalFilePath()) : target;
    if (file.exists() && leavesNoRoomBeside(file))
        return file.isWritable() && saveBesideUnderShortName(file, bytes);
    return saveBeside(path, bytes);
}

} // namespace velmora::ui
