#include "AboutView.h"

#include "AppIdentity.h"

#include "AttributionsWindow.h"
#include "common/Fonts.h"
#include "windows/core/BundleInfo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int iconSize = 96;

// A faint band under the bottom row: black at 5 %, so it darkens either appearance a little.
class BottomBar final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor::fromRgbF(0, 0, 0, 0.05f));
    }
};

// A hairline under the name row. Drawn, not a QFrame: a frame reads as a window frame to
// assistive technology, and a line is nothing to announce.
class Divider final : public QWidget
{
public:
    Divider()
    {
        setFixedHeight(3);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 1, width(), 1), palette().color(QPalette::Mid));
    }
};

// Bundle values are data, never markup.
QLabel *verbatimLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    return label;
}

} // namespace

AboutView::Content AboutView::Content::fromBundle(const BundleInfo &bundle)
{
    // The maker is no bundle value: the dictionary has no key for it.
    return {.icon = QApplication::windowIcon(),
            .name = appName(bundle),
            .version = appVersion(bundle),
            .build = buildNumber(bundle),
            .copyright = copyrightNotice(bundle),
            .developer = QString::fromUtf8(AppIdentity::copyrightHolder)};
}

AboutView::AboutView(const Content &content, QWidget *parent)
    : QWidget(parent)
{
    const int padding = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);

    auto *icon = new QLabel;
    icon->setObjectName(u"aboutIcon"_s);
    icon->setPixmap(content.icon.pixmap(iconSize, iconSize));
    icon->setContentsMargins(padding, padding, padding, padding);
    icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    icon->setAccessibleName(tr("Application icon"));

    QLabel *name = verbatimLabel(content.name, u"aboutName"_s);
    name->setFont(titleFont(font()));
    QLabel *version = verbatimLabel(versionLine(content.version, content.build), u"aboutVersion"_s);
    // Stands in for a first-baseline alignment: both labels sit on the bottom edge, so the
    // smaller one is lifted by the difference of the two descents.
    version->setContentsMargins(
        0, 0, 0, QFontMetrics(name->font()).descent() - QFontMetrics(version->font()).descent());

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(name, 0, Qt::AlignBottom);
    nameRow->addStretch();
    nameRow->addWidget(version, 0, Qt::AlignBottom);

    auto *divider = new Divider;

    auto *developedBy = new QLabel(tr("Developed by"));
    developedBy->setObjectName(u"aboutDevelopedBy"_s);
    QFont bold = developedBy->font();
    bold.setBold(true);
    developedBy->setFont(bold);
    QLabel *developer = verbatimLabel(content.developer, u"aboutDeveloper"_s);

    QLabel *copyright = verbatimLabel(content.copyright, u"aboutCopyright"_s);
    copyright->setFont(scaledFont(copyright->font(), 10.0 / 13.0));
    copyright->setForegroundRole(QPalette::PlaceholderText);
    copyright->setWordWrap(true);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 20, 30, 0);
    column->setSpacing(0);
    column->addLayout(nameRow);
    column->addWidget(divider);
    column->addSpacing(8);
    column->addWidget(developedBy);
    column->addSpacing(2);
    column->addWidget(developer);
    column->addSpacing(12);
    column->addStretch();
    column->addWidget(copyright);
    column->addSpacing(padding);

    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(column, 1);

    auto *attributions = new QPushButton(tr("Attributions"));
    attributions->setObjectName(u"attributionsButton"_s);
    attributions->setAccessibleName(tr("Attributions"));
    attributions->setAutoDefault(false);
    connect(attributions, &QPushButton::clicked, this, [] { openAttributionsWindow(); });

    auto *bottomBar = new BottomBar;
    bottomBar->setObjectName(u"aboutBottomBar"_s);
    auto *bar = new QHBoxLayout(bottomBar);
    bar->addStretch();
    bar->addWidget(attributions);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top, 1);
    layout->addWidget(bottomBar);
}

QString AboutView::versionLine(const QString &version, const QString &build)
{
    return tr("Version %1").arg(version) + tr(" (%1)").arg(build);
}
