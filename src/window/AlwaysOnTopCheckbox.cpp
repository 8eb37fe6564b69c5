#include "AlwaysOnTopCheckbox.h"

#include "app/Preferences.h"

using namespace Qt::StringLiterals;

AlwaysOnTopCheckbox::AlwaysOnTopCheckbox(const QString &title, Preferences &preferences,
                                         QWidget *parent)
    : QCheckBox(title, parent)
{
    setObjectName(u"alwaysOnTopCheckbox"_s);
    setAccessibleName(title);
    setChecked(preferences.isAlwaysOnTop());

    connect(this, &QCheckBox::toggled, &preferences, &Preferences::setAlwaysOnTop);
    connect(&preferences, &Preferences::changed, this, [this, &preferences](const QString &key) {
        if (key == Preferences::isAlwaysOnTopKey)
            setChecked(preferences.isAlwaysOnTop());
    });
}
