#pragma once
#include <QString>
#include <QStringList>

class KestrelTools;
class Ask;
class QLockFile;

// Empties the task-file folder "<app>/tmp/" left by an earlier run, or
// creates it. Hidden files (the lock, the recovery snapshot) and subfolders
// stay; a file that cannot be deleted stays too. A tmp/ that is a link to
// another folder is used as it is: nothing outside the application folder
// is deleted. Returns the listing it worked through.
QStringList prepareTaskFolder(const QString &appFolder, const KestrelTools &tools);

// The lock file that marks a running Tarvo in its folder: in tmp/, where
// Tarvo must be able to write anyway, hidden so emptying leaves it.
QString instanceLockPath(const QString &appFolder);

// Takes the folder's instance lock. When another Tarvo holds it, or its
// owner cannot be checked, or no lock can be made at all, says why and
// returns false: the caller ends without touching tmp/. A lock left by a
// Tarvo on this computer that is gone is taken over.
bool takeInstanceLock(QLockFile &lock, const QString &appFolder, Ask &modals);
