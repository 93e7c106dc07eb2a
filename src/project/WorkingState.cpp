#include "project/WorkingState.h"

#include <QDir>

#include "component/FileNames.h"

WorkingState::WorkingState(QString appFolder, Modals &modals)
    : m_appFolder(std::move(appFolder)), m_modals(modals), shell(*this), dashboard(*this), tasks(*this),
      dueDates(*this), project(*this), plan(*this), schedule(*this), recovery(*this)
{
    cards[0].lblGoal_Caption = Texts::defaultProjectName();
    cards[0].lblGoal_Tag = QStringLiteral("0");
    cards[0].picGoal_Visible = true;
    for (int i = 1; i <= Rules::kSubGoalCards; ++i)
        cards[i].lblGoal_Caption = Texts::cardCaptionAtStart();
}

QString WorkingState::tmpFolder() const { return m_appFolder + QStringLiteral("/tmp/"); }
QString WorkingState::projectsFolder() const { return m_appFolder + QStringLiteral("/projects/"); }
QString WorkingState::taskFilePath(const QString &key) const { return tmpFolder() + key + QStringLiteral(".txt"); }

bool WorkingState::ensureFolder(const QString &folder) const
{
    return KestrelTools1.PathExists(folder, true) || QDir().mkpath(folder);
}

void WorkingState::setFileName(const QString &path)
{
    CurrentProjectFile = path;
    lblFilename = path.isEmpty() ? Texts::noFilename() : FileNames::forDisplay(path);
    lblFilename_ToolTip = FileNames::forDisplay(path);
}
