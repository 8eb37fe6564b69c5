#pragma once

#include <QTranslator>

// The translations the application runs with: its own texts and Qt's standard ones (buttons of
// message boxes, the save dialog) in the first of the user's languages that the application
// speaks. Installed into the running application for the life of this object.
class Translations final
{
public:
    Translations();
    ~Translations();

    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_application;
    QTranslator m_qt;
};
