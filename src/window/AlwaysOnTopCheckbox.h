#pragma once

#include <QCheckBox>

class Preferences;

// A checkbox bound both ways to the always-on-top preference: clicking it stores the new value,
// and a change made anywhere else shows in it at once.
class AlwaysOnTopCheckbox final : public QCheckBox
{
    Q_OBJECT

public:
    AlwaysOnTopCheckbox(const QString &title, Preferences &preferences, QWidget *parent = nullptr);
};
