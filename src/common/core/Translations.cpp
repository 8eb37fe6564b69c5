#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace {

// The texts are written in English: a user who puts English before German wants them as written.
bool isSourceLanguage(const QString &name)
{
    return QLocale(name).language() == QLocale::English;
}

} // namespace

Translations::Translations(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QString name = QString(tag).replace(u'-', u'_');
        if (isSourceLanguage(name))
            return;
        // "de_AT" falls back to "de" inside load().
        if (m_application.load("pillowrock_"_L1 + name, u":/i18n"_s)) {
            m_language = name;
            break;
        }
    }
    if (m_language.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_application);
    // Without Qt's own catalogue the standard dialogs would speak English in a German window.
    if (m_qt.load("qtbase_"_L1 + m_language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_application);
}
