#include "SymbolArt.h"

#include <QDir>
#include <QPainter>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// Pictures of one symbol at the sizes it is drawn at (16, 20, 24, ... pixels), as the build made
// them. A symbol drawn in currentColor comes as masks, filled with the tint when drawn.
class PictureArt final : public SymbolArt
{
public:
    PictureArt(const QString &folder, bool mask)
        : m_mask(mask)
    {
        const QDir dir(folder);
        for (const QString &file : dir.entryList({u"*.png"_s}, QDir::Files))
            m_files.emplace(QFileInfo(file).completeBaseName().toInt(), dir.filePath(file));
    }

    bool isEmpty() const { return m_files.empty(); }

    QImage draw(const QSize &pixels, const QColor &tint) override
    {
        // The picture of that size; for a size between, the next larger one, made smaller.
        const int side = qMax(pixels.width(), pixels.height());
        auto found = m_files.lower_bound(side);
        if (found == m_files.end())
            found = std::prev(found);
        QImage picture(found->second);
        if (picture.size() != pixels)
            picture = picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QSize margin = (pixels - picture.size()) / 2;
        painter.drawImage(QPoint(margin.width(), margin.height()), picture);
        if (m_mask) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), tint);
        }
        painter.end();
        return image;
    }

private:
    bool m_mask;
    std::map<int, QString> m_files;
};

} // namespace

std::unique_ptr<SymbolArt> symbolArt(const QString &path)
{
    for (const bool mask : {true, false}) {
        auto art = std::make_unique<PictureArt>(mask ? path + u"/mask"_s : path, mask);
        if (!art->isEmpty())
            return art;
    }
    return nullptr;
}
