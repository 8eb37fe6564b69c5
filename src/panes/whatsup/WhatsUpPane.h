#pragma once

#include "navigation/Pane.h"

#include <QStringList>

class QCompleter;
class QLineEdit;
class QStringListModel;
class QVBoxLayout;

// A greeting for each name, narrowed by a search field in the window's toolbar, and three
// toolbar buttons that report being pressed.
class WhatsUpPane final : public Pane
{
    Q_OBJECT

public:
    explicit WhatsUpPane(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSearchText(const QString &text);
    void showNames(const QStringList &names);
    void offerSuggestions(const QString &text);

    const QStringList m_names;
    QString m_searchText;
    QVBoxLayout *m_greetings;
    QLineEdit *m_searchField;
    QStringListModel *m_suggestionModel;
    QCompleter *m_completer;
};
