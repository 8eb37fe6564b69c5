#pragma once

#include <QWidget>

class Preferences;
class QSplitter;

// The content of a main window: the sidebar column and the detail column side by side.
class MainView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{400, 300};

    explicit MainView(Preferences &preferences, QWidget *parent = nullptr);

    QWidget *sidebarColumn() const;
    QWidget *detail() const { return m_detail; }
    // Replaces what the detail column shows; the previous pane is deleted.
    void showDetail(QWidget *pane);

private:
    QSplitter *m_splitter;
    QWidget *m_detail = nullptr;
};
