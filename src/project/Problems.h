#pragma once
#include <QMap>
#include <QObject>
#include <QString>

// What the user must learn but need not answer at once: a task file or the
// recovery copy that cannot be written, the folder lock lost. A box while
// the user types would take the keys being typed, so the window tells
// these on its status line as they come and in a box at the next command.
class Problems : public QObject {
    Q_OBJECT
public:
    enum class Source { TaskFiles, Recovery, Lock };

    // The problem of a source in words; "" when it is solved.
    void set(Source source, const QString &text);
    QString text(Source source) const { return m_texts.value(source); }
    // Every problem there is now, one paragraph each; "" when none.
    QString all() const;

signals:
    void changed(const QString &all);

private:
    QMap<Source, QString> m_texts;
};
