#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::ui {

// Makes the file at `path` (used exactly as typed, relative to the current
// folder) hold exactly `bytes`, through the programs' one file writer. True
// only when every byte was written. A failure never harms what was there
// before and leaves nothing behind:
// - a regular file, or none yet: written in full beside it, then put in its
//   place, keeping its permission bits; a symbolic link keeps pointing at
//   the updated file; a write-protected file is refused;
// - anything else that exists (a device, a FIFO): written in place, never
//   replaced; a FIFO with no reader, or whose reader goes away, is a failure,
//   and no write waits more than a second.
// A path holding a NUL character is refused.
bool writeReportFile(const QString& path, const QByteArray& bytes);

} // namespace velmora::ui
