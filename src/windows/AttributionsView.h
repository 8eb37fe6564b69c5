#pragma once

#include <QWidget>

// The application's attributions: a headline over the text, kept at the top leading corner and
// scrolled vertically when the window is too short for them.
class AttributionsView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{500, 300};

    explicit AttributionsView(QWidget *parent = nullptr);
};
