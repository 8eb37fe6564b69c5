#pragma once

#include <QWidget>

// The container of every view in the detail column: it takes all the room it is given, keeps its
// content centred at the content's own size, and lays the pane background behind it.
class Pane : public QWidget
{
    Q_OBJECT

public:
    // Takes ownership of content.
    explicit Pane(QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *m_content;
};
