#pragma once

#include <QWidget>

class GeneralSettingsTab;
class Preferences;
class QTabWidget;

// The application's preferences window, with one tab. Its owner keeps at most one open and
// raises it when asked again; closing it deletes it, and the next one shows the stored values.
class SettingsWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{375, 150};

    explicit SettingsWindow(Preferences &preferences, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    GeneralSettingsTab *generalTab() const { return m_general; }

private:
    QTabWidget *m_tabs;
    GeneralSettingsTab *m_general;
};
