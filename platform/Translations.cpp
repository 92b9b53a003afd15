#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Loads name_<language>.qm for locale from folder and installs it; false
// when there is none or it is damaged.
bool InstallOne(const QLocale &locale, const QString &name, const QString &folder, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool SpeaksEnglish(const QLocale &locale)
{
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty())
        return true;
    const QLocale::Language first = QLocale(languages.first()).language();
    return first == QLocale::English || first == QLocale::C || first == QLocale::AnyLanguage;
}

TranslationsLoaded InstallTranslations(const QLocale &locale, const QStringList &folders, const QString &qtFolder,
                                       QObject *owner)
{
    TranslationsLoaded loaded;
    if (SpeaksEnglish(locale))
        return loaded;
    for (const QString &folder : folders) {
        if (InstallOne(locale, QStringLiteral("vexa"), folder, owner)) {
            loaded.own = true;
            break;
        }
    }
    loaded.qt = InstallOne(locale, QStringLiteral("qtbase"), qtFolder, owner);
    return loaded;
}

QStringList TranslationFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QStringLiteral(VEXA_TRANSLATIONS_DIR)};
}

TranslationsLoaded InstallSystemTranslations()
{
    const QLocale system = QLocale::system();
    if (SpeaksEnglish(system))
        return {};
    return InstallTranslations(system, TranslationFolders(), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::instance());
}

QString Translated(const Wording &wording)
{
    if (wording.Empty())
        return QString();
    const QString text = QCoreApplication::translate(wording.context, wording.source);
    return QString::fromStdString(FillIn(text.toStdString(), wording.args));
}

Told Tell(const Wording &wording)
{
    return {QString::fromStdString(wording.English()), Translated(wording)};
}

Told Tell(const Wording &wording, const Told &inner)
{
    Wording english = wording;
    english.args.push_back(inner.english.toStdString());
    Wording shown = wording;
    shown.args.push_back(inner.shown.toStdString());
    return {QString::fromStdString(english.English()), Translated(shown)};
}

Told Untranslated(const QString &line)
{
    return {line, line};
}
