#pragma once
#include <QString>
#include <QStringList>

class KestrelTools;

// Empties the task-file folder "<app>/tmp/" left by an earlier run, or
// creates it. Hidden files and subfolders stay; a file that cannot be
// deleted stays too. Nothing is reported: start-up goes on in any case.
// Returns the listing it worked through (empty when it made the folder).
QStringList prepareTaskFolder(const QString &appFolder, const KestrelTools &tools);

// The name of the lock file that marks a running Tarvo in its folder.
QString instanceLockPath(const QString &appFolder);

class QLockFile;
class Modals;

// Takes the folder's instance lock. When another Tarvo holds it, says so
// and returns false: the caller ends without touching tmp/. A lock left by
// a run that crashed is taken over; a folder that cannot hold the lock
// does not keep Tarvo from starting.
bool takeInstanceLock(QLockFile &lock, Modals &modals);
