#pragma once

#include <QAction>

class BundleInfo;

// The About item of the Help menu: "About " and the application's name ("About N/A" without
// one). Each choice opens a new About window. It carries the About role, so that macOS moves it
// into the application menu in place of the standard one.
class AboutCommand final : public QAction
{
    Q_OBJECT

public:
    explicit AboutCommand(QObject *parent);
    AboutCommand(const BundleInfo &bundle, QObject *parent);
};
