#pragma once

#include <QWidget>

// A translucent grey rounded box with a title over a line of hint text; it has no action.
class SidebarFooter final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int boxHeight = 60;
    static constexpr qreal cornerRadius = 8;
    static constexpr int spacing = 6;

    explicit SidebarFooter(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
