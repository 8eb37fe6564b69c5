#include "ExportCommands.h"

#include "commands/core/AtomicWrite.h"
#include "commands/core/MyExportDocument.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

ExportCommands::ExportCommands(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_export(new QAction(tr("Export…"), this))
{
    setObjectName(u"exportCommands"_s);
    m_export->setObjectName(u"exportAction"_s);
    connect(m_export, &QAction::triggered, this, &ExportCommands::showExportDialog);
}

void ExportCommands::showExportDialog()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }

    auto *dialog = new QFileDialog(m_window, tr("Export"));
    dialog->setObjectName(u"exportDialog"_s);
    dialog->setAccessibleName(tr("Export"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setMimeTypeFilters(MyExportDocument::writableContentTypes());
    dialog->setDefaultSuffix(u"tsv"_s);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog->setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog->selectFile(u"MyDocument.tsv"_s);

    connect(dialog, &QFileDialog::fileSelected, this, &ExportCommands::save);
    connect(dialog, &QDialog::rejected, this, [this] { emit exportFinished(false); });
    // The dialog is deleted on close, but possibly later; it stops counting as open at once.
    connect(dialog, &QDialog::finished, this, [this] { m_dialog.clear(); });
    m_dialog = dialog;
    dialog->open();
}

void ExportCommands::save(const QString &path)
{
    QString reason;
    if (writeAtomically(path, MyExportDocument(sampleEntries()).serialize(), &reason)) {
        emit exportFinished(true);
        return;
    }

    auto *message =
        new QMessageBox(QMessageBox::Warning, tr("Export Failed"),
                        tr("The file “%1” could not be saved.").arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Ok, m_window);
    message->setObjectName(u"exportFailedMessage"_s);
    message->setAccessibleName(tr("Export Failed"));
    message->setInformativeText(reason);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
    emit exportFinished(false);
}
