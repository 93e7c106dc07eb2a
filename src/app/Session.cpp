#include "app/Session.h"

Session::Session(const QString &appFolder, Ask &ask, Output &output)
    : ask(ask), output(output), folders(appFolder), taskFiles(folders, document), recovery(folders, document),
      project(folders, document, taskFiles, recovery, ask, tools), tasks(document, taskFiles, ask), dueDates(document), startsAfter(document, ask),
      dashboard(document, tasks, ask, tools, folders), events(document, ask, output), schedule(document, events, ask),
      plan(document, ask, output), shell(folders, ask, output, tools)
{
}
