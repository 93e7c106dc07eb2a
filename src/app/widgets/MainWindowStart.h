#pragma once
#include <QString>
#include <memory>

#include "app/widgets/frmSplash.h"

class Ask;
class Form1;
class Output;

// What the splash opens when its time is up: the main window, kept in
// window, which then asks about work a run that did not end cleanly left
// behind, once it shows, so the question has the window behind it. Tests
// start the same way and give their own seams.
frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window,
                                               Ask *ask = nullptr, Output *output = nullptr);
