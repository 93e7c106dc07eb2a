#include "app/Session.h"

Session::Session(const QString &appFolder, Ask &ask, Output &output, QLockFile *lock)
    : ask(ask), output(output), folders(appFolder), tmp(folders.tmp(), lock), taskFiles(folders, tmp, document, problems),
      recovery(folders, tmp, document, problems), base(folders),
      project(folders, document, taskFiles, recovery, base, ask, tools), tasks(document, taskFiles, ask), dueDates(document),
      startsAfter(document, ask),
      dashboard(document, tasks, ask, tools, folders), events(document, ask, output), schedule(document, events, ask),
      plan(document, ask, output), shell(folders, ask, output, tools), sync(document, project, base)
{
}

void Session::offerRestore()
{
    // Work brought back is merged, at its next save, from the base it was made from.
    const QString restored = recovery.offerRestore(ask, taskFiles, tools);
    if (!restored.isEmpty())
        base.takeKept(Recovery::basePartner(restored), document.filePath());
    sync.check();
}
