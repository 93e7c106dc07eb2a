#include "component/QtSettingsFolder.h"

#include <QSettings>

void keepQtSettingsIn(const QString &folder)
{
    // On Linux both formats are the same INI files; Qt's widgets ask for
    // the native one. Settings of every machine's user (SystemScope) are
    // only ever read.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
