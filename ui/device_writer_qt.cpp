// Devices where there are no POSIX FIFOs: a plain unbuffered write.
#include "device_writer.h"

#include <QFile>

namespace velmora::ui {

bool writeToDevice(const QString& path, const QByteArray& bytes)
{
    QFile device(path);
    return device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && device.write(bytes) == bytes.size();
}

} // namespace velmora::ui
