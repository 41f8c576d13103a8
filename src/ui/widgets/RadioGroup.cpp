#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 14, 8, 6);
    grid->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        m_group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // Clearing an exclusive group needs the exclusivity off for a moment.
    m_group->setExclusive(false);
    for (QAbstractButton *b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

int RadioGroup::count() const
{
    return int(m_group->buttons().size());
}
