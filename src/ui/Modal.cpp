#include "Modal.h"

#include "UiLogging.h"

#include <QApplication>
#include <QDialog>

namespace modal {

namespace {
Responder &current()
{
    static Responder responder;
    return responder;
}
} // namespace

Responder set_responder(Responder responder)
{
    Responder old = std::move(current());
    current() = std::move(responder);
    return old;
}

int exec_dialog(QDialog &dialog)
{
    if (!current())
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    Request request;
    request.dialog = &dialog;
    request.parent = dialog.parentWidget();
    request.title = dialog.windowTitle();
    const Responder responder = current(); // the responder may replace itself
    const int answer = responder(request);
    if (dialog.isVisible())
        dialog.done(answer);
    return dialog.result();
}

QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                                    const QString &title)
{
    const QString caption = title.isEmpty() ? QApplication::applicationDisplayName() : title;
    qCDebug(lcUi) << "message:" << text;
    if (current()) {
        Request request;
        request.parent = parent;
        request.icon = icon;
        request.title = caption;
        request.text = text;
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        const Responder responder = current();
        return QMessageBox::StandardButton(responder(request));
    }
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void show_message(const QString &text)
{
    message(QApplication::activeWindow(), QMessageBox::Information, text);
}

void show_error(const QString &text)
{
    message(QApplication::activeWindow(), QMessageBox::Critical, text);
}

} // namespace modal
