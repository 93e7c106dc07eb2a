#pragma once
#include <QString>
#include <memory>

#include "app/widgets/frmSplash.h"

class Ask;
class Form1;
class Output;
class QLockFile;

// What the splash opens when its time is up: the main window, kept in
// window, which then asks about work a run that did not end cleanly left
// behind, once it shows, so the question has the window behind it. lock is
// the run's instance lock.
frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window,
                                               QLockFile *lock);
// The same start with the given seams, for tests.
frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window, Ask &ask,
                                               Output &output);
