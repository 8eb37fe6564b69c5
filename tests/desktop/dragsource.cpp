// Another program to drag files from: pressing the mouse in its window drags the files named on its
// command line, and "Drag ended" is printed once the drag is over.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <cstdio>

class DragSource final : public QWidget
{
public:
    explicit DragSource(const QList<QUrl> &urls)
        : m_urls(urls)
    {}

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        auto *data = new QMimeData;
        data->setUrls(m_urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        // Its result says little: Qt reports the last action the target proposed, not the drop's.
        drag->exec(Qt::CopyAction);
        std::puts("Drag ended");
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_urls;
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QList<QUrl> urls;
    for (const QString &path : application.arguments().mid(1))
        urls.append(QUrl::fromLocalFile(path));
    DragSource source(urls);
    source.setWindowTitle(QStringLiteral("Drag source"));
    source.resize(160, 160);
    source.show();
    return application.exec();
}
