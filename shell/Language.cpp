#include "Language.h"

#include "TextTable.h"

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvella {

namespace {

QString translationPath(const QString& language)
{
    return QStringLiteral(":/i18n/orvella_%1.qm").arg(language);
}

} // namespace

QString ChooseLanguage(const QStringList& uiLanguages,
                       const std::function<bool(const QString&)>& hasTranslation)
{
    for (const QString& uiLanguage : uiLanguages) {
        // "de-AT" is tried as "de_AT", then as "de".
        QString name = uiLanguage;
        name.replace(u'-', u'_');
        if (name == u"C" || name == u"POSIX")
            return {};
        const QString language = name.section(u'_', 0, 0);
        if (language == u"en")
            return {};
        if (name != language && hasTranslation(name))
            return name;
        if (hasTranslation(language))
            return language;
    }
    return {};
}

bool HasTranslation(const QString& language)
{
    return !language.isEmpty() && QFile::exists(translationPath(language));
}

QString InstallLanguage(QCoreApplication& app)
{
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), HasTranslation);
    if (language.isEmpty())
        return {};
    // Owned by the application, for as long as it speaks the language.
    auto* own = new QTranslator(&app);
    if (own->load(translationPath(language)))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // A translation may name a direction of its own (Qt's do, for right-to-left languages);
    // the windows are laid out left to right whatever the language.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    SetTextLanguage(language);
    return language;
}

} // namespace orvella
