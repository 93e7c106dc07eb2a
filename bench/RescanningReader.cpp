#include "RescanningReader.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace {

bool equalsIgnoringCase(const char *a, qsizetype n, const QByteArray &b)
{
    return n == b.size() && qstrnicmp(a, b.constData(), n) == 0;
}

void trim(const char *&begin, const char *&end)
{
    while (begin < end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r'))
        --end;
}

} // namespace

QString RescanningReader::value(const QByteArray &section, const QByteArray &key) const
{
    const char *p = m_bytes.constData();
    const char *const stop = p + m_bytes.size();
    enum { Before, Inside, After } where = Before;
    while (p < stop) {
        const char *eol = static_cast<const char *>(std::memchr(p, '\n', size_t(stop - p)));
        const char *lineEnd = eol ? eol : stop;
        const char *b = p, *e = lineEnd;
        trim(b, e);
        if (b < e && *b == '[') {
            if (where == Inside)
                where = After;   // only the first section of the name counts
            else if (where == Before) {
                const char *close = static_cast<const char *>(std::memchr(b, ']', size_t(e - b)));
                if (close && equalsIgnoringCase(b + 1, close - b - 1, section))
                    where = Inside;
            }
            if (where == After)
                return {};
        } else if (where == Inside) {
            const char *eq = static_cast<const char *>(std::memchr(b, '=', size_t(e - b)));
            if (eq) {
                const char *kb = b, *ke = eq;
                trim(kb, ke);
                if (equalsIgnoringCase(kb, ke - kb, key)) {
                    const char *vb = eq + 1, *ve = e;
                    trim(vb, ve);
                    if (ve - vb >= 2 && (*vb == '"' || *vb == '\'') && ve[-1] == *vb) {
                        ++vb;
                        --ve;
                    }
                    return QString::fromUtf8(vb, ve - vb);
                }
            }
        }
        p = lineEnd + 1;
    }
    return {};
}

bool loadWithRescanningReader(const QString &projectFile, const QString &tmpFolder, QString *tasksOfFirstGoal)
{
    QFile file(projectFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const RescanningReader ini(file.readAll());
    const QByteArray goals("GOALS");
    const QString name = ini.value("PROJECT", "Name");
    Q_UNUSED(name);
    for (int n = 1; n <= 8; ++n) {
        const QByteArray stem = "Goal" + QByteArray::number(n);
        const QString key = ini.value(goals, stem);
        const QString goalName = ini.value(goals, stem + "_Name");
        Q_UNUSED(goalName);
        if (key.isEmpty())
            break;
        const QString due = ini.value(goals, stem + "_Due");
        Q_UNUSED(due);
        const qint64 lines = ini.value(goals, stem + "_Tasks").toLongLong();
        const QByteArray taskStem = stem + "_Task";
        QString text;
        for (qint64 k = 1; k <= lines; ++k) {
            text += ini.value(goals, taskStem + QByteArray::number(k));
            text += QStringLiteral("\r\n");
        }
        if (n == 1 && tasksOfFirstGoal)
            *tasksOfFirstGoal = text;
        QSaveFile out(tmpFolder + key + QStringLiteral(".txt"));
        const QByteArray bytes = text.toUtf8();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size()
            || !out.commit())
            return false;
    }
    return true;
}
