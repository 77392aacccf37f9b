#pragma once

#include <QStringList>
#include <functional>

class QCoreApplication;

namespace orvella {

// The language the program speaks, as the name of its translation ("de"), or empty for
// English, in which the program is written: the first of the platform's UI languages
// (QLocale::system().uiLanguages(), most wanted first) that is English or has a translation.
// "C", "POSIX" and every language without a translation count as none.
QString ChooseLanguage(const QStringList& uiLanguages,
                       const std::function<bool(const QString&)>& hasTranslation);

// Whether the program carries its own translation into the language ("de", "pt_BR").
bool HasTranslation(const QString& language);

// Makes the program speak the platform's language: installs the program's translation and Qt's
// own (message-box buttons, file and print dialogs, context menus) and chooses the long texts
// of the same language. In English nothing is loaded. The layout stays left to right in every
// language, since the windows' geometry is fixed. Returns the chosen language.
QString InstallLanguage(QCoreApplication& app);

} // namespace orvella
