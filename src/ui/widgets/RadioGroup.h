#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio items laid out in columns, with one selected item
// or none (index -1).
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent = nullptr);

    int itemIndex() const;
    // -1 clears the selection.
    void setItemIndex(int index);
    QRadioButton *item(int index) const;
    int count() const;

signals:
    // The user picked an item.
    void itemClicked(int index);

private:
    QButtonGroup *m_group;
};
