#include "MenuBarPopup.h"

#include "AppIdentity.h"

#include "windows/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MenuBarPopup::MenuBarPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(u"menuBarPopup"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);

    auto *text = new QLabel(tr("%1's Apps for users with Mac & Windows and also Linux!")
                                .arg(QString::fromUtf8(AppIdentity::organization)));
    text->setObjectName(u"popupText"_s);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);

    auto *about = new QPushButton(tr("About..."));
    about->setObjectName(u"popupAboutButton"_s);
    about->setAccessibleName(tr("About..."));
    connect(about, &QPushButton::clicked, this, [this] {
        close();
        openAboutWindow();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(20);
    layout->addStretch();
    layout->addWidget(text);
    layout->addWidget(about, 0, Qt::AlignHCenter);
    layout->addStretch();
    setFixedSize(contentSize);
    // The keyboard reaches the one thing to do here at once.
    about->setFocus(Qt::PopupFocusReason);
}
