#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::ui {

// Writes `bytes` into an existing device or FIFO at `path`, without ever
// blocking for more than a second and without the process receiving SIGPIPE.
// False when no reader is there, the reader goes away, or anything fails.
bool writeToDevice(const QString& path, const QByteArray& bytes);

} // namespace velmora::ui
