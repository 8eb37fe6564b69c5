#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

Translations::Translations()
{
    // Qt walks the user's languages in order ("de_AT" falls back to "de"). The texts are written
    // in English, and the English catalogue is empty: a user who puts English before German stops
    // there and reads them as written.
    if (!m_application.load(QLocale(), u"app"_s, u"_"_s, u":/i18n"_s))
        return;
    QCoreApplication::installTranslator(&m_application);
    // Without Qt's own catalogue the standard dialogs would speak English in a German window.
    if (m_qt.load("qtbase_"_L1 + m_application.language(),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_application);
}
