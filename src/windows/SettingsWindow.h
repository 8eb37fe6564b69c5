#pragma once

#include "common/AuxiliaryWindow.h"

class Preferences;

// The application's preferences window, with one tab. Its owner keeps at most one open and
// raises it when asked again; closing it deletes it, and the next one shows the stored values.
class SettingsWindow final : public AuxiliaryWindow
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{375, 150};

    explicit SettingsWindow(Preferences &preferences, QWidget *parent = nullptr);
};
