#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

// An alarm class's panel: rounded corners, a black border and a centred caption.
// Its colour flips while its alarm is raised.
class AlarmPanel : public QWidget
{
    Q_OBJECT
public:
    AlarmPanel(const QString &caption, const QString &captionName, QWidget *parent = nullptr);

    QColor color() const { return m_colour; }
    void setColor(const QColor &colour);
    QLabel *captionLabel() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_colour = Qt::white;
    QLabel *m_caption;
};
