#pragma once

#include "AckDialog.h"
#include "core/dsc/PositionFix.h"

#include <functional>

// Answers a position request with a simulated fix near the configured
// position, drawn anew each time the dialog opens; the fix shown is the fix sent.
class PositionReplyDialog : public AckDialog
{
    Q_OBJECT
public:
    PositionReplyDialog(QWidget *owner, std::function<PositionFix()> drawFix);

    const PositionFix &fix() const { return m_fix; }

    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;

protected:
    void FormShow() override;

private:
    std::function<PositionFix()> m_drawFix;
    PositionFix m_fix;
};
