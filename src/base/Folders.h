#pragma once
#include <QString>

// The folders of an application folder: projects/ for the user's projects,
// tmp/ for the open project's task files, the lock and the recovery copy.
// Every part that touches the disk is given one, so tests run in a
// temporary folder.
class Folders {
public:
    explicit Folders(QString appFolder) : m_app(std::move(appFolder)) {}

    const QString &app() const { return m_app; }
    QString tmp() const { return m_app + QStringLiteral("/tmp/"); }
    QString projects() const { return m_app + QStringLiteral("/projects/"); }
    QString taskFile(const QString &key) const { return tmp() + key + QStringLiteral(".txt"); }

    // Creates the folder when it is missing; false when it cannot be made.
    static bool ensure(const QString &folder);

private:
    QString m_app;
};
