#include "app/widgets/MainWindowStart.h"

#include <QTimer>

#include "app/widgets/Form1.h"

namespace {

QWidget *opened(std::unique_ptr<Form1> &window, std::unique_ptr<Form1> made)
{
    window = std::move(made);
    Form1 *shown = window.get();
    QTimer::singleShot(0, shown, [shown] { shown->offerRestore(); });
    return shown;
}

} // namespace

frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window,
                                               QLockFile *lock)
{
    return [appFolder, &window, lock] { return opened(window, std::make_unique<Form1>(appFolder, lock)); };
}

frmSplash::MainWindowFactory mainWindowFactory(const QString &appFolder, std::unique_ptr<Form1> &window, Ask &ask,
                                               Output &output)
{
    return [appFolder, &window, &ask, &output] { return opened(window, std::make_unique<Form1>(appFolder, ask, output)); };
}
