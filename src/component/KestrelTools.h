#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// List, path and random-number services of the component library.
class KestrelTools {
public:
    // Appends the pieces of text split at delimiter. An empty filter keeps
    // every piece, empty ones included; otherwise only pieces that contain
    // the filter. An empty text, and the empty remainder after a final
    // delimiter, yield no item.
    void FillListFromText(const QString &text, const QString &delimiter, QStringList &list,
                          const QString &filter) const;

    // True exactly when the folder (isFolder) or the file exists.
    bool PathExists(const QString &path, bool isFolder) const;

    // A whole number from 0 to bound inclusive, uniformly drawn.
    int RandomNumber(int bound) const;

    // Tests replace the draws to make keys predictable; empty means the
    // system's seeded generator.
    std::function<int(int bound)> randomSource;
};
