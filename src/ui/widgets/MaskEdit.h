#pragma once

#include <QLineEdit>

// A digits-only edit with a fixed input mask. A field the user has changed
// cannot be left while positions are unfilled: leaving it shows the refusal
// and gives the focus back. Escape abandons the changes made since the field
// took the focus.
class MaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    static QString refusalText();

    MaskEdit(const QString &inputMask, QWidget *parent = nullptr);

    // True when the field may be left; otherwise shows the refusal.
    bool validateEdit();
    // All positions filled.
    bool isComplete() const { return hasAcceptableInput(); }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_textOnEntry;
    bool m_validating = false;
};
