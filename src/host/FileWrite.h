#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

class QLockFile;

namespace tempiro::host {

// Replaces the file with the content in one step: the new content is written beside it, flushed
// and synced, and only then put in its place. Empty when done; otherwise the reason, and the old
// file is as it was (a full disk must never leave an empty or cut file behind).
QString replaceFile(const QString& path, const QByteArray& content);

// The same for content made piece by piece, for files too big to hold in memory: `write` puts
// the new content into `out` and says why it could not (empty when done), and whether anything
// changed at all; an unchanged file is left as it is.
QString replaceFileWith(const QString& path,
                        const std::function<QString(QIODevice& out, bool& changed)>& write);

// Removes what a writer killed in the last step of a replace left beside the file: the new
// content under a temporary name ("<file>.XXXXXX"), linked in but not yet renamed. Call it only
// while holding the file's writer lock, so that no live writer's file is taken away.
void removeInterruptedWrites(const QString& file);

// Why nothing could be written in the folder, as well as can be told from outside: the disk
// being full, or else that the folder cannot be written.
QString writeFailureIn(const QString& folder);

// Takes a writer's lock on the file ("<file>.lock"), waiting up to the given time for another
// writer. A lock left empty by a writer killed before it could record itself is cleared rather
// than waited out. Empty when taken; otherwise the reason.
QString takeWriterLock(QLockFile& lock, const QString& file, int milliseconds);

} // namespace tempiro::host
