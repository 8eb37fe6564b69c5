#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

class BundleInfo;

// The content of an About window: the application's icon, name, version and build, who made it
// and its copyright, over a bar with the Attributions button. Its values are set once.
class AboutView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{500, 260};

    struct Content
    {
        QIcon icon;
        QString name;
        QString version;
        QString build;
        QString copyright;
        QString developer;

        // The application's icon, the bundle's values, each "N/A" when missing, and its maker.
        static Content fromBundle(const BundleInfo &bundle);
    };

    explicit AboutView(const Content &content, QWidget *parent = nullptr);

    // "Version 1.2 (7)", with each part translatable on its own.
    static QString versionLine(const QString &version, const QString &build);
};
