#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {
// The translators installed last, kept for as long as the application runs.
std::unique_ptr<QTranslator> g_own, g_qt;

bool install(std::unique_ptr<QTranslator> &slot, const QLocale &locale, const QString &name, const QString &folder)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    // English needs no file: the texts are written in it. Only the first
    // language counts for it, so English is never overridden by a later one.
    const bool english = locale.uiLanguages().value(0).startsWith(QStringLiteral("en"));
    if (english || !slot->load(locale, name, QStringLiteral("_"), folder)) {
        slot.reset();
        return false;
    }
    return QCoreApplication::installTranslator(slot.get());
}
} // namespace

bool installTranslations(const QLocale &locale)
{
    // The .qm files are built into the program (CMake's qt_add_lrelease).
    const bool own = install(g_own, locale, QStringLiteral("tarvo"), QStringLiteral(":/i18n"));
    install(g_qt, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return own;
}
