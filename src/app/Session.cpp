#include "app/Session.h"

#include <QFile>

Session::Session(const QString &appFolder, Ask &ask, Output &output)
    : ask(ask), output(output), folders(appFolder), taskFiles(folders, document), recovery(folders, document),
      base(folders), project(folders, document, taskFiles, recovery, base, ask, tools), tasks(document, taskFiles, ask), dueDates(document),
      dashboard(document, tasks, ask, tools, folders), events(document, ask, output), schedule(document, events, ask),
      plan(document, ask, output), shell(folders, ask, output, tools), sync(document, project, base)
{
}

void Session::offerRestore()
{
    recovery.offerRestore(ask, taskFiles);
    const bool stillAside = QFile::exists(Recovery::keptPath(folders.app()));
    base.takeKept(document.isModified(), document.filePath(), stillAside);
    sync.check();
}
