#include "MaskEdit.h"

#include "ui/Modal.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

QString MaskEdit::refusalText()
{
    return QStringLiteral("Invalid input value.  Use escape key to abandon changes");
}

MaskEdit::MaskEdit(const QString &inputMask, QWidget *parent) : QLineEdit(parent)
{
    setInputMask(inputMask);
}

bool MaskEdit::validateEdit()
{
    if (!isModified() || isComplete() || m_validating)
        return true;
    m_validating = true;
    modal::message(window(), QMessageBox::Critical, refusalText());
    m_validating = false;
    setFocus(Qt::OtherFocusReason);
    return false;
}

void MaskEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Entering the field starts a new set of changes.
    if (!m_validating && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        setModified(false);
}

void MaskEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Switching windows (a message box included) is not leaving the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (!isModified() || isComplete())
        return;
    // Take the focus back once the focus change in progress has finished.
    QTimer::singleShot(0, this, [this] { validateEdit(); });
}

void MaskEdit::keyPressEvent(QKeyEvent *event)
{
    // The text before the first change is what Escape goes back to.
    if (!isModified())
        m_textOnEntry = text();
    if (event->key() == Qt::Key_Escape && isModified()) {
        setText(m_textOnEntry);
        setModified(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
