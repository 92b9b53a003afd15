#pragma once

#include "core/Wording.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QObject;

// What InstallTranslations put in place.
struct TranslationsLoaded {
    bool own = false; // the program's vexa_<language>.qm
    bool qt = false;  // Qt's qtbase_<language>.qm: dialog buttons, the file dialog
};

// Whether locale's first language for the user interface is English (or
// the plain C locale): the program's texts are English already. The system
// locale's languages follow LANGUAGE, then LC_ALL, LC_MESSAGES and LANG.
bool SpeaksEnglish(const QLocale &locale);

// For a locale that does not speak English, loads the program's translation
// from the first of folders that has one for it and Qt's own from qtFolder,
// and installs them into the application, owned by owner. A missing or
// damaged file is passed over in silence: the texts stay English. For English
// nothing is looked for at all.
TranslationsLoaded InstallTranslations(const QLocale &locale, const QStringList &folders, const QString &qtFolder,
                                       QObject *owner);

// The program's translations: translations/ beside the program (a build),
// then the folder the program was installed with.
QStringList TranslationFolders();

// Installs the translations of the system's locale for the application.
TranslationsLoaded InstallSystemTranslations();

// The wording in the user's language (the installed translations), with its
// words put in.
QString Translated(const Wording &wording);

// A line told two ways: in English for the error output (scripts read it)
// and in the user's language for a window.
struct Told {
    QString english;
    QString shown;
    bool isEmpty() const { return english.isEmpty(); }
};

// The wording told both ways.
Told Tell(const Wording &wording);
// The wording told both ways, with inner put in as its last word.
Told Tell(const Wording &wording, const Told &inner);
// A line that has no translation (a system's message): the same both ways.
Told Untranslated(const QString &line);
