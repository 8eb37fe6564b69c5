#pragma once

#include "navigation/Pane.h"

class Preferences;

// A greeting and the always-on-top checkbox.
class HelloWorldPane final : public Pane
{
    Q_OBJECT

public:
    explicit HelloWorldPane(Preferences &preferences, QWidget *parent = nullptr);
};
