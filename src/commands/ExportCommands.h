#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// The File menu's "Export…": saves the sample table as a tab-separated file through the save
// dialog, which proposes "MyDocument.tsv". While the dialog is open, choosing the item again only
// brings that dialog forward. A file that cannot be written is reported to the user, and whatever
// was at the chosen path stays as it was.
class ExportCommands final : public QObject
{
    Q_OBJECT

public:
    // window is the dialog's and the error message's parent; it owns this object.
    explicit ExportCommands(QWidget *window);

    QAction *exportAction() const { return m_export; }

signals:
    void exportFinished(bool saved);

private:
    void showExportDialog();
    void save(const QString &path);

    QWidget *m_window;
    QAction *m_export;
    QPointer<QFileDialog> m_dialog;
};
