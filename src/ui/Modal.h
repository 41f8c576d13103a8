#pragma once

#include <QMessageBox>
#include <exception>
#include <functional>

class QDialog;
class QWidget;

// The one way modal dialogs and message boxes are shown. A test installs a
// responder that answers each of them deterministically; without one they run
// modally for the user.
namespace modal {

struct Request
{
    QDialog *dialog = nullptr; // set for a dialog, null for a message box
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Returns the dialog's result, or the message box button pressed.
using Responder = std::function<int(const Request &)>;

// Installs a responder; returns the one it replaces. An empty one restores
// the real modal behaviour.
Responder set_responder(Responder responder);

// Shows the dialog modally and returns its result. Under a responder the
// dialog is shown (so its show step runs), handed to the responder, and
// closed if the responder left it open.
int exec_dialog(QDialog &dialog);

// A plain-text message box (received data is never rendered as markup).
QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                    const QString &title = QString());

// The plain information box of the program's own messages.
void show_message(const QString &text);

// The standard box for an error that ended a handler.
void show_error(const QString &text);

// Runs a handler; an error it does not catch reaches the user in the
// standard error box, and the program goes on.
template <typename Handler>
void guarded(Handler handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        show_error(QString::fromStdString(error.what()));
    }
}

} // namespace modal
