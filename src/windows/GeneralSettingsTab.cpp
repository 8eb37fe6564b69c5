#include "GeneralSettingsTab.h"

#include "app/core/Preferences.h"
#include "common/Fonts.h"
#include "common/core/PrintLine.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

GeneralSettingsTab::GeneralSettingsTab(Preferences &preferences, QWidget *parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_nameField(new QLineEdit)
{
    const QString nameTitle = tr("Name & Locations:");
    m_nameField->setObjectName(u"nameField"_s);
    m_nameField->setAccessibleName(QString(nameTitle).remove(u':'));
    m_nameField->setText(m_preferences.name());
    // Every keystroke is stored at once; there is nothing to confirm or cancel.
    connect(m_nameField, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_preferences.setName(text); });
    connect(m_nameField, &QLineEdit::returnPressed, this, [] { printLine(u"On commit!"_s); });
    // A change from elsewhere shows here; the field's own edits are already in it.
    connect(&m_preferences, &Preferences::nameChanged, this, [this](const QString &name) {
        if (m_nameField->text() != name)
            m_nameField->setText(name);
    });

    // The title is text, not a mnemonic: its ampersand is shown as written.
    auto *nameLabel = new QLabel(QString(nameTitle).replace(u'&', u"&&"_s));
    nameLabel->setBuddy(m_nameField);

    auto *caption =
        new QLabel(tr("This should describe this text field. Type all the words you want!"));
    caption->setObjectName(u"nameCaption"_s);
    caption->setWordWrap(true);
    caption->setFont(scaledFont(caption->font(), 10.0 / 13.0));

    auto *apply = new QPushButton(tr("Apply"));
    apply->setObjectName(u"applyButton"_s);
    apply->setAccessibleName(tr("Apply"));
    apply->setAutoDefault(false);
    apply->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(apply, &QPushButton::clicked, this, [] { printLine(u"Apply!"_s); });

    auto *form = new QFormLayout(this);
    form->setContentsMargins(20, 20, 20, 20);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(nameLabel, m_nameField);
    form->addRow(QString(), caption);
    form->addRow(QString(), apply);
}
