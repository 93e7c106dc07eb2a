#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh application folder for one test: the status pictures are copied
// in, and nothing else exists until the code under test makes it.
class TempAppFolder {
public:
    TempAppFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + u'/' + relative; }

    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
