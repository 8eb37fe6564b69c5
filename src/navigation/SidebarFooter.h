#pragma once

#include <QWidget>

class QLabel;

// A translucent grey rounded box with a title over a line of hint text; it has no action. The texts
// are the palette's, subdued no further than they stay readable.
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
    void changeEvent(QEvent *event) override;

private:
    void followPalette();

    QLabel *m_title = nullptr;
    QLabel *m_hint = nullptr;
};
