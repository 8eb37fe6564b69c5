#pragma once

#include "common/AuxiliaryWindow.h"

class BundleInfo;

// A window telling which application this is. Every request builds a new one, centred on the
// screen above ordinary windows; it lives until the user closes it and is deleted then.
class AboutWindow final : public AuxiliaryWindow
{
    Q_OBJECT

public:
    explicit AboutWindow(const BundleInfo &bundle, QWidget *parent = nullptr);
};

// Opens a new About window over the main bundle's values. The caller need not keep the result.
AboutWindow *openAboutWindow();
