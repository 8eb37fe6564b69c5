#include "WindowState.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString group = u"MainWindow"_s;
const QStringList intKeys{u"x"_s, u"y"_s, u"width"_s, u"height"_s, u"sidebarWidth"_s};

// The clamp of a span of the given length to [start, start + room), its start kept where it fits.
int clampedStart(int at, int length, int start, int room)
{
    return std::max(start, std::min(at, start + room - length));
}

} // namespace

WindowStateStore::WindowStateStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             u"Vestrandi"_s, u"Pillowrock-state"_s))
{}

WindowStateStore::WindowStateStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{}

WindowStateStore::~WindowStateStore() = default;

std::optional<WindowState> WindowStateStore::read() const
{
    m_settings->beginGroup(group);
    QList<int> values;
    for (const QString &key : intKeys) {
        bool ok = false;
        // INI text gives strings back; a list or anything else is no number.
        const int value = m_settings->value(key).toString().toInt(&ok);
        if (ok)
            values.append(value);
    }
    const QString maximized = m_settings->value(u"maximized"_s).toString();
    m_settings->endGroup();
    if (values.size() != intKeys.size() || values[2] <= 0 || values[3] <= 0 ||
        (maximized != "true"_L1 && maximized != "false"_L1))
        return std::nullopt;
    return WindowState{QRect(values[0], values[1], values[2], values[3]), values[4],
                       maximized == "true"_L1};
}

void WindowStateStore::write(const WindowState &state)
{
    m_settings->beginGroup(group);
    const QList<int> values{state.frame.x(), state.frame.y(), state.frame.width(),
                            state.frame.height(), state.sidebarWidth};
    for (qsizetype i = 0; i < intKeys.size(); ++i)
        m_settings->setValue(intKeys[i], values[i]);
    m_settings->setValue(u"maximized"_s, state.maximized);
    m_settings->endGroup();
    m_settings->sync();
}

QRect placedFrame(const QRect &saved, const QList<QRect> &screens, const QSize &minimum)
{
    QSize size = saved.size().expandedTo(minimum);
    if (screens.isEmpty())
        return QRect(saved.topLeft(), size);
    const auto overlap = [&](const QRect &screen) {
        const QRect common = screen.intersected(QRect(saved.topLeft(), size));
        return qint64(common.width()) * common.height();
    };
    const QRect screen =
        *std::max_element(screens.cbegin(), screens.cend(),
                          [&](const QRect &a, const QRect &b) { return overlap(a) < overlap(b); });
    const QRect &target = overlap(screen) > 0 ? screen : screens.first();
    size = size.boundedTo(target.size()).expandedTo(minimum);
    return QRect(QPoint(clampedStart(saved.x(), size.width(), target.x(), target.width()),
                        clampedStart(saved.y(), size.height(), target.y(), target.height())),
                 size);
}
