#pragma once
#include <QString>

// Qt's own widgets keep state between runs through QSettings under the
// organization "QtProject": the file dialog its last folder, its history
// and its view, the colour dialog its custom colours. By default that
// file is ~/.config/QtProject.conf, outside Tarvo's folder. Called before
// the first such widget is made, this puts it in folder instead.
void keepQtSettingsIn(const QString &folder);
