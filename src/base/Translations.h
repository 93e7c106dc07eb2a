#pragma once
class QLocale;

// Tarvo's texts (Texts and the Designer forms) and Qt's own (the buttons
// of its dialogs) in the first of the locale's languages that has a
// translation; English, the texts as written, when none has. Called again
// with another locale, it replaces what it installed before. Returns
// whether Tarvo's own texts were found for the locale.
bool installTranslations(const QLocale &locale);
