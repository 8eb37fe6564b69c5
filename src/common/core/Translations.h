#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The translations the application runs with: its own texts and Qt's standard ones (buttons of
// message boxes, the save dialog) in the first of the user's languages that the application
// speaks. Installed into the running application for the life of this object.
class Translations final
{
public:
    explicit Translations(const QStringList &uiLanguages = QLocale::system().uiLanguages());
    ~Translations();

    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language chosen, as the user's list names it ("de_DE"); empty when the texts are shown
    // as written.
    QString language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_application;
    QTranslator m_qt;
};
