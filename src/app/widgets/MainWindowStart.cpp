#include "app/widgets/MainWindowStart.h"

#include <QTimer>

#include "app/widgets/Form1.h"

frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window, Ask *ask,
                                               Output *output)
{
    return [appFolder, &window, ask, output]() -> QWidget * {
        window = ask && output ? std::make_unique<Form1>(appFolder, *ask, *output) : std::make_unique<Form1>(appFolder);
        Form1 *shown = window.get();
        QTimer::singleShot(0, shown, [shown] { shown->offerRestore(); });
        return shown;
    };
}
