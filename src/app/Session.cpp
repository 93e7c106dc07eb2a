#include "app/Session.h"

Session::Session(const QString &appFolder, Ask &ask, Output &output, QLockFile *lock)
    : ask(ask), output(output), folders(appFolder), tmp(folders.tmp(), lock), taskFiles(folders, tmp, document, problems),
      recovery(folders, tmp, document, problems),
      project(folders, document, taskFiles, recovery, ask, tools), tasks(document, taskFiles, ask), dueDates(document),
      dashboard(document, tasks, ask, tools, folders), events(document, ask, output), schedule(document, events, ask),
      plan(document, ask, output), shell(folders, ask, output, tools)
{
}
