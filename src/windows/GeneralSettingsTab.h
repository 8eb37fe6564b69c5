#pragma once

#include <QWidget>

class Preferences;
class QLineEdit;

// The one tab of the Settings window: a name stored as it is typed, with two buttons' worth of
// callbacks that only report themselves.
class GeneralSettingsTab final : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralSettingsTab(Preferences &preferences, QWidget *parent = nullptr);

private:
    Preferences &m_preferences;
    QLineEdit *m_nameField;
};
