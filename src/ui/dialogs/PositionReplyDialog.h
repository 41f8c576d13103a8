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

    QGroupBox *warningFrame = nullptr, *positionFrame = nullptr;
    QLabel *warningLine1 = nullptr, *warningLine2 = nullptr, *latitudeLabel = nullptr, *longitudeLabel = nullptr,
           *timeLabel = nullptr;

protected:
    void prepareToShow() override;

private:
    std::function<PositionFix()> m_drawFix;
    PositionFix m_fix;
};
