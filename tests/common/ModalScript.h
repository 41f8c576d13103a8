#pragma once

#include "ui/Modal.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// Answers the modal dialogs and message boxes a test expects, in order, and
// records any it did not expect (answered with Cancel / Rejected).
class ModalScript
{
public:
    ModalScript()
    {
        m_previous = modal::set_responder([this](const modal::Request &r) { return answer(r); });
    }
    ~ModalScript() { modal::set_responder(m_previous); }

    ModalScript &message(const QString &text, int answer = QMessageBox::Ok)
    {
        m_steps.push_back({text, nullptr, [answer](const modal::Request &) { return answer; }});
        return *this;
    }

    // A message whose text begins with prefix (the rest is the system's words).
    ModalScript &messageStartingWith(const QString &prefix)
    {
        m_steps.push_back({prefix, nullptr, [](const modal::Request &) { return int(QMessageBox::Ok); }, true});
        return *this;
    }

    // The dialog must be of type D; act on it and return the result to use.
    template <typename D>
    ModalScript &dialog(std::function<int(D &)> act)
    {
        m_steps.push_back({QString(), [](QDialog *d) { return qobject_cast<D *>(d) != nullptr; },
                           [act](const modal::Request &r) { return act(*qobject_cast<D *>(r.dialog)); }});
        return *this;
    }

    QStringList seenMessages;

    // Empty when every expected step ran and nothing unexpected came.
    QString problems() const
    {
        QStringList out = m_unexpected;
        for (const Step &s : m_steps)
            out << QStringLiteral("expected but not shown: %1")
                       .arg(s.text.isEmpty() ? QStringLiteral("a dialog") : s.text);
        return out.join(QLatin1String("; "));
    }

private:
    struct Step
    {
        QString text;
        std::function<bool(QDialog *)> isDialog;
        std::function<int(const modal::Request &)> act;
        bool prefix = false;
    };

    int answer(const modal::Request &r)
    {
        if (!r.dialog)
            seenMessages << r.text;
        const QString what =
            r.dialog ? QStringLiteral("dialog '%1'").arg(r.title) : QStringLiteral("message '%1'").arg(r.text);
        if (m_steps.empty()) {
            m_unexpected << QStringLiteral("unexpected %1").arg(what);
            return r.dialog ? int(QDialog::Rejected) : int(QMessageBox::Cancel);
        }
        Step step = m_steps.front();
        const bool matches =
            r.dialog ? (step.isDialog && step.isDialog(r.dialog))
                     : (!step.isDialog && (step.prefix ? r.text.startsWith(step.text) : step.text == r.text));
        if (!matches) {
            m_unexpected << QStringLiteral("unexpected %1").arg(what);
            return r.dialog ? int(QDialog::Rejected) : int(QMessageBox::Cancel);
        }
        m_steps.pop_front();
        return step.act(r);
    }

    std::deque<Step> m_steps;
    QStringList m_unexpected;
    modal::Responder m_previous;
};
