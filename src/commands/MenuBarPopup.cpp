#include "MenuBarPopup.h"

#include "AppIdentity.h"

#include "commands/core/PopupPlacement.h"
#include "common/Platform.h"
#include "windows/AboutWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::StringLiterals;

MenuBarPopup::MenuBarPopup(QWidget *parent)
    : QFrame(parent, Platform::popupIsWindow() ? Qt::Tool | Qt::FramelessWindowHint : Qt::Popup)
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

    // A window that never had the focus (a compositor may keep it from a window it did not
    // launch) still closes when the user turns to another of the application's windows.
    if (windowType() != Qt::Popup) {
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
            if (focus && focus != windowHandle())
                close();
        });
    }
}

void MenuBarPopup::popUp(const QRect &anchor)
{
    if (QScreen *screen = Platform::screenAt(anchor.center()))
        move(popupPosition(anchor, size(), screen->availableGeometry()));
    show();
    // A Qt::Popup has the keyboard through its grab; a window of its own asks for it.
    if (windowType() != Qt::Popup)
        activateWindow();
}

void MenuBarPopup::changeEvent(QEvent *event)
{
    // A shown Qt::Popup counts as active; a window of its own closes when the focus leaves it.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        close();
    QFrame::changeEvent(event);
}

void MenuBarPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QFrame::keyPressEvent(event);
}
